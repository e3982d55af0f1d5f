#include "app/dispatch.h"
#include "app/ids.h"
#include "gui/controls.h"
#include "gui/event_queue.h"
#include "gui/list_view.h"
#include "store/entry_list.h"
#include "support/program.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testing_support::entry;
using testing_support::Entry;
using testing_support::Program;

const std::optional<QString> kNull;

// Rows 4 to 6 give the filter boxes an empty category, a NULL one and one that looks like the box's label;
// row 7 holds nothing at all.
const std::vector<Entry> kCollection{
    entry("Natur", "Wald", "Moos", "0,128,0", "10,20,30", "1,2,3"),
    entry("Natur", "Meer", "Alge", "0,100,50", "4,5,6", "7,8,9"),
    entry("Stadt", "Wald", "Bank", "120,120,120", "1,1,1", "2,2,2"),
    entry("Stadt", "Meer", "Hafen", "0,0,200", "3,3,3", "4,4,4"),
    entry("", "Wald", "Leer", "1,1,1", "2,2,2", "3,3,3"),
    Entry{kNull, QStringLiteral("Wald"), QStringLiteral("Null"), QStringLiteral("1,1,1"), QStringLiteral("2,2,2"),
          QStringLiteral("3,3,3")},
    entry("Filter: nach Kategorie", "Meer", "Etikett", "1,1,1", "2,2,2", "3,3,3"),
    Entry{kNull, kNull, kNull, kNull, kNull, kNull},
};

// The boxes' items in query order (first appearance), behind their labels.
const QStringList kCategoryItems{"Filter: nach Kategorie", "Natur", "Stadt", "", "", "Filter: nach Kategorie"};
const QStringList kPaletteItems{"Filter: nach Pallette", "Wald", "Meer", ""};
const QStringList kAllNames{"Moos", "Alge", "Bank", "Hafen", "Leer", "Null", "Etikett", ""};

QStringList listColumn(int column) {
    QStringList texts;
    for (int row = 0; row < gui::listRowCount(ids::kEntryList); ++row)
        texts << gui::listCellText(ids::kEntryList, row, column);
    return texts;
}

QStringList listNames() {
    return listColumn(2);
}

// Reads every item of a drop-down box by selecting it in turn; the selection is put back afterwards.
QStringList dropDownItems(int id) {
    const int selected = gui::selectedDropDownItem(id);
    QStringList items;
    for (int i = 0; i < gui::dropDownItemCount(id); ++i) {
        gui::selectDropDownItem(id, i);
        items << gui::controlText(id);
    }
    gui::selectDropDownItem(id, selected);
    return items;
}

void click(Program& program, int button) {
    app::dispatchEvent(gui::controlEvent(button, gui::EventType::Click));
    program.settle();
}

QString detailText() {
    return gui::controlText(ids::kDetailText);
}

QString firstLine(const QString& text) {
    return text.section(QStringLiteral("\r\n"), 0, 0);
}

// After a fill: a result selects its first row, whose entry the detail panel shows; an empty result selects
// nothing, so nothing refreshes the panel and it keeps the entry it showed before.
void expectSelectionAfterFill(const QStringList& names, const QString& detailBefore) {
    if (names.isEmpty()) {
        EXPECT_EQ(gui::selectedListRow(ids::kEntryList), -1);
        EXPECT_EQ(detailText(), detailBefore);
    } else {
        EXPECT_EQ(gui::selectedListRow(ids::kEntryList), 0);
        EXPECT_EQ(firstLine(detailText()), names.first());
    }
}

QTableView* entryListView() {
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->property("tessora_control").toInt() == ids::kEntryList && widget->isVisible())
            if (auto* view = qobject_cast<QTableView*>(widget))
                return view;
    return nullptr;
}

TEST(EntryListStartUp, FillsBoxesAndListFromTheCollection) {
    Program program(kCollection);
    program.settle();

    EXPECT_EQ(gui::dropDownItemCount(ids::kCategoryFilter), kCategoryItems.size());
    EXPECT_EQ(dropDownItems(ids::kCategoryFilter), kCategoryItems);
    EXPECT_EQ(dropDownItems(ids::kPaletteFilter), kPaletteItems);
    EXPECT_EQ(gui::selectedDropDownItem(ids::kCategoryFilter), 0);
    EXPECT_EQ(gui::selectedDropDownItem(ids::kPaletteFilter), 0);

    ASSERT_EQ(gui::listRowCount(ids::kEntryList), int(kCollection.size()));
    for (int row = 0; row < int(kCollection.size()); ++row) {
        const Entry& e = kCollection[std::size_t(row)];
        const std::optional<QString>* values[] = {&e.category, &e.palette, &e.name, &e.colour1, &e.colour2, &e.colour3};
        for (int column = 0; column < 6; ++column)
            EXPECT_EQ(gui::listCellText(ids::kEntryList, row, column), values[column]->value_or(QString()))
                << "row " << row << " column " << column;
    }
    EXPECT_EQ(gui::selectedListRow(ids::kEntryList), 0);
    EXPECT_EQ(gui::focusedControl(), ids::kEntryList);
    EXPECT_EQ(firstLine(detailText()), QStringLiteral("Moos"));
}

