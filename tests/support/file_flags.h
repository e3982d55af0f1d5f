#pragma once

#include <QString>

// Making a file read-only in a way that holds for root too, for tests of write errors.
namespace testing_support {

// Sets or clears the file system's immutable flag; false where the file system or the rights do not allow it.
bool setImmutable(const QString& path, bool on);

// Whether this process could open the file for writing right now.
bool writableByThisProcess(const QString& path);

} // namespace testing_support
