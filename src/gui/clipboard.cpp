#include "gui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace gui {

void setClipboardText(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text, QClipboard::Clipboard);
}

QString clipboardText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text(QClipboard::Clipboard) : QString();
}

} // namespace gui
