#pragma once

#include <QWidget>

// Inside the toolkit layer: which Qt widget stands behind a window or control number.
namespace gui::detail {

void registerWindow(int id, QWidget* window);
void registerControl(int id, QWidget* control);
void forgetWindow(int id);

// nullptr when the id names nothing that exists (any more).
QWidget* windowWidget(int id);
QWidget* controlWidget(int id);

// The area of a window that its controls are placed in: below the menu bar, if it has one.
QWidget* clientArea(int windowId);

template <typename T> T* controlAs(int id) { return dynamic_cast<T*>(controlWidget(id)); }

} // namespace gui::detail
