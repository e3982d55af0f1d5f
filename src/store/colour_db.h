#pragma once

#include <QString>

// The database layer: one connection at a time to "colours.tsdb" in the working directory, opened for one
// action and closed again. It never creates the file and never shows anything; callers decide what a
// failure means.
namespace store {

inline const char* const kDatabaseFile = "colours.tsdb";
constexpr int kBusyTimeoutMs = 20000;

// Closes an open connection first. Fails (and leaves none open) when the file is missing or cannot be
// opened; a file that is no database is only noticed by the first statement, which then fails.
bool openDatabase();

// Prepares a query on the open connection, finalising the previous one.
bool runQuery(const QString& statement);

// Steps the prepared query; false once it is done, failed, or there is none.
bool nextRow();

// Text of a column of the current row; NULL, a missing column or no row give the empty text.
QString columnText(int column);

// The same text appended to 'target': a list fill of a million rows then reuses one buffer instead of
// making six strings a row.
void appendColumnText(int column, QString& target);

// Executes a statement that changes data; true only for SQLITE_OK.
bool runChange(const QString& statement);

void closeDatabase();

bool isDatabaseOpen();

} // namespace store
