#pragma once

#include <QString>

namespace store {

// Appends UTF-8 bytes to 'target' as UTF-16 when they are well-formed UTF-8 that SQLite converts the textbook
// way, and returns true. Returns false and leaves 'target' as it was for anything else: malformed or overlong
// sequences, encoded surrogates, code points beyond U+10FFFF, and U+FFFE and U+FFFF, which SQLite turns into
// U+FFFD. The caller then lets SQLite convert the value, so a column reads the same either way.
bool appendWellFormedUtf8(QString& target, const unsigned char* bytes, int count);

} // namespace store
