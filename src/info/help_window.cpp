#include "app/ids.h"
#include "gui/controls.h"
#include "gui/event_queue.h"
#include "gui/html_view.h"
#include "gui/windows.h"
#include "info/help_layout.h"
#include "info/help_url.h"
#include "info/info_windows.h"

namespace info {

void showHelp() {
    const int w = ids::kHelpWindow;
    // Built anew at each opening, so a changed working directory counts.
    const QString url = helpUrlForWorkingDirectory();
    gui::Placement placement{gui::Placement::CentredOverActive, {0, 0}, false};
    if (!gui::openWindow(w, QStringLiteral("Tessora Hilfe"), {850, 680}, gui::WindowStyle::TitleBarOnly, placement))
        return;
    const QSize client = gui::windowInnerSize(w);
    gui::createHtmlView(w, ids::kHelpView, helpViewRect(client), url);
    gui::createImageButton(w, ids::kHelpCloseButton, helpCloseButtonRect(client), ids::kExitIcon);
    gui::setFocus(ids::kHelpView);

    gui::waitForControlEvent({ids::kHelpCloseButton});

    gui::closeWindow(w);
    gui::activateWindow(ids::kMainWindow);
    gui::setFocus(ids::kEntryList);
}

} // namespace info
