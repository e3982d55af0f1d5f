#include "colour/copy_commands.h"

#include "colour/notation.h"
#include "gui/clipboard.h"

namespace colour {

void copyOneColour(const QString& colourText, const QString& notation) {
    gui::setClipboardText(notationText(colourText, notation));
}

void copyAllColours(const QString& colour1, const QString& colour2, const QString& colour3, const QString& notation) {
    gui::setClipboardText(allColoursText(colour1, colour2, colour3, notation));
}

} // namespace colour
