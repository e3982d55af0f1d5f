#include "gui/controls.h"
#include "gui/event_queue.h"
#include "gui/list_view.h"
#include "gui/windows.h"

#include "support/event_printing.h"
#include <QApplication>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

using gui::EventType;

constexpr int kWindow = 99;
constexpr int kList = 90;

const std::vector<gui::ListColumn> kColumns{{QStringLiteral("Kategorie"), 100}, {QStringLiteral("Pallette"), 90},
                                            {QStringLiteral("Name"), 120},      {QStringLiteral("Farbe 1"), 60},
                                            {QStringLiteral("Farbe 2"), 60},    {QStringLiteral("Farbe 3"), 60}};

const gui::Event kChange = gui::controlEvent(kList, EventType::Change);
const gui::Event kLeftClick = gui::controlEvent(kList, EventType::LeftClick);
const gui::Event kRightClick = gui::controlEvent(kList, EventType::RightClick);

// What the last action queued, oldest first; the queue is empty afterwards.
std::vector<gui::Event> queued() {
    std::vector<gui::Event> events;
    while (const std::optional<gui::Event> event = gui::pollEvent())
        events.push_back(*event);
    return events;
}

QString rowText(int row) {
    return QStringLiteral("Kat %1\nPal %1\nName %1\n%1,0,0\n0,%1,0\n0,0,%1").arg(row);
}

// A window of its own with one list view, far from the program's main window.
class ListView : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gui::openWindow(kWindow, QStringLiteral("list test"), {620, 420}, gui::WindowStyle::Sizable, {}));
        ASSERT_TRUE(gui::createListView(kWindow, kList, {8, 8, 600, 400}, kColumns));
        for (QWidget* widget : QApplication::allWidgets())
            if (widget->objectName() == QStringLiteral("control_%1").arg(kList))
                view_ = qobject_cast<QTableView*>(widget);
        ASSERT_NE(view_, nullptr);
        // Let the window's own start (showing, activation, first layout) pass before anything is measured.
        gui::processPendingToolkitEvents();
        gui::processPendingToolkitEvents();
        gui::discardQueuedEvents();
    }

    void TearDown() override {
        gui::closeWindow(kWindow);
        gui::discardQueuedEvents();
    }

    void fill(int rows) {
        for (int row = 0; row < rows; ++row)
            gui::appendListRow(kList, rowText(row));
        gui::processPendingToolkitEvents();
    }

    QPoint rowCentre(int row) const { return view_->visualRect(view_->model()->index(row, 1)).center(); }

    // A point inside the list but below its last row.
    QPoint emptyPart() const {
        const QPoint point(40, view_->viewport()->height() - 10);
        EXPECT_FALSE(view_->indexAt(point).isValid()) << "the list is too full to have an empty part";
        return point;
    }

    void click(Qt::MouseButton button, QPoint where) {
        gui::discardQueuedEvents();
        QTest::mouseClick(view_->viewport(), button, Qt::NoModifier, where);
    }

    QTableView* view_ = nullptr;
};

TEST_F(ListView, RowMinusOneGivesTheColumnTitles) {
    for (int column = 0; column < int(kColumns.size()); ++column)
        EXPECT_EQ(gui::listCellText(kList, -1, column), kColumns[std::size_t(column)].title);
    EXPECT_EQ(gui::listCellText(kList, -1, 6), QString());
    EXPECT_EQ(gui::listCellText(kList, -1, -1), QString());
}

struct SplitCase {
    const char16_t* rowText;
    std::vector<const char16_t*> cells; // columns 0 to 5
};

