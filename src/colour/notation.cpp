#include "colour/notation.h"

namespace colour {
namespace {

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    return value < base ? value : -1;
}

// Field k (from 1) of a comma-separated text; a field that does not exist is empty.
QStringView field(QStringView text, int k) {
    qsizetype start = 0;
    for (int i = 1; i < k; ++i) {
        const qsizetype comma = text.indexOf(u',', start);
        if (comma < 0)
            return {};
        start = comma + 1;
    }
    const qsizetype end = text.indexOf(u',', start);
    return text.mid(start, end < 0 ? -1 : end - start);
}

} // namespace

std::int32_t readNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == u'%') {
        base = 2;
        ++i;
    }
    // Unsigned arithmetic wraps modulo 2^32 by definition, which is exactly the reading rule.
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            break;
        value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::int32_t colourInteger(QStringView colourText) {
    const auto red = static_cast<std::uint32_t>(readNumber(field(colourText, 1)));
    const auto green = static_cast<std::uint32_t>(readNumber(field(colourText, 2)));
    const auto blue = static_cast<std::uint32_t>(readNumber(field(colourText, 3)));
    return static_cast<std::int32_t>(red + green * 256u + blue * 65536u);
}

QString decimalText(std::int32_t value) {
    return QString::number(value);
}

QString hexNotation(QStringView colourText) {
    const auto value = static_cast<std::uint32_t>(colourInteger(colourText));
    QString digits = QString::number(value, 16).toUpper();
    if (digits.size() < 6)
        return digits.rightJustified(6, u'0');
    return digits.left(6);
}

QString notationText(QStringView colourText, const QString& notation) {
    if (notation == kDec)
        return decimalText(colourInteger(colourText));
    if (notation == kHex)
        return hexNotation(colourText);
    if (notation == kRgb)
        return colourText.toString();
    return {};
}

QString allColoursText(QStringView colour1, QStringView colour2, QStringView colour3, const QString& notation) {
    return notationText(colour1, notation) + QStringLiteral(" | ") + notationText(colour2, notation) +
           QStringLiteral(" | ") + notationText(colour3, notation);
}

QString colourTextOf(std::int32_t colourInteger) {
    const auto value = static_cast<std::uint32_t>(colourInteger);
    return QStringLiteral("%1,%2,%3").arg(value & 0xFFu).arg((value >> 8) & 0xFFu).arg((value >> 16) & 0xFFu);
}

} // namespace colour