TEST(EntryListStartUp, WithoutCollectionShowsOnlyTheLabels) {
    Program program({}, false);
    program.settle();

    EXPECT_EQ(dropDownItems(ids::kCategoryFilter), QStringList{store::kCategoryFilterLabel});
    EXPECT_EQ(dropDownItems(ids::kPaletteFilter), QStringList{store::kPaletteFilterLabel});
    EXPECT_EQ(gui::listRowCount(ids::kEntryList), 0);
    EXPECT_EQ(gui::selectedListRow(ids::kEntryList), -1);

    // Neither start-up nor the actions may create the collection file.
    click(program, ids::kShowAllButton);
    store::search(QStringLiteral("x"));
    program.settle();
    EXPECT_EQ(gui::listRowCount(ids::kEntryList), 0);
    EXPECT_FALSE(QFile::exists(program.folder().filePath(QStringLiteral("colours.tsdb"))));
}

struct FilterCase {
    const char* name;
    int categoryItem;
    int paletteItem;
    QStringList names;
};

const FilterCase kFilterCases[] = {
    {"CategoryOnly", 1, 0, {"Moos", "Alge"}},
    {"PaletteOnly", 0, 2, {"Alge", "Hafen", "Etikett"}},
    {"CategoryAndPalette", 2, 1, {"Bank"}},
    {"EmptyCategoryTakesEmptyRowsNotNull", 3, 0, {"Leer"}},
    // The NULL category's item reads as the empty text, so it filters the '' rows too.
    {"NullCategoryItemReadsAsEmpty", 4, 0, {"Leer"}},
    // A stored category that equals the label is taken for the label: no category condition.
    {"CategoryEqualToLabelIsNoCondition", 5, 1, {"Moos", "Bank", "Leer", "Null"}},
    {"NothingMatches", 3, 2, {}},
};

class EntryListFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(EntryListFilter, ShowsTheMatchingEntries) {
    const FilterCase& c = GetParam();
    Program program(kCollection);
    program.settle();
    gui::selectListRow(ids::kEntryList, 2);
    program.settle();
    const QString detailBefore = detailText();
    ASSERT_EQ(firstLine(detailBefore), QStringLiteral("Bank"));

    gui::selectDropDownItem(ids::kCategoryFilter, c.categoryItem);
    gui::selectDropDownItem(ids::kPaletteFilter, c.paletteItem);
    click(program, ids::kFilterButton);

    EXPECT_EQ(listNames(), c.names);
    EXPECT_EQ(gui::selectedDropDownItem(ids::kCategoryFilter), c.categoryItem);
    EXPECT_EQ(gui::selectedDropDownItem(ids::kPaletteFilter), c.paletteItem);
    EXPECT_EQ(gui::focusedControl(), ids::kEntryList);
    expectSelectionAfterFill(c.names, detailBefore);
}

