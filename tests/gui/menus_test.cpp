#include "app/ids.h"
#include "app/main_window.h"
#include "gui/event_queue.h"
#include "gui/images.h"
#include "gui/menus.h"
#include "gui/windows.h"
#include "support/program.h"

#include "support/event_printing.h"
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

// What the last action queued, oldest first; the queue is empty afterwards.
std::vector<gui::Event> queued() {
    std::vector<gui::Event> events;
    while (const std::optional<gui::Event> event = gui::pollEvent())
        events.push_back(*event);
    return events;
}

QWidget* topLevelNamed(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

int commandOf(const QAction* action) {
    const QString name = action->objectName();
    return name.startsWith(QStringLiteral("command_")) ? name.mid(8).toInt() : -1;
}

// One entry of a menu as the user sees it: an item with its command, a sub-menu or a separator.
struct MenuEntry {
    enum Kind { Item, SubMenu, Separator } kind;
    QString text;
    int command = -1;
};

MenuEntry item(const QString& text, int command) {
    return {MenuEntry::Item, text, command};
}
MenuEntry subMenu(const QString& text) {
    return {MenuEntry::SubMenu, text};
}
MenuEntry separator() {
    return {MenuEntry::Separator, QString()};
}

void expectEntries(const QWidget* menu, const std::vector<MenuEntry>& expected) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), qsizetype(expected.size())) << menu->objectName().toStdString();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QAction* action = actions[qsizetype(i)];
        const MenuEntry& entry = expected[i];
        SCOPED_TRACE("entry " + std::to_string(i) + " " + entry.text.toStdString());
        EXPECT_EQ(action->isSeparator(), entry.kind == MenuEntry::Separator);
        EXPECT_EQ(action->menu() != nullptr, entry.kind == MenuEntry::SubMenu);
        if (entry.kind == MenuEntry::Separator)
            continue;
        EXPECT_EQ(action->text(), entry.text);
        EXPECT_TRUE(action->isEnabled());
        if (entry.kind == MenuEntry::Item) {
            EXPECT_EQ(commandOf(action), entry.command);
            EXPECT_FALSE(action->icon().isNull()) << "no icon";
        }
    }
}

class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        mainWindow_ = topLevelNamed(QStringLiteral("window_0"));
        ASSERT_NE(mainWindow_, nullptr);
        menuBar_ = mainWindow_->findChild<QMenuBar*>(QStringLiteral("menu_2"));
        ASSERT_NE(menuBar_, nullptr);
        functionMenu_ = qobject_cast<QMenu*>(topLevelNamed(QStringLiteral("menu_1")));
        ASSERT_NE(functionMenu_, nullptr);
        gui::discardQueuedEvents();
    }

    // The menu behind a menu-bar title or a pop-up's sub-menu entry.
    static QMenu* subMenuTitled(const QWidget* parent, const QString& title) {
        for (QAction* action : parent->actions())
            if (action->menu() && action->text() == title)
                return action->menu();
        ADD_FAILURE() << "no sub-menu " << title.toStdString();
        return nullptr;
    }

    void activateMainWindow() {
        gui::activateWindow(ids::kMainWindow);
        gui::processPendingToolkitEvents();
        // The offscreen platform has no window manager to hand out the activation.
        if (!gui::isActiveWindow(ids::kMainWindow))
            QApplication::setActiveWindow(mainWindow_);
        ASSERT_TRUE(gui::isActiveWindow(ids::kMainWindow));
        gui::discardQueuedEvents();
    }

    testing_support::Program program_;
    QWidget* mainWindow_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* functionMenu_ = nullptr;
};

TEST_F(Menus, MenuBarHasItsTitlesItemsAndCommands) {
    expectEntries(menuBar_, {subMenu(QStringLiteral("&Datei")), subMenu(QStringLiteral("Be&arbeiten")),
                             subMenu(QStringLiteral("&?"))});
    const struct {
        QString title;
        std::vector<MenuEntry> entries;
    } menus[] = {
        {QStringLiteral("&Datei"), {item(QStringLiteral("Be&enden\tAlt+F4"), ids::kCmdQuit)}},
        {QStringLiteral("Be&arbeiten"),
         {item(QStringLiteral("S&uchen\tF3"), ids::kCmdSearch),
          item(QStringLiteral("Alle an&zeigen\tF6"), ids::kCmdShowAll),
          item(QStringLiteral("Neue &Farbe hinzufügen\tF7"), ids::kCmdNewEntry),
          item(QStringLiteral("F&unktionen\tF5"), ids::kCmdFunctionMenu)}},
        {QStringLiteral("&?"),
         {item(QStringLiteral("H&ilfe\tF1"), ids::kCmdHelp), item(QStringLiteral("Ü&ber\tF2"), ids::kCmdAbout)}},
    };
    for (const auto& menu : menus) {
        SCOPED_TRACE(menu.title.toStdString());
        if (const QMenu* shown = subMenuTitled(menuBar_, menu.title))
            expectEntries(shown, menu.entries);
    }
}

