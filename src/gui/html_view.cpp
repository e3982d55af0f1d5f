#include "gui/html_view.h"

#include "gui/registry.h"

#include <QTextBrowser>
#include <QUrl>

namespace gui {

bool createHtmlView(int window, int id, QRect where, const QString& url) {
    QWidget* parent = detail::clientArea(window);
    if (!parent)
        return false;
    auto* view = new QTextBrowser(parent);
    view->setOpenExternalLinks(true);
    // Everything after "file://" is taken as a path, so folder names with "#", "%" or spaces stay intact.
    const QString prefix = QStringLiteral("file://");
    const QUrl source = url.startsWith(prefix) ? QUrl::fromLocalFile(url.mid(prefix.size())) : QUrl(url);
    view->setSource(source);
    detail::placeControl(id, where, view);
    return true;
}

QString htmlViewFile(int id) {
    auto* view = detail::controlAs<QTextBrowser>(id);
    return view ? view->source().toLocalFile() : QString();
}

} // namespace gui