INSTANTIATE_TEST_SUITE_P(Choices, EntryListFilter, ::testing::ValuesIn(kFilterCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EntryListFilterWithLabels, ChangesNothing) {
    Program program(kCollection);
    program.settle();
    // Both the real label and a stored category equal to it count as "no category".
    for (int categoryItem : {0, 5}) {
        store::search(QStringLiteral("Hafen"));
        program.settle();
        ASSERT_EQ(listNames(), QStringList{"Hafen"});
        const QString detailBefore = detailText();

        gui::selectDropDownItem(ids::kCategoryFilter, categoryItem);
        gui::selectDropDownItem(ids::kPaletteFilter, 0);
        app::dispatchEvent(gui::controlEvent(ids::kFilterButton, gui::EventType::Click));
        EXPECT_EQ(gui::queuedEventCount(), 0) << "category item " << categoryItem;
        EXPECT_EQ(listNames(), QStringList{"Hafen"}) << "category item " << categoryItem;
        EXPECT_EQ(gui::selectedListRow(ids::kEntryList), 0);
        program.settle();
        EXPECT_EQ(detailText(), detailBefore);
    }
}

struct ShowAllCase {
    const char* name;
    gui::Event event;
};

const ShowAllCase kShowAllCases[] = {
    {"Button", gui::controlEvent(ids::kShowAllButton, gui::EventType::Click)},
    {"Shortcut", gui::commandEvent(ids::kCmdShowAll)},
    {"Menu", gui::commandEvent(ids::kCmdMenuShowAll)},
};

class EntryListShowAll : public ::testing::TestWithParam<ShowAllCase> {};

TEST_P(EntryListShowAll, ResetsBoxesAndListsEverything) {
    Program program(kCollection);
    program.settle();
    gui::selectDropDownItem(ids::kCategoryFilter, 2);
    gui::selectDropDownItem(ids::kPaletteFilter, 2);
    click(program, ids::kFilterButton);
    ASSERT_EQ(listNames(), QStringList{"Hafen"});
    ASSERT_EQ(firstLine(detailText()), QStringLiteral("Hafen"));

    app::dispatchEvent(GetParam().event);
    program.settle();

    EXPECT_EQ(gui::selectedDropDownItem(ids::kCategoryFilter), 0);
    EXPECT_EQ(gui::selectedDropDownItem(ids::kPaletteFilter), 0);
    EXPECT_EQ(listNames(), kAllNames);
    EXPECT_EQ(gui::selectedListRow(ids::kEntryList), 0);
    EXPECT_EQ(gui::focusedControl(), ids::kEntryList);
    EXPECT_EQ(firstLine(detailText()), QStringLiteral("Moos"));
}

INSTANTIATE_TEST_SUITE_P(Ways, EntryListShowAll, ::testing::ValuesIn(kShowAllCases),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Answer { OkButton, Enter, Escape };

struct SearchCase {
    const char* name;
    const char16_t* typed;
    Answer answer;
    QStringList names;
};

// Every entry with at least one non-NULL searched text: all but the empty row.
const QStringList kAllButEmpty{"Moos", "Alge", "Bank", "Hafen", "Leer", "Null", "Etikett"};

const SearchCase kSearchCases[] = {
    {"OkButton", u"afen", Answer::OkButton, {"Hafen"}},
    {"Enter", u"M_os", Answer::Enter, {"Moos"}},
    {"ColourText", u"0,100", Answer::Enter, {"Alge"}},
    {"OuterSpacesKept", u" Wald", Answer::OkButton, {}},
    {"EmptyTerm", u"", Answer::OkButton, kAllButEmpty},
    {"Escape", u"", Answer::Escape, kAllButEmpty},
    {"EscapeDropsTypedText", u"Hafen", Answer::Escape, kAllButEmpty},
};

class EntryListSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(EntryListSearch, ListsWhatTheDialogAnswerFinds) {
    const SearchCase& c = GetParam();
    Program program(kCollection);
    program.settle();
    gui::selectListRow(ids::kEntryList, 2);
    program.settle();
    const QString detailBefore = detailText();
    gui::selectDropDownItem(ids::kCategoryFilter, 1);
    gui::selectDropDownItem(ids::kPaletteFilter, 2);

    QString title;
    QStringList labels;
    bool answered = false;
    testing_support::answerNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        for (QLabel* label : modal->findChildren<QLabel*>())
            labels << label->text();
        auto* field = modal->findChild<QLineEdit*>();
        QPushButton* ok = nullptr;
        for (QPushButton* button : modal->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("OK"))
                ok = button;
        if (!field || !ok) {
            ADD_FAILURE() << "the search dialog lacks its field or its OK button";
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        QTest::keyClicks(field, QString::fromUtf16(c.typed));
        answered = true;
        if (c.answer == Answer::OkButton)
            QTest::mouseClick(ok, Qt::LeftButton);
        else if (c.answer == Answer::Enter)
            QTest::keyClick(field, Qt::Key_Return);
        else
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    click(program, ids::kSearchButton);

    ASSERT_TRUE(answered);
    EXPECT_EQ(title, store::kSearchTitle);
    EXPECT_TRUE(labels.contains(store::kSearchPrompt)) << labels.join(u'|').toStdString();
    EXPECT_EQ(listNames(), c.names);
    // A search leaves the filter boxes alone.
    EXPECT_EQ(gui::selectedDropDownItem(ids::kCategoryFilter), 1);
    EXPECT_EQ(gui::selectedDropDownItem(ids::kPaletteFilter), 2);
    expectSelectionAfterFill(c.names, detailBefore);
}

INSTANTIATE_TEST_SUITE_P(Answers, EntryListSearch, ::testing::ValuesIn(kSearchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EntryListRowText, LineFeedInAStoredTextShiftsTheLaterColumns) {
    Program program({entry("Kat\nTeil", "P", "N", "1,1,1", "2,2,2", "3,3,3"), entry("K", "P", "M", "4", "5", "6")});
    program.settle();

    ASSERT_EQ(gui::listRowCount(ids::kEntryList), 2);
    EXPECT_EQ(listColumn(0), (QStringList{"Kat", "K"}));
    EXPECT_EQ(listColumn(1), (QStringList{"Teil", "P"}));
    EXPECT_EQ(listColumn(2), (QStringList{"P", "M"}));
    EXPECT_EQ(listColumn(3), (QStringList{"N", "4"}));
    EXPECT_EQ(listColumn(5), (QStringList{"2,2,2", "6"}));

    // The view has six columns; colour 3 of the shifted row has no place in it.
    QTableView* view = entryListView();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->model()->columnCount(), 6);
    for (int column = 0; column < 6; ++column)
        EXPECT_NE(view->model()->index(0, column).data().toString(), QStringLiteral("3,3,3")) << column;
}

} // namespace
