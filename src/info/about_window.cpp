#include "app/ids.h"
#include "gui/controls.h"
#include "gui/event_queue.h"
#include "gui/fonts.h"
#include "gui/windows.h"
#include "info/about_text.h"
#include "info/info_windows.h"

namespace info {

void showAbout() {
    const int w = ids::kAboutWindow;
    gui::Placement placement{gui::Placement::CentredOverActive, {465, 200}, false};
    if (!gui::openWindow(w, kAboutTitle, {502, 502}, gui::WindowStyle::TitleBarOnly, placement))
        return;
    gui::createPushButton(w, ids::kAboutOkButton, {207, 468, 88, 24}, QStringLiteral("&OK"), true);
    gui::createTextLabel(w, ids::kAboutHeading, {34, 8, 434, 40}, kAboutHeading, Qt::AlignHCenter);
    gui::createListBox(w, ids::kAboutLines, {8, 56, 484, 380}, aboutLines());
    gui::loadFont(ids::kAboutHeadingFont, QStringLiteral("Sans Serif"), 14);
    gui::setControlFont(ids::kAboutHeading, ids::kAboutHeadingFont);
    gui::setFocus(ids::kAboutOkButton);

    // A blocking wait: an open about window costs no processor time.
    gui::waitForControlEvent({ids::kAboutOkButton});

    gui::closeWindow(w);
    gui::activateWindow(ids::kMainWindow);
    gui::setFocus(ids::kEntryList);
}

} // namespace info
