#pragma once

namespace app {

// Pulls a main window that is too small back to 623 × 335 and lays out the entry list, the detail text and
// the colour preview in proportion to the window's size.
void handleResize();

} // namespace app
