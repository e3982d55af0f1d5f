#include "info/help_url.h"

#include <QDir>

namespace info {

QString helpUrl(const QString& workingDirectory, QChar separator) {
    QString url = QStringLiteral("file://") + workingDirectory;
    // An unreadable directory gives the bare help path, so the view shows a missing file rather than the root.
    if (!workingDirectory.isEmpty() && !workingDirectory.endsWith(separator))
        url += separator;
    url += QStringLiteral("help") + separator + QStringLiteral("index.html");
    return url;
}

QString helpUrlForWorkingDirectory() {
    return helpUrl(QDir::toNativeSeparators(QDir::currentPath()), QDir::separator());
}

} // namespace info
