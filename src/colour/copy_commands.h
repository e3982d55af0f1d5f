#pragma once

#include <QString>

// Copying colours of the selected entry to the clipboard in one notation ("DEC", "HEX" or "RGB").
namespace colour {

void copyOneColour(const QString& colourText, const QString& notation);
void copyAllColours(const QString& colour1, const QString& colour2, const QString& colour3, const QString& notation);

} // namespace colour
