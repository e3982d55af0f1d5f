#pragma once

#include <QRect>
#include <QString>

namespace gui {

// A read-only HTML view showing a local file given as a "file://" URL. A missing file shows an empty page.
bool createHtmlView(int window, int id, QRect place, const QString& url);

// The page the view was pointed at, as a local file path.
QString htmlViewFile(int id);

} // namespace gui
