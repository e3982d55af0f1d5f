#include "app/dispatch.h"
#include "app/ids.h"
#include "gui/controls.h"
#include "gui/images.h"
#include "gui/list_view.h"
#include "gui/windows.h"
#include "store/new_entry_window.h"
#include "support/program.h"
#include "support/ui_script.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const std::vector<Entry> kCollection{
    entry("Natur", "Herbstwald", "Moosgrün", "85,107,47", "138,154,91", "60,80,40"),
    entry("Natur", "Ostsee", "Sandstrand", "238,214,175", "222,196,160", "194,168,130"),
    entry("Wohnen", "Ostsee", "Strandhaus", "245,243,236", "120,160,190", "60,90,120"),
};

bool newEntryWindowOpen() {
    return gui::windowExists(ids::kNewEntryWindow);
}

// Picks a colour in the chooser opened by the given colour button (or cancels it with an invalid colour).
void pickColour(UiScript& script, int button, std::optional<QColor> colour) {
    script.thenDo([button] { clickControl(button); });
    script.then(answerModal<QColorDialog>([colour](QColorDialog* chooser) {
        if (colour) {
            chooser->setCurrentColor(*colour);
            chooser->accept();
        } else {
            chooser->reject();
        }
    }));
}

QRgb previewPixel(int x, int y) {
    return gui::image(ids::kNewEntryPreviewImage).pixel(x, y);
}

class NewEntryWindow : public ::testing::Test {
protected:
    Program program{kCollection};
    UiScript script;

    void SetUp() override { program.settle(); }

    // Opens the window through the real dispatch; the script runs inside its loop.
    void openAndRun() {
        script.start();
        app::dispatchEvent(gui::commandEvent(ids::kCmdMenuNewEntry));
        EXPECT_TRUE(script.finished());
        EXPECT_FALSE(newEntryWindowOpen());
    }
};

TEST_F(NewEntryWindow, OpensWithItsControlsAndTheCollectionsChoices) {
    struct Place {
        int id;
        QRect rect;
    };
    const Place places[] = {
        {ids::kCategoryLabel, {20, 10, 100, 25}},  {ids::kCategoryInput, {110, 8, 270, 23}},
        {ids::kPaletteLabel, {20, 50, 100, 25}},   {ids::kPaletteInput, {110, 48, 270, 23}},
        {ids::kNameLabel, {20, 90, 100, 25}},      {ids::kNameInput, {110, 88, 270, 23}},
        {ids::kColour1Label, {20, 130, 100, 25}},  {ids::kColour1Field, {110, 128, 247, 23}},
        {ids::kColour1Button, {358, 128, 23, 23}}, {ids::kColour2Field, {110, 168, 247, 23}},
        {ids::kColour3Button, {358, 208, 23, 23}}, {ids::kNewEntryCancel, {100, 360, 100, 30}},
        {ids::kNewEntryOk, {200, 360, 100, 30}},   {ids::kNewEntryPreview, {20, 250, 360, 100}},
    };
    script.then(newEntryWindowOpen).thenDo([&] {
        QWidget* window = windowWidget(ids::kNewEntryWindow);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessora : Eintrag hinzufügen"));
        EXPECT_EQ(window->size(), QSize(400, 400));
        for (const Place& place : places)
            EXPECT_EQ(gui::controlGeometry(place.id), place.rect) << "control " << place.id;
        EXPECT_EQ(gui::dropDownItemCount(ids::kCategoryInput), 2);
        EXPECT_EQ(gui::dropDownItemCount(ids::kPaletteInput), 2);
        EXPECT_EQ(gui::controlText(ids::kCategoryInput), QStringLiteral("Natur"));
        EXPECT_EQ(gui::controlText(ids::kPaletteInput), QStringLiteral("Herbstwald"));
        EXPECT_EQ(gui::controlText(ids::kNameInput), QString());
        EXPECT_EQ(gui::controlText(ids::kColour1Field), QString());
        clickControl(ids::kNewEntryCancel);
    });
    openAndRun();
    program.settle();
    EXPECT_EQ(program.folder().storedRows().size(), kCollection.size());
    EXPECT_EQ(gui::focusedControl(), ids::kEntryList);
}

