#include "app/dispatch.h"
#include "app/ids.h"
#include "app/layout_formula.h"
#include "colour/detail_text.h"
#include "colour/notation.h"
#include "gui/clipboard.h"
#include "gui/controls.h"
#include "gui/event_queue.h"
#include "gui/list_view.h"
#include "gui/windows.h"
#include "store/entry_list.h"
#include "store/new_entry_window.h"
#include "support/program.h"
#include "support/ui_script.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <sqlite3.h>

// Failure messages show texts instead of bytes.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A long random session through the real dispatch, checked against a model of what the collection file must
// hold: every event is one the user can cause, the file may change only by the inserts and deletes the
// session asks for, and after every event the main window is in a consistent state.
namespace {

using namespace testing_support;

const QString kNullMark = QStringLiteral("<NULL>"); // how WorkingFolder::storedRows() shows NULL

// Twins, a NULL, quotes and LIKE characters from the start; no line feeds (they shift the list's columns,
// which the hostile data test covers).
const std::vector<Entry> kStart{
    entry("Natur", "Wald", "Moos", "0,128,0", "10,20,30", "1,2,3"),
    entry("Natur", "Meer", "Alge", "0,100,50", "4,5,6", "7,8,9"),
    entry("Stadt", "Wald", "Bank", "120,120,120", "1,1,1", "2,2,2"),
    entry("Stadt", "Meer", "Hafen", "0,0,200", "3,3,3", "4,4,4"),
    entry("Stadt", "Meer", "Hafen", "0,0,200", "3,3,3", "4,4,4"),
    entry("O'Brien", "100%", "a_b", "255,255,255", "0,0,0", "128,128,128"),
    entry("", "Wald", "Leer", "1,1,1", "2,2,2", "3,3,3"),
    Entry{std::nullopt, QStringLiteral("Meer"), QStringLiteral("Ohne"), QStringLiteral("9,9,9"), std::nullopt,
          QStringLiteral("8,8,8")},
    entry("Ärger", "日本語", "🎨🖌️", "-1,300,5", "$FF,%101,7", "x"),
};

// Texts the random inserts are made of: ordinary ones that meet the filters, and hostile ones.
const QStringList kTexts{
    "Natur",
    "Stadt",
    "Wald",
    "Meer",
    "Moos",
    "Hafen",
    "0,0,0",
    "255,128,0",
    "-1,300,5",
    "'",
    "''",
    "--",
    ";",
    "%",
    "_",
    "'); DROP TABLE colours; --",
    "x' OR '1'='1",
    "a\tb",
    "Ελληνικά",
    "日本語",
    "Ärger",
    "🎨🖌️",
    "  gepolstert  ",
    " ",
    "",
    "O'Brien",
};

const QStringList kSearchTerms{
    "",     "%",    "_",     "'",    "''",  "' OR '1'='1", "'); DROP TABLE colours; --",
    "--",   ";",    "Natur", "moos", "0,0", "Ärger",       "🎨",
    "日本", "a\tb", " ",     "%'%",  "_%_", "nicht da",    "Hafen",
    "\\",   "[a]",
};

// Events that mean nothing to the main window. Never command 5 or a right click on the list: both open the
// function menu, which blocks in its own loop until something closes it.
const gui::Event kUnknownEvents[] = {
    gui::commandEvent(0),
    gui::commandEvent(1),
    gui::commandEvent(2),
    gui::commandEvent(28),
    gui::commandEvent(99),
    gui::commandEvent(-1),
    gui::commandEvent(65535),
    gui::controlEvent(ids::kDetailText, gui::EventType::Click),
    gui::controlEvent(ids::kAboutOkButton, gui::EventType::Click),
    gui::controlEvent(ids::kHelpCloseButton, gui::EventType::Click),
    gui::controlEvent(ids::kColourPreview, gui::EventType::LeftClick),
    gui::controlEvent(ids::kNewEntryOk, gui::EventType::Click),
    gui::controlEvent(ids::kNewEntryCancel, gui::EventType::Click),
    gui::controlEvent(ids::kColour2Button, gui::EventType::Click),
    gui::controlEvent(ids::kCategoryFilter, gui::EventType::Change),
    gui::controlEvent(ids::kPaletteFilter, gui::EventType::Change),
    gui::controlEvent(ids::kEntryList, gui::EventType::LeftClick),
    gui::controlEvent(ids::kEntryList, gui::EventType::LeftDoubleClick),
    gui::controlEvent(ids::kEntryList, gui::EventType::None),
    gui::controlEvent(99, gui::EventType::RightClick),
    gui::controlEvent(-1, gui::EventType::Change),
    gui::closeEvent(ids::kAboutWindow),
    gui::closeEvent(ids::kNewEntryWindow),
    gui::closeEvent(99),
    gui::sizeEvent(ids::kHelpWindow),
    gui::Event{},
};

enum class Action {
    SelectRow,
    ClickRow,
    Key,
    Filter,
    ShowAll,
    Search,
    Copy,
    Insert,
    Delete,
    InfoWindow,
    Resize,
    Unknown,
    NewEntryWindow,
    FunctionMenu,
};

struct Weighted {
    Action action;
    const char* name;
    double weight;
};

const Weighted kActions[] = {
    {Action::SelectRow, "select row", 12},
    {Action::ClickRow, "click row", 10},
    {Action::Key, "key", 5},
    {Action::Filter, "filter", 8},
    {Action::ShowAll, "show all", 5},
    {Action::Search, "search", 9},
    {Action::Copy, "copy", 9},
    {Action::Insert, "insert", 11},
    {Action::Delete, "delete", 11},
    {Action::InfoWindow, "about/help", 1.5},
    {Action::Resize, "resize", 6},
    {Action::Unknown, "unknown event", 9},
    {Action::NewEntryWindow, "new-entry window", 2},
    {Action::FunctionMenu, "function menu", 3},
};

QString trimOuterSpaces(QString text) {
    while (text.startsWith(u' '))
        text.remove(0, 1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QStringList shown(const QStringList& stored) {
    QStringList cells = stored;
    for (QString& cell : cells)
        if (cell == kNullMark)
            cell.clear();
    return cells;
}

std::vector<QStringList> shown(const std::vector<QStringList>& stored) {
    std::vector<QStringList> rows;
    for (const QStringList& row : stored)
        rows.push_back(shown(row));
    return rows;
}

QStringList listRow(int row) {
    QStringList cells;
    for (int column = 0; column < 6; ++column)
        cells << gui::listCellText(ids::kEntryList, row, column);
    return cells;
}

std::vector<QStringList> listRows() {
    std::vector<QStringList> rows;
    for (int row = 0; row < gui::listRowCount(ids::kEntryList); ++row)
        rows.push_back(listRow(row));
    return rows;
}

std::vector<QStringList> sorted(std::vector<QStringList> rows) {
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The rows a search must find, asked through a connection of the test's own with the term bound as a
// parameter rather than written into the SQL.
std::vector<QStringList> searchOracle(const QString& term) {
    std::vector<QStringList> rows;
    sqlite3* db = nullptr;
    sqlite3_open_v2("colours.tsdb", &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT kategorie, palette, name, farbe1, farbe2, farbe3 FROM colours WHERE name LIKE ?1 OR "
                       "palette LIKE ?1 OR kategorie LIKE ?1 OR farbe1 LIKE ?1 OR farbe2 LIKE ?1 OR farbe3 LIKE ?1 "
                       "ORDER BY rowid",
                       -1, &query, nullptr);
    const QByteArray pattern = (u'%' + term + u'%').toUtf8();
    sqlite3_bind_text(query, 1, pattern.constData(), int(pattern.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(query) == SQLITE_ROW) {
        QStringList row;
        for (int i = 0; i < 6; ++i)
            row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(query, i)),
                                     sqlite3_column_bytes(query, i));
        rows.push_back(row);
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
    return rows;
}

QTableView* entryListView() {
    return qobject_cast<QTableView*>(controlWidget(ids::kEntryList));
}

class RandomSession : public ::testing::TestWithParam<unsigned> {
protected:
    void SetUp() override {
        guard_.setInterval(20);
        QObject::connect(&guard_, &QTimer::timeout, [this] { closeUnexpectedModal(); });
        guard_.start();
        program_.settle();
        model_ = program_.folder().storedRows();
        expectedList_ = shown(model_);
        random_.seed(GetParam());
    }

    // Runs 'count' random events, stopping at the first that breaks a check.
    void run(int count) {
        std::vector<double> weights;
        for (const Weighted& w : kActions)
            weights.push_back(w.weight);
        std::discrete_distribution<int> choose(weights.begin(), weights.end());
        for (int step = 0; step < count; ++step) {
            const Weighted& chosen = kActions[choose(random_)];
            SCOPED_TRACE(::testing::Message() << "seed " << GetParam() << ", event " << step << ": " << chosen.name);
            perform(chosen.action);
            checkInvariants();
            if (HasFailure())
                return;
        }
    }

    void finalChecks() {
        EXPECT_EQ(sorted(program_.folder().storedRows()), sorted(model_));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible()) {
                EXPECT_EQ(widget->objectName(), QStringLiteral("window_0")) << "a window is left open";
            }
        EXPECT_TRUE(unexpected_.isEmpty()) << unexpected_.join(u'|').toStdString();
    }

private:
    int pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random_); }
    const QString& anyOf(const QStringList& texts) { return texts[pick(int(texts.size()))]; }

    void closeUnexpectedModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modalExpected_)
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        unexpected_ << modal->windowTitle() + QStringLiteral(": ") + (box ? box->text() : modal->objectName());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }

    // Dispatches what the last action queued, like the main loop; a detail refresh is checked right after it
    // ran, before a later size event lays the preview out again.
    void settle() {
        for (int pass = 0; pass < 1000; ++pass) {
            const std::optional<gui::Event> event = gui::pollEvent();
            if (!event)
                return;
            app::dispatchEvent(*event);
            if (event->kind == gui::EventKind::Control && event->control == ids::kEntryList &&
                event->type == gui::EventType::Change)
                checkDetailShowsTheSelection();
        }
        ADD_FAILURE() << "the queue does not run dry";
    }

    void checkDetailShowsTheSelection() {
        const int row = gui::selectedListRow(ids::kEntryList);
        colour::EntryTexts texts;
        for (int column = 0; column < 6; ++column)
            texts[std::size_t(column)] = gui::listCellText(ids::kEntryList, row, column);
        EXPECT_EQ(gui::controlText(ids::kDetailText), colour::detailText(texts)) << "row " << row;
        EXPECT_EQ(gui::controlGeometry(ids::kColourPreview).size(), QSize(530, 150));
    }

    void dispatch(const gui::Event& event) {
        app::dispatchEvent(event);
        settle();
    }

    // The list was filled anew: it shows 'rows', the first one selected.
    void expectRefill(const std::vector<QStringList>& rows) {
        expectedList_ = rows;
        expectedSelection_ = rows.empty() ? -1 : 0;
    }

    void perform(Action action) {
        expectedSelection_ = gui::selectedListRow(ids::kEntryList);
        switch (action) {
        case Action::SelectRow: {
            const int row = pick(gui::listRowCount(ids::kEntryList) + 2) - 1; // -1 and one past the end included
            gui::selectListRow(ids::kEntryList, row);
            settle();
            if (row >= 0 && row < gui::listRowCount(ids::kEntryList))
                expectedSelection_ = row;
            break;
        }
        case Action::ClickRow:
            clickRow();
            break;
        case Action::Key: {
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
            QTest::keyClick(entryListView(), keys[pick(5)]);
            settle();
            expectedSelection_ = -2; // Qt's own key handling decides; the invariants still hold
            break;
        }
        case Action::Filter:
            filter();
            break;
        case Action::ShowAll: {
            const gui::Event events[] = {gui::controlEvent(ids::kShowAllButton, gui::EventType::Click),
                                         gui::commandEvent(ids::kCmdShowAll), gui::commandEvent(ids::kCmdMenuShowAll)};
            dispatch(events[pick(3)]);
            expectRefill(shown(model_));
            EXPECT_EQ(gui::selectedDropDownItem(ids::kCategoryFilter), 0);
            EXPECT_EQ(gui::selectedDropDownItem(ids::kPaletteFilter), 0);
            break;
        }
        case Action::Search:
            search();
            break;
        case Action::Copy:
            copy();
            break;
        case Action::Insert: {
            QStringList texts;
            for (int i = 0; i < 6; ++i)
                texts << anyOf(kTexts);
            ASSERT_TRUE(store::insertEntry(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]));
            for (QString& text : texts)
                text = trimOuterSpaces(text);
            model_.push_back(texts);
            settle();
            break;
        }
        case Action::Delete:
            deleteSelected();
            break;
        case Action::InfoWindow:
            infoWindow();
            break;
        case Action::Resize: {
            const QSize requested(300 + pick(901), 300 + pick(901));
            gui::setWindowInnerSize(ids::kMainWindow, requested);
            settle();
            EXPECT_EQ(gui::windowInnerSize(ids::kMainWindow), app::sizeAtLeastMinimum(requested));
            break;
        }
        case Action::Unknown:
            dispatch(kUnknownEvents[pick(int(std::size(kUnknownEvents)))]);
            break;
        case Action::NewEntryWindow:
            newEntryWindow();
            break;
        case Action::FunctionMenu:
            functionMenu();
            break;
        }
    }

    void clickRow() {
        QTableView* view = entryListView();
        ASSERT_NE(view, nullptr);
        const int count = gui::listRowCount(ids::kEntryList);
        if (count > 0 && pick(5) != 0) {
            const int row = pick(count);
            const QModelIndex index = view->model()->index(row, pick(6));
            view->scrollTo(index);
            const QPoint centre = view->visualRect(index).center();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            settle();
            expectedSelection_ = row;
            return;
        }
        // Into the empty part below the last row, where there is one.
        const QPoint below(10, view->viewport()->height() - 3);
        if (view->indexAt(below).isValid())
            return;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, below);
        settle();
        expectedSelection_ = -1;
    }

    void filter() {
        const int category = pick(gui::dropDownItemCount(ids::kCategoryFilter));
        const int palette = pick(gui::dropDownItemCount(ids::kPaletteFilter));
        gui::selectDropDownItem(ids::kCategoryFilter, category);
        gui::selectDropDownItem(ids::kPaletteFilter, palette);
        const QString categoryText = gui::controlText(ids::kCategoryFilter);
        const QString paletteText = gui::controlText(ids::kPaletteFilter);
        const bool anyCategory = categoryText == store::kCategoryFilterLabel;
        const bool anyPalette = paletteText == store::kPaletteFilterLabel;
        dispatch(gui::controlEvent(ids::kFilterButton, gui::EventType::Click));
        if (anyCategory && anyPalette)
            return; // nothing to filter by: the list stays
        std::vector<QStringList> rows;
        for (const QStringList& row : model_)
            if ((anyCategory || row[0] == categoryText) && (anyPalette || row[1] == paletteText))
                rows.push_back(shown(row));
        expectRefill(rows);
    }

    void search() {
        const QString term = anyOf(kSearchTerms);
        const int answer = pick(3); // OK button, Enter, Escape
        const gui::Event events[] = {gui::controlEvent(ids::kSearchButton, gui::EventType::Click),
                                     gui::commandEvent(ids::kCmdSearch), gui::commandEvent(ids::kCmdMenuSearch)};
        UiScript script;
        script.then([term, answer] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != QStringLiteral("text_input_dialog"))
                return false;
            auto* field = modal->findChild<QLineEdit*>();
            if (field)
                field->insert(term);
            QPushButton* ok = nullptr;
            for (QPushButton* button : modal->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("OK"))
                    ok = button;
            if (answer == 0 && ok)
                QTest::mouseClick(ok, Qt::LeftButton);
            else if (answer == 1 && field)
                QTest::keyClick(field, Qt::Key_Return);
            else
                QTest::keyClick(modal, Qt::Key_Escape);
            return true;
        });
        script.start();
        modalExpected_ = true;
        app::dispatchEvent(events[pick(3)]);
        modalExpected_ = false;
        EXPECT_TRUE(script.finished()) << "the search dialog did not appear";
        settle();
        // Sorted: the order of a search result is SQLite's to choose.
        const std::vector<QStringList> found = shown(searchOracle(answer == 2 ? QString() : term));
        EXPECT_EQ(sorted(listRows()), sorted(found)) << "term " << term.toStdString();
        expectedList_ = listRows();
        expectedSelection_ = found.empty() ? -1 : 0;
    }

    void copy() {
        const int command = ids::kCmdCopy1Dec + pick(12);
        const QString* notations[] = {&colour::kDec, &colour::kRgb, &colour::kHex};
        const QString& notation = *notations[(command - ids::kCmdCopy1Dec) % 3];
        const int colour = (command - ids::kCmdCopy1Dec) / 3 + 1; // 4: all three
        const int row = gui::selectedListRow(ids::kEntryList);
        const auto cell = [row](int c) {
            return gui::listCellText(ids::kEntryList, row, 2 + c);
        };
        const QString expected = colour == 4 ? colour::allColoursText(cell(1), cell(2), cell(3), notation)
                                             : colour::notationText(cell(colour), notation);
        gui::setClipboardText(QStringLiteral("vorher"));
        dispatch(gui::commandEvent(command));
        EXPECT_EQ(gui::clipboardText(), expected) << "command " << command << ", row " << row;
    }

    void deleteSelected() {
        const int row = gui::selectedListRow(ids::kEntryList);
        const QStringList texts = row >= 0 ? listRow(row) : QStringList();
        dispatch(gui::commandEvent(ids::kCmdDeleteEntry));
        if (row >= 0) // nothing selected: nothing happens
            expectDeleted(texts);
    }

    // The first stored row with exactly these six texts goes (a NULL equals no text), then every entry is listed.
    void expectDeleted(const QStringList& texts) {
        const auto it = std::find(model_.begin(), model_.end(), texts);
        if (it != model_.end())
            model_.erase(it);
        expectRefill(shown(model_));
    }

    // The function menu, opened by a right click on a row or its command, is answered from a timer: closed,
    // or one of its items chosen that needs no further dialog.
    void functionMenu() {
        QTableView* view = entryListView();
        ASSERT_NE(view, nullptr);
        const int count = gui::listRowCount(ids::kEntryList);
        const bool rightClick = count > 0 && pick(2) == 0;
        const int row = rightClick ? pick(count) : gui::selectedListRow(ids::kEntryList);
        const QStringList texts = row >= 0 ? listRow(row) : QStringList();
        const int choices[] = {0, ids::kCmdMenuShowAll, ids::kCmdDeleteEntry, ids::kCmdCopy1Dec + pick(12)};
        const int command = choices[pick(4)];
        UiScript script;
        script.then([command] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return false;
            EXPECT_EQ(menu->objectName(), QStringLiteral("menu_1"));
            if (command != 0) {
                auto* item = menu->findChild<QAction*>(QStringLiteral("command_%1").arg(command));
                EXPECT_NE(item, nullptr) << "command " << command;
                if (item)
                    item->trigger();
            }
            menu->close();
            return true;
        });
        script.start();
        if (rightClick) {
            const QModelIndex index = view->model()->index(row, pick(6));
            view->scrollTo(index);
            QTest::mouseClick(view->viewport(), Qt::RightButton, Qt::NoModifier, view->visualRect(index).center());
            settle();
        } else {
            dispatch(gui::commandEvent(ids::kCmdFunctionMenu));
        }
        EXPECT_TRUE(script.finished()) << "the function menu did not open";
        expectedSelection_ = row;
        if (command == ids::kCmdMenuShowAll)
            expectRefill(shown(model_));
        else if (command == ids::kCmdDeleteEntry && row >= 0)
            expectDeleted(texts);
    }

    void infoWindow() {
        const bool about = pick(2) == 0;
        const int window = about ? ids::kAboutWindow : ids::kHelpWindow;
        const int button = about ? ids::kAboutOkButton : ids::kHelpCloseButton;
        const int command =
            about ? (pick(2) ? ids::kCmdAbout : ids::kCmdMenuAbout) : (pick(2) ? ids::kCmdHelp : ids::kCmdMenuHelp);
        UiScript script;
        script.then([window] { return gui::windowExists(window); }).thenDo([button] { clickControl(button); });
        script.start();
        dispatch(gui::commandEvent(command));
        EXPECT_TRUE(script.finished());
    }

    void newEntryWindow() {
        const int ending = pick(6); // 0-1 cancel, 2-4 OK, 5 OK with one input left empty
        const int empty = ending == 5 ? pick(6) : -1;
        QStringList texts;
        for (int i = 0; i < 6; ++i) {
            QString text = anyOf(kTexts);
            while (text.isEmpty())
                text = anyOf(kTexts);
            texts << (i == empty ? QString() : text);
        }
        const int inputs[] = {ids::kCategoryInput, ids::kPaletteInput, ids::kNameInput,
                              ids::kColour1Field,  ids::kColour2Field, ids::kColour3Field};
        UiScript script;
        script.then([] { return gui::windowExists(ids::kNewEntryWindow); }).thenDo([&] {
            for (int i = 0; i < 6; ++i) {
                QWidget* widget = controlWidget(inputs[i]);
                if (auto* box = qobject_cast<QComboBox*>(widget)) {
                    box->lineEdit()->clear();
                    box->lineEdit()->insert(texts[i]);
                } else {
                    gui::setControlText(inputs[i], texts[i]); // the colour fields take no typing
                }
                // What the window now holds: an editable box may have completed the typed text inline.
                texts[i] = gui::controlText(inputs[i]);
            }
            if (ending < 2) {
                clickControl(ids::kNewEntryCancel);
                return;
            }
            clickControl(ids::kNewEntryOk);
        });
        const bool complete = ending >= 2 && empty < 0;
        if (ending >= 2) {
            // A message box: the input error when an input was left empty, else a fault. It is answered and
            // the window cancelled, so the session goes on either way. After a stored entry the window has
            // closed and this step is never reached.
            script.then([empty] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return false;
                EXPECT_EQ(box->windowTitle(), empty >= 0 ? store::kInputErrorTitle : QStringLiteral("(none)"))
                    << box->text().toStdString();
                box->accept();
                clickControl(ids::kNewEntryCancel);
                return true;
            });
        }
        script.start();
        const gui::Event events[] = {gui::commandEvent(ids::kCmdNewEntry), gui::commandEvent(ids::kCmdMenuNewEntry),
                                     gui::controlEvent(ids::kNewEntryButton, gui::EventType::Click)};
        modalExpected_ = true;
        app::dispatchEvent(events[pick(3)]);
        modalExpected_ = false;
        EXPECT_EQ(script.finished(), !complete);
        settle();
        if (complete) {
            for (QString& text : texts)
                text = trimOuterSpaces(text);
            model_.push_back(texts);
            expectRefill(shown(model_));
        }
    }

    // Cheap checks after every event.
    void checkInvariants() {
        EXPECT_EQ(gui::queuedEventCount(), 0);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        for (int window : {ids::kAboutWindow, ids::kHelpWindow, ids::kNewEntryWindow})
            EXPECT_FALSE(gui::windowExists(window)) << "window " << window;
        EXPECT_FALSE(app::quitRequested());

        // The file holds exactly what was asked for, and no write was left half done.
        EXPECT_EQ(program_.folder().storedRows(), model_);
        EXPECT_FALSE(QFile::exists(QStringLiteral("colours.tsdb-journal")));

        EXPECT_EQ(listRows(), expectedList_);
        QTableView* view = entryListView();
        ASSERT_NE(view, nullptr);
        EXPECT_LE(view->selectionModel()->selectedRows().size(), 1);
        const int selected = gui::selectedListRow(ids::kEntryList);
        EXPECT_LT(selected, gui::listRowCount(ids::kEntryList));
        if (expectedSelection_ != -2) {
            EXPECT_EQ(selected, expectedSelection_);
        }

        EXPECT_EQ(gui::controlText(ids::kDetailText).split(QStringLiteral("\r\n")).size(), 6);
        const QSize size = gui::windowInnerSize(ids::kMainWindow);
        EXPECT_GE(size.width(), app::kMinimumWidth);
        EXPECT_GE(size.height(), app::kMinimumHeight);
        EXPECT_EQ(gui::controlGeometry(ids::kEntryList), app::mainLayout(size.width(), size.height()).entryList);
    }

    Program program_{kStart};
    QTimer guard_;
    bool modalExpected_ = false;
    QStringList unexpected_;
    std::mt19937 random_;
    std::vector<QStringList> model_;        // the stored rows the file must hold, in rowid order
    std::vector<QStringList> expectedList_; // the rows the entry list must show
    int expectedSelection_ = 0;             // -2: not predicted
};

TEST_P(RandomSession, KeepsTheFileAsAskedAndTheWindowConsistent) {
    run(1500);
    finalChecks();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::Values(1u, 4711u, 20240611u));

} // namespace
