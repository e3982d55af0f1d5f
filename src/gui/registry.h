#pragma once

#include <QRect>
#include <QWidget>

// Inside the toolkit layer: which Qt widget stands behind a window or control number.
namespace gui::detail {

void registerWindow(int id, QWidget* window);

// The property that carries a control's number, so the focus can be traced back to its control.
inline const char* const kControlIdProperty = "tessora_control";

// Names, places, shows and registers a control created in a window's client area.
void placeControl(int id, QRect where, QWidget* control);
void forgetWindow(int id);

// The selected text or row keeps its active highlight when the control loses the focus.
void keepSelectionVisibleWithoutFocus(QWidget* control);

// nullptr when the id names nothing that exists (any more).
QWidget* windowWidget(int id);
QWidget* controlWidget(int id);

// The area of a window that its controls are placed in: below the menu bar, if it has one.
QWidget* clientArea(int windowId);

template <typename T> T* controlAs(int id) {
    return dynamic_cast<T*>(controlWidget(id));
}

} // namespace gui::detail