TEST_F(NewEntryWindow, AnyEmptyFieldShowsTheInputErrorAndKeepsEverything) {
    const int fields[] = {ids::kCategoryInput, ids::kPaletteInput, ids::kNameInput,
                          ids::kColour1Field,  ids::kColour2Field, ids::kColour3Field};
    script.then(newEntryWindowOpen);
    for (int empty : fields) {
        script.thenDo([empty] {
            const int typed[] = {ids::kCategoryInput, ids::kPaletteInput, ids::kNameInput};
            for (int control : typed)
                typeInto(control, control == empty ? QString() : QStringLiteral("x"));
            for (int colour : {ids::kColour1Field, ids::kColour2Field, ids::kColour3Field})
                gui::setControlText(colour, colour == empty ? QString() : QStringLiteral("1,2,3"));
            clickControl(ids::kNewEntryOk);
        });
        script.then(answerModal<QMessageBox>([empty](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Tessora : Eingabefehler")) << "empty " << empty;
            EXPECT_EQ(box->text(), QStringLiteral("Eine Eingabe fehlt!\nBitte die Daten ergänzen\nund noch mals "
                                                  "versuchen.\nDanke!"));
            box->accept();
        }));
        script.then([empty] {
            EXPECT_TRUE(newEntryWindowOpen());
            EXPECT_EQ(gui::controlText(ids::kNameInput), empty == ids::kNameInput ? QString() : QStringLiteral("x"));
            return true;
        });
    }
    script.thenDo([] { clickControl(ids::kNewEntryCancel); });
    openAndRun();
    EXPECT_EQ(program.folder().storedRows().size(), kCollection.size());
}

TEST_F(NewEntryWindow, CancelledChooserWritesWhiteInRedAndKeepsThePreviewSlot) {
    script.then(newEntryWindowOpen);
    pickColour(script, ids::kColour2Button, QColor(255, 128, 0));
    script.thenDo([] {
        EXPECT_EQ(gui::controlText(ids::kColour2Field), QStringLiteral("255,128,0"));
        EXPECT_EQ(gui::textColour(ids::kColour2Field), QColor(Qt::black));
        EXPECT_EQ(previewPixel(120, 0), qRgb(255, 128, 0));
        EXPECT_EQ(previewPixel(239, 99), qRgb(255, 128, 0));
        EXPECT_EQ(previewPixel(119, 50), qRgb(255, 255, 255)) << "slot 1 untouched";
        EXPECT_EQ(previewPixel(240, 50), qRgb(255, 255, 255)) << "slot 3 untouched";
    });
    pickColour(script, ids::kColour2Button, std::nullopt);
    script.thenDo([] {
        EXPECT_EQ(gui::controlText(ids::kColour2Field), QStringLiteral("255,255,255"));
        EXPECT_EQ(gui::textColour(ids::kColour2Field), QColor(Qt::red));
        EXPECT_EQ(previewPixel(180, 50), qRgb(255, 128, 0)) << "a cancel leaves the slot";
    });
    pickColour(script, ids::kColour2Button, QColor(0, 0, 255));
    script.thenDo([] {
        EXPECT_EQ(gui::controlText(ids::kColour2Field), QStringLiteral("0,0,255"));
        EXPECT_EQ(gui::textColour(ids::kColour2Field), QColor(Qt::black));
        clickControl(ids::kNewEntryCancel);
    });
    openAndRun();
}

TEST_F(NewEntryWindow, StoresTheTrimmedEntryAndShowsAllEntries) {
    script.then(newEntryWindowOpen).thenDo([] {
        typeInto(ids::kCategoryInput, QStringLiteral("  Neue Kategorie "));
        typeInto(ids::kPaletteInput, QStringLiteral("\tPalette  "));
        typeInto(ids::kNameInput, QStringLiteral(" Name mit  Lücke "));
    });
    pickColour(script, ids::kColour1Button, QColor(18, 52, 86));
    pickColour(script, ids::kColour2Button, std::nullopt);
    pickColour(script, ids::kColour3Button, QColor(0, 255, 0));
    script.thenDo([] { clickControl(ids::kNewEntryOk); });
    openAndRun();

    const auto rows = program.folder().storedRows();
    ASSERT_EQ(rows.size(), kCollection.size() + 1);
    EXPECT_EQ(rows.back(),
              (QStringList{"Neue Kategorie", "\tPalette", "Name mit  Lücke", "18,52,86", "255,255,255", "0,255,0"}));
    program.settle();
    EXPECT_EQ(gui::listRowCount(ids::kEntryList), int(kCollection.size()) + 1);
    EXPECT_EQ(gui::focusedControl(), ids::kEntryList);
}

TEST_F(NewEntryWindow, EventsForTheMainWindowAreDroppedWhileItIsOpen) {
    script.then(newEntryWindowOpen).thenDo([] {
        gui::postEvent(gui::closeEvent(ids::kMainWindow));
        gui::postEvent(gui::commandEvent(ids::kCmdShowAll));
        gui::postEvent(gui::commandEvent(ids::kCmdDeleteEntry));
        gui::postEvent(gui::controlEvent(ids::kSearchButton, gui::EventType::Click));
        gui::postEvent(gui::sizeEvent(ids::kMainWindow));
    });
    script.then([] { return gui::queuedEventCount() == 0; }).thenDo([] { clickControl(ids::kNewEntryCancel); });
    openAndRun();
    program.settle();
    EXPECT_FALSE(app::quitRequested());
    EXPECT_EQ(program.folder().storedRows().size(), kCollection.size()) << "the delete command was not carried out";
}

