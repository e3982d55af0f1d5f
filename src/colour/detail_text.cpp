#include "colour/detail_text.h"

namespace colour {

QString detailText(const EntryTexts& t) {
    const QString crlf = QStringLiteral("\r\n");
    return t[2] + crlf + QStringLiteral("Kategorie: ") + t[0] + crlf + QStringLiteral("Pallette: ") + t[1] + crlf +
           QStringLiteral("Farbe 1: RGB(") + t[3] + QStringLiteral(")") + crlf + QStringLiteral("Farbe 2: RGB(") +
           t[4] + QStringLiteral(")") + crlf + QStringLiteral("Farbe 3: RGB(") + t[5] + QStringLiteral(")");
}

} // namespace colour
