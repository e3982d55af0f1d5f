#pragma once

#include <QString>

namespace gui {

// Replaces the whole system clipboard with one plain text.
void setClipboardText(const QString& text);
QString clipboardText();

} // namespace gui