class RowSplitting : public ListView, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(RowSplitting, SplitsAtLineFeeds) {
    gui::appendListRow(kList, QStringLiteral("first\nrow"));
    gui::appendListRow(kList, QString::fromUtf16(GetParam().rowText));
    gui::processPendingToolkitEvents();
    ASSERT_EQ(gui::listRowCount(kList), 2);
    for (int column = 0; column < 6; ++column) {
        const QString expected = QString::fromUtf16(GetParam().cells[std::size_t(column)]);
        EXPECT_EQ(gui::listCellText(kList, 1, column), expected) << "column " << column;
        // What the view shows is the same text.
        EXPECT_EQ(view_->model()->index(1, column).data().toString(), expected) << "column " << column;
    }
    EXPECT_EQ(view_->model()->columnCount(), 6);
}

INSTANTIATE_TEST_SUITE_P(RowTexts, RowSplitting,
                         ::testing::Values(SplitCase{u"a\nb\nc\nd\ne\nf", {u"a", u"b", u"c", u"d", u"e", u"f"}},
                                           SplitCase{u"a\nb\nc\nd\ne\nf\ng", {u"a", u"b", u"c", u"d", u"e", u"f"}},
                                           SplitCase{u"a\nb", {u"a", u"b", u"", u"", u"", u""}},
                                           SplitCase{u"", {u"", u"", u"", u"", u"", u""}},
                                           SplitCase{u"\n\nName only", {u"", u"", u"Name only", u"", u"", u""}},
                                           SplitCase{u"Grün\nÖl\nWeiß\n1,2,3\n\n4,5,6",
                                                     {u"Grün", u"Öl", u"Weiß", u"1,2,3", u"", u"4,5,6"}}));

TEST_F(ListView, ClearedListSelectsNothingAndRaisesNothing) {
    fill(5);
    gui::selectListRow(kList, 2);
    gui::discardQueuedEvents();

    gui::clearListRows(kList);
    EXPECT_EQ(gui::listRowCount(kList), 0);
    EXPECT_EQ(gui::selectedListRow(kList), -1);
    gui::selectListRow(kList, 0);
    EXPECT_EQ(gui::selectedListRow(kList), -1);
    EXPECT_EQ(queued(), std::vector<gui::Event>{});
    EXPECT_EQ(gui::listCellText(kList, 0, 0), QString());
}

TEST_F(ListView, ProgramSelectionRaisesOneChange) {
    fill(5);
    gui::discardQueuedEvents();
    gui::selectListRow(kList, 3);
    EXPECT_EQ(gui::selectedListRow(kList), 3);
    EXPECT_EQ(queued(), std::vector<gui::Event>{kChange});

    // A row outside the list changes nothing.
    for (int outside : {5, -1, 1000}) {
        gui::selectListRow(kList, outside);
        EXPECT_EQ(gui::selectedListRow(kList), 3) << outside;
        EXPECT_EQ(queued(), std::vector<gui::Event>{}) << outside;
    }
}

TEST_F(ListView, RowsAppendedAfterAFillAreSelectableBeforeAnyToolkitPass) {
    // A fill selects its first row right after appending, before Qt has run.
    gui::appendListRow(kList, rowText(0));
    gui::appendListRow(kList, rowText(1));
    gui::selectListRow(kList, 1);
    EXPECT_EQ(gui::selectedListRow(kList), 1);
    EXPECT_EQ(view_->model()->rowCount(), 2);
    EXPECT_EQ(queued(), std::vector<gui::Event>{kChange});
}

TEST_F(ListView, LeftClickOnARowRaisesChangeThenLeftClick) {
    fill(4);
    click(Qt::LeftButton, rowCentre(2));
    EXPECT_EQ(gui::selectedListRow(kList), 2);
    EXPECT_EQ(queued(), (std::vector<gui::Event>{kChange, kLeftClick}));

    // The row already reported raises no second change.
    click(Qt::LeftButton, rowCentre(2));
    EXPECT_EQ(queued(), std::vector<gui::Event>{kLeftClick});

    click(Qt::LeftButton, rowCentre(0));
    EXPECT_EQ(gui::selectedListRow(kList), 0);
    EXPECT_EQ(queued(), (std::vector<gui::Event>{kChange, kLeftClick}));
}

