#pragma once

#include <QString>
#include <QStringView>

// The entry list: a report-style list view with column titles, one selected row at a time, grid lines and
// no sorting (createListView is declared with the other controls).
//
// Its change events follow one rule: the list remembers the row it last reported. Selecting a row (mouse,
// keyboard or program) reports it; a left or right click that leaves no row selected reports -1 once.
// A right click raises its own event after those. Removing rows raises nothing.
namespace gui {

void clearListRows(int id);

// Appends one row given as its row text; the list splits it at each line feed into its columns.
// Appends are shown to the view in one step at the next toolkit pass, so a fill of a million rows
// costs one model update instead of a million.
void appendListRow(int id, QStringView rowText);

int listRowCount(int id);

// The selected row, or -1.
int selectedListRow(int id);

// Selects a row and reports it; an index outside the list selects nothing.
void selectListRow(int id, int row);

// A cell's text; row -1 gives the column's title.
QString listCellText(int id, int row, int column);

// How many line-feed separated pieces the row was appended with (0 for a row that does not exist). A row text
// made of more pieces than the list has columns held a line feed inside one of its values.
int listRowPieceCount(int id, int row);

// Shows the rows appended since the last toolkit pass to their views (the event queue calls it).
void publishPendingListRows();

} // namespace gui
