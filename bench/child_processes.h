#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Figures that need a process of their own (a fresh QApplication, a clean peak memory, an undisturbed processor
// clock) run this executable again with a hidden flag. A child prints its result as numbers, one a line.
namespace bench {

inline const QString kChildStartupFlag = QStringLiteral("--child-startup");
inline const QString kChildBareStartupFlag = QStringLiteral("--child-bare-startup");
inline const QString kChildMemoryFlag = QStringLiteral("--child-memory");
inline const QString kChildIdleFlag = QStringLiteral("--child-idle");

// Parent side: runs the child and returns what it printed; a failed child ends the run.
std::vector<double> runChild(const QStringList& arguments);

// Child sides, each called before any QApplication exists with the working folder holding the collection.
// They return the process's exit code.

// Milliseconds from before the QApplication until the detail text shows the first entry.
int childProgramStartup(int& argc, char** argv, const QString& folder);

// Milliseconds for a bare QApplication showing one empty window, plus the bare scan of the same collection.
int childBareStartup(int& argc, char** argv, const QString& folder);

// Peak resident memory in MiB once the program has started on the collection and dispatched every event.
int childMemory(int& argc, char** argv, const QString& folder);

} // namespace bench
