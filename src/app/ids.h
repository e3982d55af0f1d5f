#pragma once

// Every window, control, image, menu, font and command of the program has one fixed number.
// Controls are unique across all windows, so an event names its control without its window.
namespace ids {

// Windows
constexpr int kMainWindow = 0;
constexpr int kAboutWindow = 1;
constexpr int kHelpWindow = 2;
constexpr int kNewEntryWindow = 3;

// Main window controls
constexpr int kEntryList = 0;
constexpr int kCategoryFilter = 1;
constexpr int kPaletteFilter = 2;
constexpr int kDetailText = 3;
constexpr int kFilterButton = 4;
constexpr int kShowAllButton = 5;
constexpr int kSearchButton = 6;
constexpr int kColourPreview = 12;
constexpr int kNewEntryButton = 13;

// About window controls
constexpr int kAboutOkButton = 7;
constexpr int kAboutHeading = 9;
constexpr int kAboutLines = 10;

// Help window controls
constexpr int kHelpCloseButton = 8;
constexpr int kHelpView = 11;

// New-entry window controls
constexpr int kNewEntryPreview = 14;
constexpr int kCategoryLabel = 15;
constexpr int kPaletteLabel = 16;
constexpr int kNameLabel = 17;
constexpr int kColour1Label = 18;
constexpr int kColour2Label = 19;
constexpr int kColour3Label = 20;
constexpr int kCategoryInput = 21;
constexpr int kPaletteInput = 22;
constexpr int kNameInput = 23;
constexpr int kColour1Field = 24;
constexpr int kColour2Field = 25;
constexpr int kColour3Field = 26;
constexpr int kColour1Button = 27;
constexpr int kColour2Button = 28;
constexpr int kColour3Button = 29;
constexpr int kNewEntryOk = 30;
constexpr int kNewEntryCancel = 31;

// Images: 0, 1 and 12 are drawn by the program, the others come from the icon set.
constexpr int kBlankImage = 0;
constexpr int kPreviewImage = 1;
constexpr int kAboutIcon = 2;
constexpr int kCopyIntIcon = 3;
constexpr int kCopyHexIcon = 4;
constexpr int kCopyRgbIcon = 5;
constexpr int kEditIcon = 6;
constexpr int kExitIcon = 7;
constexpr int kFindIcon = 8;
constexpr int kHelpIcon = 9;
constexpr int kShowAllIcon = 10;
constexpr int kColourWheelIcon = 11;
constexpr int kNewEntryPreviewImage = 12;
constexpr int kColourDeleteIcon = 13;

// Menus
constexpr int kFunctionMenu = 1;
constexpr int kMenuBar = 2;

// Fonts
constexpr int kAboutHeadingFont = 1;

// Commands (1 and 2 are not used)
constexpr int kCmdAbout = 3;
constexpr int kCmdHelp = 4;
constexpr int kCmdFunctionMenu = 5;
constexpr int kCmdSearch = 6;
constexpr int kCmdNewEntry = 7;
constexpr int kCmdShowAll = 8;
constexpr int kCmdMenuAbout = 9;
constexpr int kCmdMenuHelp = 10;
constexpr int kCmdCopy1Dec = 11;
constexpr int kCmdCopy1Rgb = 12;
constexpr int kCmdCopy1Hex = 13;
constexpr int kCmdCopy2Dec = 14;
constexpr int kCmdCopy2Rgb = 15;
constexpr int kCmdCopy2Hex = 16;
constexpr int kCmdCopy3Dec = 17;
constexpr int kCmdCopy3Rgb = 18;
constexpr int kCmdCopy3Hex = 19;
constexpr int kCmdCopyAllDec = 20;
constexpr int kCmdCopyAllRgb = 21;
constexpr int kCmdCopyAllHex = 22;
constexpr int kCmdMenuShowAll = 23;
constexpr int kCmdMenuSearch = 24;
constexpr int kCmdMenuNewEntry = 25;
constexpr int kCmdDeleteEntry = 26;
constexpr int kCmdQuit = 27;

} // namespace ids
