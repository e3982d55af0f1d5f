#include "gui/list_view.h"

#include "gui/controls.h"
#include "gui/event_queue.h"
#include "gui/registry.h"
#include "gui/row_store.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPointer>
#include <QTableView>
#include <vector>

namespace gui {
namespace {

class RowModel : public QAbstractTableModel {
public:
    explicit RowModel(std::vector<ListColumn> columns, QObject* parent)
        : QAbstractTableModel(parent), columns_(std::move(columns)) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : shownRows_; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(columns_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return rows_.cell(index.row(), index.column());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
            return columns_[std::size_t(section)].title;
        if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    QString cellText(int row, int column) const {
        if (row == -1)
            return column >= 0 && column < columnCount() ? columns_[std::size_t(column)].title : QString();
        return rows_.cell(row, column);
    }

    void clear() {
        beginResetModel();
        rows_.clear();
        shownRows_ = 0;
        endResetModel();
    }

    void append(QStringView rowText) { rows_.append(rowText); }
    int pieceCount(int row) const { return rows_.pieceCount(row); }
    int storedRows() const { return rows_.rowCount(); }

    // Tells the view about the rows appended since last time, as one reset when the list was empty
    // (the cheapest update for a fresh fill) or as one insertion otherwise.
    void publish() {
        // A fill is over by now: memory kept from a larger earlier fill is not needed any more.
        rows_.releaseUnused();
        const int stored = rows_.rowCount();
        if (stored == shownRows_)
            return;
        if (shownRows_ == 0) {
            beginResetModel();
            shownRows_ = stored;
            endResetModel();
        } else {
            beginInsertRows({}, shownRows_, stored - 1);
            shownRows_ = stored;
            endInsertRows();
        }
    }

private:
    std::vector<ListColumn> columns_;
    RowStore rows_;
    int shownRows_ = 0;
};

class EntryListView : public QTableView {
public:
    EntryListView(int id, std::vector<ListColumn> columns, QWidget* parent)
        : QTableView(parent), id_(id), model_(new RowModel(columns, this)) {
        setModel(model_);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setShowGrid(true);
        setSortingEnabled(false);
        setWordWrap(false);
        setTabKeyNavigation(false);
        setFrameShadow(QFrame::Sunken);
        verticalHeader()->hide();
        // Fixed row heights: the view never measures a million rows' contents.
        verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
        horizontalHeader()->setSectionsClickable(false);
        horizontalHeader()->setHighlightSections(false);
        horizontalHeader()->setStretchLastSection(false);
        horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (std::size_t i = 0; i < columns.size(); ++i)
            setColumnWidth(int(i), columns[i].width);
        detail::keepSelectionVisibleWithoutFocus(this);
        connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { reportSelection(); });
    }

    RowModel* rows() const { return model_; }

    int selectedRow() const {
        const QModelIndexList rows = selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        // A click into the empty part of the list leaves no row selected.
        if (!indexAt(event->position().toPoint()).isValid()) {
            selectionModel()->clear();
            return;
        }
        QTableView::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        QTableView::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
            reportNoSelectionAfterClick();
            const bool left = event->button() == Qt::LeftButton;
            postEvent(controlEvent(id_, left ? EventType::LeftClick : EventType::RightClick));
        }
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QTableView::mouseDoubleClickEvent(event);
        if (event->button() == Qt::LeftButton)
            postEvent(controlEvent(id_, EventType::LeftDoubleClick));
    }

private:
    void reportSelection() {
        const int row = selectedRow();
        if (row < 0)
            return;
        remembered_ = row;
        postEvent(controlEvent(id_, EventType::Change));
    }

    void reportNoSelectionAfterClick() {
        if (selectedRow() == -1 && remembered_ != -1) {
            remembered_ = -1;
            postEvent(controlEvent(id_, EventType::Change));
        }
    }

    int id_;
    RowModel* model_;
    // Not -1 at creation, so the first click that leaves the list without a selection is reported.
    int remembered_ = 0;
};

std::vector<QPointer<EntryListView>> allLists;

EntryListView* listView(int id) {
    return detail::controlAs<EntryListView>(id);
}

} // namespace

bool createListView(int window, int id, QRect where, const std::vector<ListColumn>& columns) {
    QWidget* parent = detail::clientArea(window);
    if (!parent)
        return false;
    auto* view = new EntryListView(id, columns, parent);
    detail::placeControl(id, where, view);
    allLists.emplace_back(view);
    return true;
}

void clearListRows(int id) {
    if (EntryListView* view = listView(id))
        view->rows()->clear();
}

void appendListRow(int id, QStringView rowText) {
    if (EntryListView* view = listView(id))
        view->rows()->append(rowText);
}

int listRowCount(int id) {
    EntryListView* view = listView(id);
    return view ? view->rows()->storedRows() : 0;
}

int selectedListRow(int id) {
    EntryListView* view = listView(id);
    return view ? view->selectedRow() : -1;
}

void selectListRow(int id, int row) {
    EntryListView* view = listView(id);
    if (!view)
        return;
    view->rows()->publish();
    if (row < 0 || row >= view->rows()->rowCount())
        return;
    const QModelIndex index = view->rows()->index(row, 0);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index);
}

QString listCellText(int id, int row, int column) {
    EntryListView* view = listView(id);
    return view ? view->rows()->cellText(row, column) : QString();
}

int listRowPieceCount(int id, int row) {
    EntryListView* view = listView(id);
    return view ? view->rows()->pieceCount(row) : 0;
}

void publishPendingListRows() {
    for (const QPointer<EntryListView>& view : allLists)
        if (view)
            view->rows()->publish();
}

} // namespace gui
