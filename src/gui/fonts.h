#pragma once

#include <QFont>
#include <QString>

// Fonts named by number.
namespace gui {

// Loads (or reloads) a font by face name and point size; a face that does not exist is substituted.
void loadFont(int id, const QString& face, int pointSize);
// The font with that number, or the default interface font.
QFont font(int id);
void freeAllFonts();

} // namespace gui
