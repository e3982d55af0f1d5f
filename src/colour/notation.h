#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

// Colour texts ("r,g,b"), colour integers (red + 256 × green + 65536 × blue) and the three copy notations.
// Everything here is pure, so the whole table of colour cases can be tested without a window.
namespace colour {

// The notation literals the dispatcher passes; they are compared exactly.
inline const QString kDec = QStringLiteral("DEC");
inline const QString kHex = QStringLiteral("HEX");
inline const QString kRgb = QStringLiteral("RGB");

// Reads one number the forgiving way stored colours are read: blanks, one sign, "$" hex or "%" binary,
// digits up to the first non-digit, 32-bit wrap-around. A text without digits reads 0.
std::int32_t readNumber(QStringView text);

// The colour integer of any colour text; components are neither clamped nor masked, so they may carry.
std::int32_t colourInteger(QStringView colourText);

// Signed decimal digits, "-" for negatives, no grouping.
QString decimalText(std::int32_t value);

// Six upper-case hex digits of the colour integer, zero-padded or cut to the six most significant.
QString hexNotation(QStringView colourText);

// The text one colour copies as in the given notation; an unknown notation gives the empty text.
QString notationText(QStringView colourText, const QString& notation);

// The three notation texts joined by " | ".
QString allColoursText(QStringView colour1, QStringView colour2, QStringView colour3, const QString& notation);

// The "r,g,b" text of the low three bytes of a colour integer, each 0-255.
QString colourTextOf(std::int32_t colourInteger);

} // namespace colour
