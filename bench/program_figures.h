#pragma once

#include <QString>

// The program measured in this process: its real start-up in a working folder, then single runs of its own
// procedures. Each timed call returns milliseconds and leaves the events it caused dispatched.
namespace bench {

// Dispatches queued events through the program's own dispatch until none is left.
void drainEvents();

// Changes into 'folder' and runs the program's start-up there.
void startProgram(const QString& folder);
void stopProgram();

// store::refillAllEntries() until the view has taken the rows; ends the run unless 'expectedRows' are listed.
double timeRefill(int expectedRows);

// store::search(term) until the view has taken the result.
double timeSearch(const QString& term, int expectedRows);

// One colour::refreshDetails() for the selected row.
double timeDetailRefresh();

// Selecting the last row and repainting the list, starting from the first row.
double timeScrollToEnd();

} // namespace bench
