#include "gui/windows.h"

#include "gui/event_queue.h"
#include "gui/registry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace gui {
namespace {

// A top-level window of the program. It never closes itself: its close box and Alt+F4 become close events,
// and only closeWindow() takes it down.
class ProgramWindow : public QWidget {
public:
    explicit ProgramWindow(int id) : QWidget(nullptr, Qt::Window), id_(id) {
        setAttribute(Qt::WA_DeleteOnClose, false);
        setObjectName(QStringLiteral("window_%1").arg(id));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto* client = new QWidget(this);
        client->setObjectName(QStringLiteral("client"));
        layout->addWidget(client, 1);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        postEvent(gui::closeEvent(id_));
    }

    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (!(windowState() & Qt::WindowMinimized))
            postEvent(sizeEvent(id_));
    }

private:
    int id_;
};

std::map<int, ProgramWindow*> openWindows;

Qt::WindowFlags flagsFor(WindowStyle style) {
    if (style == WindowStyle::Sizable)
        return Qt::Window;
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

// Centres the outer rectangle on the active window's outer rectangle, halves toward zero, never negative.
QPoint centredOver(const QRect& active, QSize outer) {
    const int left = active.left() + (active.width() - outer.width()) / 2;
    const int top = active.top() + (active.height() - outer.height()) / 2;
    return {std::max(left, 0), std::max(top, 0)};
}

void place(QWidget* window, QSize inner, const Placement& placement) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QWidget* active = QApplication::activeWindow();
    if (placement.kind == Placement::CentredOverActive && active) {
        window->move(centredOver(active->frameGeometry(), inner));
        return;
    }
    if (placement.kind == Placement::CentredOverActive && !placement.centreOnScreenWhenNoneActive) {
        window->move(placement.whenNoneActive);
        return;
    }
    // A window larger than the screen is cut down to it.
    const QSize size = inner.boundedTo(available.size());
    window->resize(size);
    window->move(centredOver(available, size));
}

} // namespace

bool openWindow(int id, const QString& title, QSize innerSize, WindowStyle style, Placement placement) {
    closeWindow(id);
    auto* window = new ProgramWindow(id);
    window->setWindowFlags(flagsFor(style));
    window->setWindowTitle(title);
    if (style == WindowStyle::TitleBarOnly)
        window->setFixedSize(innerSize);
    else
        window->resize(innerSize);
    place(window, innerSize, placement);
    openWindows[id] = window;
    detail::registerWindow(id, window);
    window->show();
    return true;
}

void closeWindow(int id) {
    const auto it = openWindows.find(id);
    if (it == openWindows.end())
        return;
    ProgramWindow* window = it->second;
    openWindows.erase(it);
    detail::forgetWindow(id);
    window->hide();
    delete window;
}

void closeAllWindows() {
    while (!openWindows.empty())
        closeWindow(openWindows.begin()->first);
}

bool windowExists(int id) {
    return openWindows.count(id) != 0;
}

QSize windowInnerSize(int id) {
    QWidget* window = detail::windowWidget(id);
    return window ? window->size() : QSize();
}

void setWindowInnerSize(int id, QSize size) {
    if (QWidget* window = detail::windowWidget(id))
        window->resize(size);
}

QPoint windowPosition(int id) {
    QWidget* window = detail::windowWidget(id);
    return window ? window->pos() : QPoint();
}

void activateWindow(int id) {
    if (QWidget* window = detail::windowWidget(id)) {
        window->raise();
        window->activateWindow();
    }
}

bool isActiveWindow(int id) {
    QWidget* window = detail::windowWidget(id);
    return window && window->isActiveWindow();
}

} // namespace gui
