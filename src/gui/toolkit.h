#pragma once

namespace gui {

// Sets up what every window shares: the application icon, German texts in Qt's own dialogs and a compact
// interface font. Call once after the QApplication exists.
void setUpToolkit();

} // namespace gui