TEST_F(ListView, RightClickOnARowSelectsItThenRaisesChangeThenRightClick) {
    fill(4);
    gui::selectListRow(kList, 0);
    click(Qt::RightButton, rowCentre(3));
    EXPECT_EQ(gui::selectedListRow(kList), 3);
    EXPECT_EQ(queued(), (std::vector<gui::Event>{kChange, kRightClick}));
}

// A click into the empty part clears the selection and reports that once; more such clicks only click.
struct EmptyClickCase {
    const char* name;
    bool rowSelectedFirst;
    Qt::MouseButton button;
};

class EmptyPartClick : public ListView, public ::testing::WithParamInterface<EmptyClickCase> {};

TEST_P(EmptyPartClick, ReportsTheLostSelectionOnce) {
    fill(3);
    if (GetParam().rowSelectedFirst)
        gui::selectListRow(kList, 1);
    const gui::Event clickEvent = GetParam().button == Qt::LeftButton ? kLeftClick : kRightClick;

    click(GetParam().button, emptyPart());
    EXPECT_EQ(gui::selectedListRow(kList), -1);
    EXPECT_EQ(queued(), (std::vector<gui::Event>{kChange, clickEvent}));

    click(GetParam().button, emptyPart());
    EXPECT_EQ(queued(), std::vector<gui::Event>{clickEvent});
    click(Qt::LeftButton, emptyPart());
    EXPECT_EQ(queued(), std::vector<gui::Event>{kLeftClick});

    // After a row is chosen again, leaving it is reported again.
    click(Qt::LeftButton, rowCentre(0));
    EXPECT_EQ(queued(), (std::vector<gui::Event>{kChange, kLeftClick}));
    click(GetParam().button, emptyPart());
    EXPECT_EQ(gui::selectedListRow(kList), -1);
    EXPECT_EQ(queued(), (std::vector<gui::Event>{kChange, clickEvent}));
}

INSTANTIATE_TEST_SUITE_P(Clicks, EmptyPartClick,
                         ::testing::Values(EmptyClickCase{"LeftAfterSelection", true, Qt::LeftButton},
                                           EmptyClickCase{"RightAfterSelection", true, Qt::RightButton},
                                           // The list starts out as if it had reported a row.
                                           EmptyClickCase{"LeftIntoFreshList", false, Qt::LeftButton},
                                           EmptyClickCase{"RightIntoFreshList", false, Qt::RightButton}),
                         [](const ::testing::TestParamInfo<EmptyClickCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ListView, FirstClickIntoAFreshEmptyListIsReported) {
    click(Qt::LeftButton, emptyPart());
    EXPECT_EQ(queued(), (std::vector<gui::Event>{kChange, kLeftClick}));
    click(Qt::LeftButton, emptyPart());
    EXPECT_EQ(queued(), std::vector<gui::Event>{kLeftClick});
}

TEST_F(ListView, ClearingRowsRaisesNothing) {
    fill(4);
    click(Qt::LeftButton, rowCentre(1));
    gui::discardQueuedEvents();
    gui::clearListRows(kList);
    EXPECT_EQ(queued(), std::vector<gui::Event>{});
    EXPECT_EQ(gui::selectedListRow(kList), -1);
}

TEST_F(ListView, DownArrowMovesTheSelectionAndReportsIt) {
    fill(4);
    gui::selectListRow(kList, 1);
    gui::discardQueuedEvents();
    QTest::keyClick(view_, Qt::Key_Down);
    EXPECT_EQ(gui::selectedListRow(kList), 2);
    EXPECT_EQ(queued(), std::vector<gui::Event>{kChange});

    // On the last row there is nowhere to go and nothing to report.
    gui::selectListRow(kList, 3);
    gui::discardQueuedEvents();
    QTest::keyClick(view_, Qt::Key_Down);
    EXPECT_EQ(gui::selectedListRow(kList), 3);
    EXPECT_EQ(queued(), std::vector<gui::Event>{});
}

} // namespace
