#include "gui/registry.h"

#include <QPalette>
#include <QPointer>
#include <map>

namespace gui::detail {
namespace {

// QPointer forgets a widget by itself when Qt destroys it with its window.
std::map<int, QPointer<QWidget>> windows;
std::map<int, QPointer<QWidget>> controls;

QWidget* lookUp(const std::map<int, QPointer<QWidget>>& table, int id) {
    const auto it = table.find(id);
    return it == table.end() ? nullptr : it->second.data();
}

} // namespace

void registerWindow(int id, QWidget* window) {
    windows[id] = window;
}
void placeControl(int id, QRect where, QWidget* control) {
    control->setObjectName(QStringLiteral("control_%1").arg(id));
    control->setProperty(kControlIdProperty, id);
    control->setGeometry(where);
    control->show();
    controls[id] = control;
}
void forgetWindow(int id) {
    windows.erase(id);
}
QWidget* windowWidget(int id) {
    return lookUp(windows, id);
}
QWidget* controlWidget(int id) {
    return lookUp(controls, id);
}

void keepSelectionVisibleWithoutFocus(QWidget* control) {
    QPalette palette = control->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    control->setPalette(palette);
}

QWidget* clientArea(int windowId) {
    QWidget* window = windowWidget(windowId);
    return window ? window->findChild<QWidget*>(QStringLiteral("client"), Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace gui::detail