TEST(NewEntryWindowWithoutCollection, AFailedInsertKeepsTheWindowAndTheInput) {
    Program program({}, false);
    UiScript script;
    script.then(newEntryWindowOpen).thenDo([] {
        EXPECT_EQ(gui::dropDownItemCount(ids::kCategoryInput), 0);
        typeInto(ids::kCategoryInput, QStringLiteral("K"));
        typeInto(ids::kPaletteInput, QStringLiteral("P"));
        typeInto(ids::kNameInput, QStringLiteral("N"));
        for (int colour : {ids::kColour1Field, ids::kColour2Field, ids::kColour3Field})
            gui::setControlText(colour, QStringLiteral("1,2,3"));
        clickControl(ids::kNewEntryOk);
    });
    script.then(answerModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
        EXPECT_EQ(box->text(), QStringLiteral("Fehler beim Einfügen"));
        box->accept();
    }));
    script.thenDo([] {
        EXPECT_TRUE(newEntryWindowOpen());
        EXPECT_EQ(gui::controlText(ids::kNameInput), QStringLiteral("N"));
        EXPECT_EQ(gui::controlText(ids::kColour3Field), QStringLiteral("1,2,3"));
        clickControl(ids::kNewEntryCancel);
    });
    script.start();
    app::dispatchEvent(gui::controlEvent(ids::kNewEntryButton, gui::EventType::Click));
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(QFile::exists(program.folder().filePath(QStringLiteral("colours.tsdb"))));
}

TEST(TrimSpaces, RemovesOnlyOuterSpaces) {
    EXPECT_EQ(store::trimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(store::trimSpaces(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));
    EXPECT_EQ(store::trimSpaces(QStringLiteral("    ")), QString());
    EXPECT_EQ(store::trimSpaces(QStringLiteral(" \u00A0x\u00A0 ")), QStringLiteral("\u00A0x\u00A0"));
}

// Deleting -----------------------------------------------------------------------------------------------

class Deleting : public ::testing::Test {
protected:
    Program program{{
        entry("Natur", "Ostsee", "Welle", "1,1,1", "2,2,2", "3,3,3"),
        entry("Natur", "Ostsee", "Welle", "9,9,9", "2,2,2", "3,3,3"), // same name, other colour
        entry("Natur", "Ostsee", "Welle", "1,1,1", "2,2,2", "3,3,3"), // an exact twin of the first
        entry("Mode", "Neon", "Signal", "255,255,0", "0,0,0", "255,0,255"),
    }};
    void SetUp() override { program.settle(); }
};

TEST_F(Deleting, RemovesOnlyTheSelectedRowNotItsNamesakes) {
    gui::selectListRow(ids::kEntryList, 0);
    program.settle();
    app::dispatchEvent(gui::commandEvent(ids::kCmdDeleteEntry));
    program.settle();
    const auto rows = program.folder().storedRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][3], QStringLiteral("9,9,9")) << "the namesake with other colours survives";
    EXPECT_EQ(rows[1][3], QStringLiteral("1,1,1")) << "the twin survives";
    EXPECT_EQ(gui::listRowCount(ids::kEntryList), 3);
    EXPECT_EQ(gui::selectedListRow(ids::kEntryList), 0);
}

TEST_F(Deleting, DoesNothingWithoutASelectedRow) {
    // A click into the empty part of the list leaves no row selected.
    QWidget* list = controlWidget(ids::kEntryList);
    ASSERT_NE(list, nullptr);
    auto* viewport = list->findChild<QWidget*>(QStringLiteral("qt_scrollarea_viewport"));
    ASSERT_NE(viewport, nullptr);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(10, viewport->height() - 5));
    program.settle();
    ASSERT_EQ(gui::selectedListRow(ids::kEntryList), -1);
    app::dispatchEvent(gui::commandEvent(ids::kCmdDeleteEntry));
    EXPECT_EQ(program.folder().storedRows().size(), 4u);
    EXPECT_EQ(gui::queuedEventCount(), 0) << "no refill followed";
}

TEST_F(Deleting, TheLastEntryLeavesAnEmptyListAndTheDetailsOfTheDeletedOne) {
    program.folder().execute(QStringLiteral("DELETE FROM colours WHERE name = 'Welle'"));
    app::dispatchEvent(gui::commandEvent(ids::kCmdShowAll));
    program.settle();
    ASSERT_EQ(gui::listRowCount(ids::kEntryList), 1);
    const QString shown = gui::controlText(ids::kDetailText);
    ASSERT_TRUE(shown.startsWith(QStringLiteral("Signal\r\n")));
    app::dispatchEvent(gui::commandEvent(ids::kCmdDeleteEntry));
    program.settle();
    EXPECT_TRUE(program.folder().storedRows().empty());
    EXPECT_EQ(gui::listRowCount(ids::kEntryList), 0);
    EXPECT_EQ(gui::controlText(ids::kDetailText), shown);
}

} // namespace
