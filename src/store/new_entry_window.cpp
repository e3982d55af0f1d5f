#include "store/new_entry_window.h"

#include "app/ids.h"
#include "colour/notation.h"
#include "gui/controls.h"
#include "gui/dialogs.h"
#include "gui/event_queue.h"
#include "gui/images.h"
#include "gui/list_view.h"
#include "gui/windows.h"
#include "store/colour_db.h"
#include "store/entry_list.h"
#include "store/statements.h"

#include <array>

namespace store {
namespace {

constexpr int kWindowSide = 400;

struct ColourSlot {
    int button;
    int field;
    int previewLeft; // where the slot's 120 × 100 block starts in the new-entry preview image
};

constexpr std::array<ColourSlot, 3> kColourSlots{{
    {ids::kColour1Button, ids::kColour1Field, 0},
    {ids::kColour2Button, ids::kColour2Field, 120},
    {ids::kColour3Button, ids::kColour3Field, 240},
}};

constexpr std::array<int, 6> kInputControls{ids::kCategoryInput, ids::kPaletteInput, ids::kNameInput,
                                            ids::kColour1Field,  ids::kColour2Field, ids::kColour3Field};

void createLabelledInput(int labelId, int inputId, int top, const QString& label, bool dropDown) {
    const int w = ids::kNewEntryWindow;
    gui::createTextLabel(w, labelId, {20, top + 2, 100, 25}, label);
    if (dropDown)
        gui::createEditableDropDown(w, inputId, {110, top, 270, 23});
    else
        gui::createLineEdit(w, inputId, {110, top, 270, 23}, false);
}

void createColourRow(int labelId, const ColourSlot& slot, int top, const QString& label) {
    const int w = ids::kNewEntryWindow;
    gui::createTextLabel(w, labelId, {20, top + 2, 100, 25}, label);
    gui::createLineEdit(w, slot.field, {110, top, 247, 23}, true);
    gui::setTextColours(slot.field, Qt::black, Qt::white);
    gui::createImageButton(w, slot.button, {358, top, 23, 23}, ids::kColourWheelIcon);
}

void createControls() {
    const int w = ids::kNewEntryWindow;
    createLabelledInput(ids::kCategoryLabel, ids::kCategoryInput, 8, QStringLiteral("Kategorie:"), true);
    createLabelledInput(ids::kPaletteLabel, ids::kPaletteInput, 48, QStringLiteral("Palette:"), true);
    createLabelledInput(ids::kNameLabel, ids::kNameInput, 88, QStringLiteral("Name:"), false);
    createColourRow(ids::kColour1Label, kColourSlots[0], 128, QStringLiteral("Farbe 1:"));
    createColourRow(ids::kColour2Label, kColourSlots[1], 168, QStringLiteral("Farbe 2:"));
    createColourRow(ids::kColour3Label, kColourSlots[2], 208, QStringLiteral("Farbe 3:"));
    const QSize client = gui::windowInnerSize(w);
    const int quarter = client.width() / 4;
    gui::createPushButton(w, ids::kNewEntryCancel, {quarter, client.height() - 40, quarter, 30},
                          QStringLiteral("Abbrechen"));
    gui::createPushButton(w, ids::kNewEntryOk, {quarter * 2, client.height() - 40, quarter, 30}, QStringLiteral("OK"));
    gui::createImageField(w, ids::kNewEntryPreview, {20, 250}, ids::kNewEntryPreviewImage);
}

// Both boxes list what the collection already holds, read on one connection.
void fillChoices() {
    openDatabase();
    runQuery(categoryListQuery());
    while (nextRow())
        gui::appendDropDownItem(ids::kCategoryInput, columnText(0));
    runQuery(paletteListQuery());
    while (nextRow())
        gui::appendDropDownItem(ids::kPaletteInput, columnText(0));
    closeDatabase();
    gui::selectDropDownItem(ids::kCategoryInput, 0);
    gui::selectDropDownItem(ids::kPaletteInput, 0);
}

void pickColour(const ColourSlot& slot) {
    const std::int32_t chosen = gui::chooseColour(0);
    if (chosen < 0) {
        // A cancelled choice still fills the field, in red, and leaves the preview slot as it was.
        gui::setControlText(slot.field, QStringLiteral("255,255,255"));
        gui::setTextColours(slot.field, Qt::red, Qt::white);
        return;
    }
    gui::setControlText(slot.field, colour::colourTextOf(chosen));
    gui::setTextColours(slot.field, Qt::black, Qt::white);
    gui::fillRect(ids::kNewEntryPreviewImage, {slot.previewLeft, 0, 120, 100}, chosen);
    gui::setImageFieldImage(ids::kNewEntryPreview, ids::kNewEntryPreviewImage);
}

void backToMainWindow() {
    gui::closeWindow(ids::kNewEntryWindow);
    gui::activateWindow(ids::kMainWindow);
}

// True when the window may close: the entry was stored. Missing input or a refused insert keep it open
// with everything the user typed.
bool confirm() {
    std::array<QString, 6> input;
    for (std::size_t i = 0; i < input.size(); ++i)
        input[i] = gui::controlText(kInputControls[i]);
    for (const QString& text : input) {
        if (text.isEmpty()) {
            gui::showMessage(kInputErrorTitle, kInputErrorText);
            return false;
        }
    }
    return insertEntry(input[0], input[1], input[2], input[3], input[4], input[5]);
}

} // namespace

QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

bool insertEntry(const QString& category, const QString& palette, const QString& name, const QString& colour1,
                 const QString& colour2, const QString& colour3) {
    openDatabase();
    const bool stored = runChange(insertStatement(trimSpaces(category), trimSpaces(palette), trimSpaces(name),
                                                  trimSpaces(colour1), trimSpaces(colour2), trimSpaces(colour3)));
    if (!stored)
        gui::showMessage(kInsertErrorTitle, kInsertErrorText);
    closeDatabase();
    return stored;
}

void openNewEntryWindow() {
    gui::Placement placement{gui::Placement::CentredOverActive, {}, true};
    if (!gui::openWindow(ids::kNewEntryWindow, kNewEntryTitle, {kWindowSide, kWindowSide},
                         gui::WindowStyle::TitleBarOnly, placement))
        return;
    createControls();
    fillChoices();
    for (;;) {
        const gui::Event event = gui::waitForControlEvent(
            {ids::kColour1Button, ids::kColour2Button, ids::kColour3Button, ids::kNewEntryOk, ids::kNewEntryCancel});
        for (const ColourSlot& slot : kColourSlots)
            if (event.control == slot.button)
                pickColour(slot);
        if (event.control == ids::kNewEntryOk && confirm()) {
            backToMainWindow();
            refillAllEntries();
            gui::setFocus(ids::kEntryList);
            return;
        }
        if (event.control == ids::kNewEntryCancel) {
            backToMainWindow();
            gui::setFocus(ids::kEntryList);
            return;
        }
    }
}

void deleteSelectedEntry() {
    const int row = gui::selectedListRow(ids::kEntryList);
    if (row < 0)
        return;
    std::array<QString, 6> texts;
    for (int column = 0; column < 6; ++column)
        texts[std::size_t(column)] = gui::listCellText(ids::kEntryList, row, column);
    openDatabase();
    // A stored text with a line feed shifts the list's cells, so the six texts shown are not the entry's own
    // and could name another entry: such a row is left alone, as if its delete had matched nothing.
    if (gui::listRowPieceCount(ids::kEntryList, row) == int(texts.size()))
        runChange(deleteOneEntryStatement(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]));
    // The refill opens the database again, which closes this connection first.
    refillAllEntries();
}

} // namespace store
