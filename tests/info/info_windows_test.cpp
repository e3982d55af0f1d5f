#include "app/dispatch.h"
#include "app/ids.h"
#include "gui/controls.h"
#include "gui/html_view.h"
#include "gui/windows.h"
#include "info/help_layout.h"
#include "support/program.h"
#include "support/ui_script.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <set>

using namespace testing_support;

namespace {

// Commands and events for the main window that must be lost while a secondary window is open.
void postMainWindowEvents() {
    gui::postEvent(gui::commandEvent(ids::kCmdHelp));
    gui::postEvent(gui::commandEvent(ids::kCmdAbout));
    gui::postEvent(gui::commandEvent(ids::kCmdShowAll));
    gui::postEvent(gui::closeEvent(ids::kMainWindow));
    gui::postEvent(gui::controlEvent(ids::kNewEntryButton, gui::EventType::Click));
}

class InfoWindows : public ::testing::Test {
protected:
    Program program{{entry("Natur", "Ostsee", "Welle", "1,1,1", "2,2,2", "3,3,3")}};
    UiScript script;

    void SetUp() override { program.settle(); }

    // Runs a command that opens a secondary window; the script works inside the window's loop. Afterwards
    // nothing posted meanwhile may be left over, and the entry list has the focus again.
    void runAndClose(int command, int window) {
        script.start();
        app::dispatchEvent(gui::commandEvent(command));
        EXPECT_TRUE(script.finished());
        EXPECT_FALSE(gui::windowExists(window));
        program.settle();
        EXPECT_FALSE(app::quitRequested()) << "the close event was dropped";
        EXPECT_FALSE(gui::windowExists(ids::kNewEntryWindow)) << "the button click was dropped";
        EXPECT_EQ(gui::focusedControl(), ids::kEntryList);
    }
};

TEST_F(InfoWindows, AboutShowsItsHeadingAndTwentyOneLines) {
    script.then([] { return gui::windowExists(ids::kAboutWindow); }).thenDo([] {
        QWidget* window = windowWidget(ids::kAboutWindow);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Über Tessora"));
        EXPECT_EQ(window->size(), QSize(502, 502));
        EXPECT_EQ(gui::controlGeometry(ids::kAboutOkButton), QRect(207, 468, 88, 24));
        EXPECT_EQ(gui::controlText(ids::kAboutOkButton), QStringLiteral("&OK"));
        EXPECT_TRUE(qobject_cast<QPushButton*>(controlWidget(ids::kAboutOkButton))->isDefault());
        EXPECT_EQ(gui::focusedControl(), ids::kAboutOkButton);

        auto* heading = qobject_cast<QLabel*>(controlWidget(ids::kAboutHeading));
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->text(), QStringLiteral("Tessora - Farbfundus"));
        EXPECT_EQ(heading->geometry(), QRect(34, 8, 434, 40));
        EXPECT_EQ(heading->font().pointSize(), 14);
        EXPECT_TRUE(heading->alignment() & Qt::AlignHCenter);

        auto* lines = qobject_cast<QListWidget*>(controlWidget(ids::kAboutLines));
        ASSERT_NE(lines, nullptr);
        EXPECT_EQ(lines->geometry(), QRect(8, 56, 484, 380));
        ASSERT_EQ(lines->count(), 21);
        const std::set<int> emptyLines{2, 5, 7, 11, 14, 19};
        for (int line = 1; line <= 21; ++line)
            EXPECT_EQ(lines->item(line - 1)->text().isEmpty(), emptyLines.count(line) == 1) << "line " << line;
        EXPECT_EQ(lines->item(2)->text(), QStringLiteral("Für die wunderbarste Frau der Welt."));
        EXPECT_EQ(lines->item(3)->text(), QStringLiteral("Alles Gute zum Hochzeitstag!"));
        EXPECT_EQ(lines->item(15)->text(), QStringLiteral("welches unter der CC Attribution 2.5 License"));
        EXPECT_EQ(lines->item(16)->text(), QStringLiteral("zur Verfügung steht!"));
        EXPECT_EQ(lines->item(19)->text(), QStringLiteral("Info zur CC Lizenz:"));
        EXPECT_TRUE(lines->item(14)->text().endsWith(u',')) << "line 15 leads into lines 16 and 17";
        postMainWindowEvents();
    });
    script.then([] { return gui::queuedEventCount() == 0; }).thenDo([] { clickControl(ids::kAboutOkButton); });
    runAndClose(ids::kCmdAbout, ids::kAboutWindow);
}

TEST_F(InfoWindows, HelpShowsTheLocalHelpFileAndClosesWithItsButton) {
    script.then([] { return gui::windowExists(ids::kHelpWindow); }).thenDo([] {
        QWidget* window = windowWidget(ids::kHelpWindow);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessora Hilfe"));
        EXPECT_EQ(window->size(), QSize(850, 680));
        EXPECT_EQ(gui::controlGeometry(ids::kHelpView), QRect(5, 5, 840, 630));
        EXPECT_EQ(gui::controlGeometry(ids::kHelpCloseButton), QRect(382, 645, 85, 30));
        EXPECT_EQ(gui::htmlViewFile(ids::kHelpView),
                  QDir::current().absoluteFilePath(QStringLiteral("help/index.html")));
        EXPECT_FALSE(qobject_cast<QPushButton*>(controlWidget(ids::kHelpCloseButton))->icon().isNull());
        EXPECT_EQ(gui::focusedControl(), ids::kHelpView);
        postMainWindowEvents();
    });
    script.then([] { return gui::queuedEventCount() == 0; }).thenDo([] { clickControl(ids::kHelpCloseButton); });
    runAndClose(ids::kCmdMenuHelp, ids::kHelpWindow);
}

TEST(HelpLayout, CloseButtonIsCentredWithHalvesRoundedToEven) {
    EXPECT_EQ(info::helpViewRect({850, 680}), QRect(5, 5, 840, 630));
    EXPECT_EQ(info::helpCloseButtonRect({850, 680}), QRect(382, 645, 85, 30)); // 425 - 42.5 = 382.5 → 382
    EXPECT_EQ(info::helpCloseButtonRect({870, 680}), QRect(392, 645, 87, 30)); // 435 - 43.5 = 391.5 → 392
}

} // namespace
