#pragma once

#include <QString>
#include <cstdint>

// Modal dialogs: each blocks until answered, and while it is open no other window of the program takes input.
namespace gui {

// A text-input dialog centred on the screen with a prompt, a one-line field and one default "OK" button,
// without a close box. OK or Enter give the typed text unchanged; Escape gives the empty text.
QString askForText(const QString& title, const QString& prompt);

// A message box with a title, a text and an OK button, without an icon.
void showMessage(const QString& title, const QString& text);

// The colour chooser, starting at the given colour integer; the chosen colour integer, or -1 when cancelled.
std::int32_t chooseColour(std::int32_t initial);

} // namespace gui
