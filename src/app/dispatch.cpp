#include "app/dispatch.h"

#include "app/ids.h"
#include "app/menus.h"
#include "app/resize_handler.h"
#include "colour/copy_commands.h"
#include "colour/detail_panel.h"
#include "colour/notation.h"
#include "gui/list_view.h"
#include "info/info_windows.h"
#include "store/entry_list.h"
#include "store/new_entry_window.h"

#include <array>

namespace app {
namespace {

bool quitFlag = false;

// The copy commands: which colour (1-3, or 0 for all three) in which notation.
struct CopyCommand {
    int command;
    int colour;
    const QString& notation;
};

const std::array<CopyCommand, 12> kCopyCommands{{
    {ids::kCmdCopy1Dec, 1, colour::kDec},
    {ids::kCmdCopy1Rgb, 1, colour::kRgb},
    {ids::kCmdCopy1Hex, 1, colour::kHex},
    {ids::kCmdCopy2Dec, 2, colour::kDec},
    {ids::kCmdCopy2Rgb, 2, colour::kRgb},
    {ids::kCmdCopy2Hex, 2, colour::kHex},
    {ids::kCmdCopy3Dec, 3, colour::kDec},
    {ids::kCmdCopy3Rgb, 3, colour::kRgb},
    {ids::kCmdCopy3Hex, 3, colour::kHex},
    {ids::kCmdCopyAllDec, 0, colour::kDec},
    {ids::kCmdCopyAllRgb, 0, colour::kRgb},
    {ids::kCmdCopyAllHex, 0, colour::kHex},
}};

// Colours 1 to 3 stand in list columns 3 to 5; row -1 gives their titles.
QString colourText(int row, int colour) {
    return gui::listCellText(ids::kEntryList, row, 2 + colour);
}

bool runCopyCommand(int command, int row) {
    for (const CopyCommand& copy : kCopyCommands) {
        if (copy.command != command)
            continue;
        if (copy.colour == 0)
            colour::copyAllColours(colourText(row, 1), colourText(row, 2), colourText(row, 3), copy.notation);
        else
            colour::copyOneColour(colourText(row, copy.colour), copy.notation);
        return true;
    }
    return false;
}

void dispatchControl(const gui::Event& event) {
    switch (event.control) {
    case ids::kEntryList:
        if (event.type == gui::EventType::Change)
            colour::refreshDetails();
        else if (event.type == gui::EventType::RightClick)
            showFunctionMenu();
        break;
    case ids::kFilterButton:
        store::applyFilter();
        break;
    case ids::kShowAllButton:
        store::showAllEntries();
        break;
    case ids::kSearchButton:
        store::searchWithDialog();
        break;
    case ids::kNewEntryButton:
        store::openNewEntryWindow();
        break;
    default:
        break;
    }
}

void dispatchCommand(int command) {
    const int row = gui::selectedListRow(ids::kEntryList);
    if (runCopyCommand(command, row))
        return;
    switch (command) {
    case ids::kCmdAbout:
    case ids::kCmdMenuAbout:
        info::showAbout();
        break;
    case ids::kCmdHelp:
    case ids::kCmdMenuHelp:
        info::showHelp();
        break;
    case ids::kCmdFunctionMenu:
        showFunctionMenu();
        break;
    case ids::kCmdSearch:
    case ids::kCmdMenuSearch:
        store::searchWithDialog();
        break;
    case ids::kCmdShowAll:
    case ids::kCmdMenuShowAll:
        store::showAllEntries();
        break;
    case ids::kCmdNewEntry:
    case ids::kCmdMenuNewEntry:
        store::openNewEntryWindow();
        break;
    case ids::kCmdDeleteEntry:
        store::deleteSelectedEntry();
        break;
    case ids::kCmdQuit:
        quitFlag = true;
        break;
    default:
        break;
    }
}

} // namespace

void dispatchEvent(const gui::Event& event) {
    switch (event.kind) {
    case gui::EventKind::Control:
        dispatchControl(event);
        break;
    case gui::EventKind::Command:
        dispatchCommand(event.command);
        break;
    case gui::EventKind::Size:
        handleResize();
        break;
    case gui::EventKind::Close:
        if (event.window == ids::kMainWindow)
            quitFlag = true;
        break;
    case gui::EventKind::Other:
        break;
    }
}

void runMainLoop() {
    while (!quitFlag)
        dispatchEvent(gui::waitEvent());
}

bool quitRequested() {
    return quitFlag;
}

void resetQuitFlag() {
    quitFlag = false;
}

} // namespace app
