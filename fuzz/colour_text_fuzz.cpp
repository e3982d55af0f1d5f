// Feeds arbitrary texts to the colour-text rules and checks the properties every colour text keeps.
#include "colour/notation.h"

#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    // Odd bytes become one more UTF-16 unit, so lone surrogates and every code unit are reachable.
    const QString text = QStringView(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2)).toString();

    const std::int32_t integer = colour::colourInteger(text);
    const QString hex = colour::hexNotation(text);
    require(hex.size() == 6);
    for (QChar c : hex)
        require((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'));
    require(colour::notationText(text, colour::kDec) == QString::number(integer));
    require(colour::notationText(text, colour::kRgb) == text);

    // The colour text of any colour integer is in written form and reads back to the same low 24 bits.
    const QString written = colour::colourTextOf(integer);
    require(colour::colourInteger(written) == (integer & 0xFFFFFF));
    require(colour::colourTextOf(colour::colourInteger(written)) == written);

    // A number written in decimal reads back as itself.
    const std::int32_t number = colour::readNumber(text);
    require(colour::readNumber(colour::decimalText(number)) == number);

    const QString all = colour::allColoursText(text, text, text, colour::kHex);
    require(all == hex + QStringLiteral(" | ") + hex + QStringLiteral(" | ") + hex);
    return 0;
}
