#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

// Top-level windows, named by number. A window's close box and size changes only raise events; the program
// decides what they mean.
namespace gui {

enum class WindowStyle {
    Sizable,     // title bar, system menu, close, minimise and maximise boxes, sizing border
    TitleBarOnly // no close box, no system menu, fixed size
};

struct Placement {
    enum Kind { CentredOnScreen, CentredOverActive } kind = CentredOnScreen;
    QPoint whenNoneActive; // where a window centred over the active one goes when none is active
    bool centreOnScreenWhenNoneActive = false;
};

// Creates and shows a window with the given inner size. False when it cannot be made.
bool openWindow(int id, const QString& title, QSize innerSize, WindowStyle style, Placement placement);

// Destroys the window and all its controls; raises no event.
void closeWindow(int id);
void closeAllWindows();
bool windowExists(int id);

// The inner size, a menu bar included.
QSize windowInnerSize(int id);
void setWindowInnerSize(int id, QSize size);
QPoint windowPosition(int id);

void activateWindow(int id);
bool isActiveWindow(int id);

} // namespace gui
