#pragma once

#include <QString>

// The baseline the program's reads are held against: SQLite stepped bare over a fresh connection, with each
// row's six texts turned into QStrings exactly as the program reads a column (UTF-16 straight from SQLite).
namespace bench {

struct ScanResult {
    long long rows = 0;
    long long characters = 0; // UTF-16 code units of all six texts of all rows
};

// Runs 'sql' (a SELECT * over the colours table) on 'file' and reads columns 1 to 6 of every row.
ScanResult bareScan(const QString& file, const QString& sql);

} // namespace bench
