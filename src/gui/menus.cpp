#include "gui/menus.h"

#include "gui/event_queue.h"
#include "gui/images.h"
#include "gui/registry.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <map>
#include <vector>

namespace gui {
namespace {

// Qt cycles between items that share a mnemonic without choosing one; here the first from the top wins
// and is carried out at once.
class MnemonicMenu : public QMenu {
public:
    using QMenu::QMenu;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString typed = event->text();
        const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plain && typed.size() == 1 && typed[0].isPrint() && !typed[0].isSpace()) {
            if (QAction* action = firstWithMnemonic(typed[0])) {
                // Return on the active item is Qt's own way to choose it and close the menus above it.
                setActiveAction(action);
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QMenu::keyPressEvent(&enter);
                return;
            }
        }
        QMenu::keyPressEvent(event);
    }

private:
    QAction* firstWithMnemonic(QChar typed) const {
        for (QAction* action : actions()) {
            if (action->isSeparator())
                continue;
            const QString label = action->text().section(u'\t', 0, 0);
            for (qsizetype i = 0; i + 1 < label.size(); ++i) {
                if (label[i] != u'&')
                    continue;
                if (label[i + 1] == u'&') { // "&&" is a plain ampersand
                    ++i;
                    continue;
                }
                if (label[i + 1].toCaseFolded() == typed.toCaseFolded())
                    return action;
                break;
            }
        }
        return nullptr;
    }
};

struct MenuState {
    QPointer<QWidget> root;            // the QMenuBar or the pop-up QMenu
    std::vector<QPointer<QMenu>> open; // sub-menus being filled
};

std::map<int, MenuState> menus;

// Where items go now: the innermost open sub-menu, else the root.
QWidget* target(int menuId) {
    const auto it = menus.find(menuId);
    if (it == menus.end())
        return nullptr;
    if (!it->second.open.empty())
        return it->second.open.back();
    return it->second.root;
}

} // namespace

bool createMenuBar(int window, int menuId) {
    QWidget* host = detail::windowWidget(window);
    if (!host || !host->layout())
        return false;
    auto* bar = new QMenuBar(host);
    bar->setObjectName(QStringLiteral("menu_%1").arg(menuId));
    host->layout()->setMenuBar(bar);
    menus[menuId] = {bar, {}};
    return true;
}

bool createPopupMenu(int menuId) {
    auto* menu = new MnemonicMenu();
    menu->setObjectName(QStringLiteral("menu_%1").arg(menuId));
    if (const auto it = menus.find(menuId); it != menus.end() && it->second.root)
        delete it->second.root;
    menus[menuId] = {menu, {}};
    return true;
}

void beginSubMenu(int menuId, const QString& title) {
    QWidget* parent = target(menuId);
    if (!parent)
        return;
    auto* sub = new MnemonicMenu(title, parent);
    if (auto* bar = qobject_cast<QMenuBar*>(parent))
        bar->addMenu(sub);
    else if (auto* menu = qobject_cast<QMenu*>(parent))
        menu->addMenu(sub);
    menus[menuId].open.emplace_back(sub);
}

void endSubMenu(int menuId) {
    if (const auto it = menus.find(menuId); it != menus.end() && !it->second.open.empty())
        it->second.open.pop_back();
}

void addMenuItem(int menuId, int command, const QString& label, int imageId) {
    QWidget* parent = target(menuId);
    if (!parent)
        return;
    auto* action = new QAction(label, parent);
    action->setObjectName(QStringLiteral("command_%1").arg(command));
    const QImage& icon = image(imageId);
    if (!icon.isNull())
        action->setIcon(QIcon(QPixmap::fromImage(icon.scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation))));
    QObject::connect(action, &QAction::triggered, [command] { postEvent(commandEvent(command)); });
    parent->addAction(action);
}

void addMenuSeparator(int menuId) {
    if (auto* menu = qobject_cast<QMenu*>(target(menuId)))
        menu->addSeparator();
}

void showPopupMenu(int menuId, QPoint topLeft) {
    const auto it = menus.find(menuId);
    if (it == menus.end())
        return;
    if (auto* menu = qobject_cast<QMenu*>(it->second.root.data()))
        menu->exec(topLeft);
}

QPoint mousePosition() {
    return QCursor::pos();
}

void freeAllMenus() {
    for (auto& [id, state] : menus)
        if (qobject_cast<QMenu*>(state.root.data()))
            delete state.root;
    menus.clear();
}

void addShortcut(int window, int key, int command) {
    QWidget* host = detail::windowWidget(window);
    if (!host)
        return;
    auto* shortcut = new QShortcut(QKeySequence(key), host);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, [command] { postEvent(commandEvent(command)); });
}

} // namespace gui
