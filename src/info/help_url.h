#pragma once

#include <QChar>
#include <QString>

// The help window shows help/index.html below the working directory, addressed as a file:// URL.
namespace info {

// "file://" + directory + one separator (none added when the directory already ends with one) + help path.
// The separator is the platform's: '\\' gives the Windows form, '/' the POSIX form.
QString helpUrl(const QString& workingDirectory, QChar separator);

// The same for this process: its current working directory and the native separator.
QString helpUrlForWorkingDirectory();

} // namespace info
