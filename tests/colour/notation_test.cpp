#include "colour/notation.h"

#include <gtest/gtest.h>

namespace {

struct ColourCase {
    const char16_t* text;
    std::int32_t integer;
    const char* hex;
};

class ColourTable : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourTable, IntegerDecimalAndHex) {
    const ColourCase& c = GetParam();
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(colour::colourInteger(text), c.integer) << text.toStdString();
    EXPECT_EQ(colour::notationText(text, colour::kDec), QString::number(c.integer));
    EXPECT_EQ(colour::notationText(text, colour::kHex), QString::fromLatin1(c.hex));
    EXPECT_EQ(colour::notationText(text, colour::kRgb), text);
}

INSTANTIATE_TEST_SUITE_P(
    KnownColours, ColourTable,
    ::testing::Values(ColourCase{u"255,0,0", 255, "0000FF"}, ColourCase{u"0,255,0", 65280, "00FF00"},
                      ColourCase{u"0,0,255", 16711680, "FF0000"}, ColourCase{u"255,255,255", 16777215, "FFFFFF"},
                      ColourCase{u"0,0,0", 0, "000000"}, ColourCase{u"18,52,86", 5649426, "563412"},
                      ColourCase{u"255,128,0", 33023, "0080FF"}, ColourCase{u"300,0,0", 300, "00012C"},
                      ColourCase{u"0,0,256", 16777216, "100000"}, ColourCase{u"-1,0,0", -1, "FFFFFF"},
                      ColourCase{u"255,255", 65535, "00FFFF"}, ColourCase{u"1,2,3,4", 197121, "030201"},
                      ColourCase{u"$FF,0,0", 255, "0000FF"}, ColourCase{u"12abc,7,9", 591628, "09070C"},
                      ColourCase{u"abc", 0, "000000"}, ColourCase{u"", 0, "000000"},
                      ColourCase{u" 12, 34 ,56", 3678732, "38220C"}));

} // namespace
