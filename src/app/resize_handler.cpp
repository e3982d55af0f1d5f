#include "app/resize_handler.h"

#include "app/ids.h"
#include "app/layout_formula.h"
#include "gui/controls.h"
#include "gui/windows.h"

namespace app {

void handleResize() {
    if (!gui::windowExists(ids::kMainWindow))
        return;
    const QSize size = gui::windowInnerSize(ids::kMainWindow);
    const QSize atLeast = sizeAtLeastMinimum(size);
    // Enlarging raises a new size event that lays the window out again; this pass still uses the old size.
    if (atLeast != size)
        gui::setWindowInnerSize(ids::kMainWindow, atLeast);

    const MainLayout layout = mainLayout(size.width(), size.height());
    gui::setControlGeometry(ids::kEntryList, layout.entryList);
    gui::setControlGeometry(ids::kDetailText, layout.detailText);
    gui::setControlGeometry(ids::kColourPreview, layout.colourPreview);
}

} // namespace app