TEST_F(Menus, FunctionMenuHasItsEntriesInOrder) {
    expectEntries(functionMenu_,
                  {subMenu(QStringLiteral("Farbe 1 kopieren ...")), subMenu(QStringLiteral("Farbe 2 kopieren ...")),
                   subMenu(QStringLiteral("Farbe 3 kopieren ...")), separator(),
                   subMenu(QStringLiteral("Alle Farben kopieren ...")), separator(),
                   item(QStringLiteral("Alles anzeigen"), ids::kCmdMenuShowAll),
                   item(QStringLiteral("Suche..."), ids::kCmdMenuSearch),
                   item(QStringLiteral("Neue Farbe hinzufügen"), ids::kCmdMenuNewEntry), separator(),
                   item(QStringLiteral("Diese Farbe löschen"), ids::kCmdDeleteEntry), separator(),
                   item(QStringLiteral("Hilfe"), ids::kCmdMenuHelp), item(QStringLiteral("Über"), ids::kCmdMenuAbout)});

    // Every copy sub-menu offers Integer, HEX and RGB, in that order.
    const struct {
        QString title;
        int dec, hex, rgb;
    } copies[] = {
        {QStringLiteral("Farbe 1 kopieren ..."), ids::kCmdCopy1Dec, ids::kCmdCopy1Hex, ids::kCmdCopy1Rgb},
        {QStringLiteral("Farbe 2 kopieren ..."), ids::kCmdCopy2Dec, ids::kCmdCopy2Hex, ids::kCmdCopy2Rgb},
        {QStringLiteral("Farbe 3 kopieren ..."), ids::kCmdCopy3Dec, ids::kCmdCopy3Hex, ids::kCmdCopy3Rgb},
        {QStringLiteral("Alle Farben kopieren ..."), ids::kCmdCopyAllDec, ids::kCmdCopyAllHex, ids::kCmdCopyAllRgb},
    };
    const std::vector<int> expectedIds{11, 13, 12, 14, 16, 15, 17, 19, 18, 20, 22, 21};
    std::vector<int> seenIds;
    for (const auto& copy : copies) {
        SCOPED_TRACE(copy.title.toStdString());
        const QMenu* shown = subMenuTitled(functionMenu_, copy.title);
        if (!shown)
            continue;
        expectEntries(shown,
                      {item(QStringLiteral("... als Integer"), copy.dec), item(QStringLiteral("... als HEX"), copy.hex),
                       item(QStringLiteral("... als RGB"), copy.rgb)});
        for (const QAction* action : shown->actions())
            seenIds.push_back(commandOf(action));
    }
    EXPECT_EQ(seenIds, expectedIds);
}

TEST_F(Menus, EveryItemQueuesItsCommandWhenChosen) {
    QList<QAction*> actions = menuBar_->findChildren<QAction*>();
    actions += functionMenu_->findChildren<QAction*>();
    int items = 0;
    for (QAction* action : actions) {
        const int command = commandOf(action);
        if (command < 0)
            continue;
        ++items;
        gui::discardQueuedEvents();
        action->trigger();
        EXPECT_EQ(queued(), std::vector<gui::Event>{gui::commandEvent(command)}) << action->text().toStdString();
    }
    // Seven in the menu bar; twelve copy items and six others in the function menu.
    EXPECT_EQ(items, 7 + 12 + 6);
}

// Typing a marked letter in an open menu chooses the first item from the top that marks it.
struct MnemonicCase {
    const char* menu;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int command;
};

class MenuMnemonics : public Menus, public ::testing::WithParamInterface<MnemonicCase> {};

TEST_P(MenuMnemonics, FirstMarkedItemIsChosen) {
    QMenu* menu = subMenuTitled(menuBar_, QString::fromUtf8(GetParam().menu));
    ASSERT_NE(menu, nullptr);
    activateMainWindow();
    menu->popup(mainWindow_->mapToGlobal(QPoint(20, 20)));
    gui::processPendingToolkitEvents();
    gui::discardQueuedEvents();
    QTest::keyClick(menu, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(queued(), std::vector<gui::Event>{gui::commandEvent(GetParam().command)});
    EXPECT_FALSE(menu->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Letters, MenuMnemonics,
                         ::testing::Values(
                             // "S&uchen" comes before "F&unktionen", which marks the same letter.
                             MnemonicCase{"Be&arbeiten", Qt::Key_U, Qt::NoModifier, ids::kCmdSearch},
                             MnemonicCase{"Be&arbeiten", Qt::Key_U, Qt::ShiftModifier, ids::kCmdSearch},
                             MnemonicCase{"Be&arbeiten", Qt::Key_Z, Qt::NoModifier, ids::kCmdShowAll},
                             MnemonicCase{"Be&arbeiten", Qt::Key_F, Qt::NoModifier, ids::kCmdNewEntry},
                             MnemonicCase{"&Datei", Qt::Key_E, Qt::NoModifier, ids::kCmdQuit},
                             MnemonicCase{"&?", Qt::Key_I, Qt::NoModifier, ids::kCmdHelp},
                             MnemonicCase{"&?", Qt::Key_B, Qt::NoModifier, ids::kCmdAbout}));

TEST_F(Menus, UnmarkedLetterChoosesNothing) {
    QMenu* menu = subMenuTitled(menuBar_, QStringLiteral("Be&arbeiten"));
    ASSERT_NE(menu, nullptr);
    activateMainWindow();
    menu->popup(mainWindow_->mapToGlobal(QPoint(20, 20)));
    gui::processPendingToolkitEvents();
    gui::discardQueuedEvents();
    QTest::keyClick(menu, Qt::Key_Q);
    EXPECT_EQ(queued(), std::vector<gui::Event>{});
    menu->hide();
}

// The main window's keys match only the bare key.
struct ShortcutCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::vector<gui::Event> events;
};

class Shortcuts : public Menus, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(Shortcuts, QueueTheirCommandOnly) {
    activateMainWindow();
    QTest::keyClick(mainWindow_, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(queued(), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Shortcuts,
    ::testing::Values(ShortcutCase{"F1", Qt::Key_F1, Qt::NoModifier, {gui::commandEvent(ids::kCmdHelp)}},
                      ShortcutCase{"F2", Qt::Key_F2, Qt::NoModifier, {gui::commandEvent(ids::kCmdAbout)}},
                      ShortcutCase{"F3", Qt::Key_F3, Qt::NoModifier, {gui::commandEvent(ids::kCmdSearch)}},
                      ShortcutCase{"F5", Qt::Key_F5, Qt::NoModifier, {gui::commandEvent(ids::kCmdFunctionMenu)}},
                      ShortcutCase{"F6", Qt::Key_F6, Qt::NoModifier, {gui::commandEvent(ids::kCmdShowAll)}},
                      ShortcutCase{"F7", Qt::Key_F7, Qt::NoModifier, {gui::commandEvent(ids::kCmdMenuNewEntry)}},
                      ShortcutCase{"F4", Qt::Key_F4, Qt::NoModifier, {}},
                      ShortcutCase{"ShiftF1", Qt::Key_F1, Qt::ShiftModifier, {}},
                      ShortcutCase{"CtrlF3", Qt::Key_F3, Qt::ControlModifier, {}},
                      ShortcutCase{"AltF5", Qt::Key_F5, Qt::AltModifier, {}}),
    [](const ::testing::TestParamInfo<ShortcutCase>& info) { return std::string(info.param.name); });

TEST_F(Menus, ShortcutsBelongToTheMainWindowOnly) {
    // Another window of the program being active, the main window's keys do nothing there.
    ASSERT_TRUE(gui::openWindow(98, QStringLiteral("other"), {200, 100}, gui::WindowStyle::Sizable, {}));
    QWidget* other = topLevelNamed(QStringLiteral("window_98"));
    ASSERT_NE(other, nullptr);
    QApplication::setActiveWindow(other);
    gui::processPendingToolkitEvents();
    gui::discardQueuedEvents();
    QTest::keyClick(other, Qt::Key_F1);
    EXPECT_EQ(queued(), std::vector<gui::Event>{});
    gui::closeWindow(98);
}

TEST(IconSet, MissingFilesLeaveEmptyImagesAndItemsWithoutIcons) {
    const int iconIds[] = {ids::kAboutIcon,   ids::kCopyIntIcon,     ids::kCopyHexIcon,     ids::kCopyRgbIcon,
                           ids::kEditIcon,    ids::kExitIcon,        ids::kFindIcon,        ids::kHelpIcon,
                           ids::kShowAllIcon, ids::kColourWheelIcon, ids::kColourDeleteIcon};
    testing_support::WorkingFolder folder;
    folder.copyAssets();
    app::loadIconSet(folder.filePath(QStringLiteral("gfx/")));
    for (int id : iconIds)
        EXPECT_FALSE(gui::image(id).isNull()) << "icon " << id;

    QTemporaryDir empty;
    app::loadIconSet(empty.path() + QStringLiteral("/"));
    for (int id : iconIds)
        EXPECT_TRUE(gui::image(id).isNull()) << "icon " << id;

    // An item made with an empty image shows no icon, and is still an item that works.
    constexpr int kMenu = 77;
    ASSERT_TRUE(gui::createPopupMenu(kMenu));
    gui::addMenuItem(kMenu, ids::kCmdMenuSearch, QStringLiteral("Suche..."), ids::kFindIcon);
    const auto* menu = qobject_cast<QMenu*>(topLevelNamed(QStringLiteral("menu_77")));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_TRUE(menu->actions().first()->icon().isNull());
    gui::discardQueuedEvents();
    menu->actions().first()->trigger();
    EXPECT_EQ(queued(), std::vector<gui::Event>{gui::commandEvent(ids::kCmdMenuSearch)});
    gui::freeAllMenus();
    gui::freeAllImages();
}

} // namespace
