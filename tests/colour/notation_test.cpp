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

namespace {

struct NumberCase {
    const char16_t* text;
    std::int32_t value;
};

class ReadNumberTable : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumberTable, ReadsTheForgivingWay) {
    const NumberCase& c = GetParam();
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(colour::readNumber(text), c.value) << '"' << text.toStdString() << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Blanks, ReadNumberTable,
    ::testing::Values(NumberCase{u"  5", 5}, NumberCase{u"\t7", 7}, NumberCase{u" \t 9", 9}, NumberCase{u"5 ", 5},
                      NumberCase{u"1 2", 1},
                      // Only spaces and tabs are skipped; any other blank ends the number before it starts.
                      NumberCase{u"\n5", 0}, NumberCase{u"\r5", 0}, NumberCase{u"\u00A05", 0}));

INSTANTIATE_TEST_SUITE_P(Signs, ReadNumberTable,
                         ::testing::Values(NumberCase{u"-5", -5}, NumberCase{u"+5", 5}, NumberCase{u" -5", -5},
                                           NumberCase{u"+-5", 0}, NumberCase{u"--5", 0}, NumberCase{u"- 5", 0},
                                           NumberCase{u"-", 0}, NumberCase{u"-0", 0}));

INSTANTIATE_TEST_SUITE_P(Bases, ReadNumberTable,
                         ::testing::Values(NumberCase{u"$ff", 255}, NumberCase{u"$FF", 255}, NumberCase{u"$fF", 255},
                                           NumberCase{u"$ffg", 255}, NumberCase{u"-$10", -16}, NumberCase{u"$", 0},
                                           NumberCase{u"%101", 5}, NumberCase{u"%102", 2}, NumberCase{u"%2", 0},
                                           NumberCase{u"0x10", 0}, NumberCase{u"ff", 0}, NumberCase{u"12abc", 12},
                                           NumberCase{u"007", 7}, NumberCase{u"", 0}, NumberCase{u"abc", 0}));

INSTANTIATE_TEST_SUITE_P(WrapAround, ReadNumberTable,
                         ::testing::Values(NumberCase{u"2147483647", 2147483647}, NumberCase{u"2147483648", INT32_MIN},
                                           NumberCase{u"4294967295", -1}, NumberCase{u"4294967296", 0},
                                           NumberCase{u"4294967301", 5}, NumberCase{u"-2147483648", INT32_MIN},
                                           NumberCase{u"-4294967295", 1}, NumberCase{u"$FFFFFFFF", -1},
                                           NumberCase{u"$100000000", 0},
                                           NumberCase{u"99999999999999999999", 1661992959}));

struct ColourTextCase {
    std::int32_t integer;
    const char* text;
};

class ColourTextOfTable : public ::testing::TestWithParam<ColourTextCase> {};

TEST_P(ColourTextOfTable, UsesTheLowThreeBytes) {
    const ColourTextCase& c = GetParam();
    EXPECT_EQ(colour::colourTextOf(c.integer), QString::fromLatin1(c.text)) << c.integer;
}

INSTANTIATE_TEST_SUITE_P(Integers, ColourTextOfTable,
                         ::testing::Values(ColourTextCase{16711680, "0,0,255"}, ColourTextCase{0, "0,0,0"},
                                           ColourTextCase{33023, "255,128,0"}, ColourTextCase{-1, "255,255,255"},
                                           ColourTextCase{255, "255,0,0"}, ColourTextCase{65280, "0,255,0"},
                                           ColourTextCase{0x12345678, "120,86,52"}, ColourTextCase{INT32_MIN, "0,0,0"},
                                           ColourTextCase{16777216, "0,0,0"}));

struct AllColoursCase {
    const char* colour1;
    const char* colour2;
    const char* colour3;
    QString notation;
    const char* expected;
};

class AllColoursTable : public ::testing::TestWithParam<AllColoursCase> {};

TEST_P(AllColoursTable, JoinsThreeNotationTexts) {
    const AllColoursCase& c = GetParam();
    EXPECT_EQ(colour::allColoursText(QString::fromLatin1(c.colour1), QString::fromLatin1(c.colour2),
                                     QString::fromLatin1(c.colour3), c.notation),
              QString::fromLatin1(c.expected))
        << c.notation.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    PrimaryColours, AllColoursTable,
    ::testing::Values(AllColoursCase{"255,0,0", "0,255,0", "0,0,255", colour::kDec, "255 | 65280 | 16711680"},
                      AllColoursCase{"255,0,0", "0,255,0", "0,0,255", colour::kHex, "0000FF | 00FF00 | FF0000"},
                      AllColoursCase{"255,0,0", "0,255,0", "0,0,255", colour::kRgb, "255,0,0 | 0,255,0 | 0,0,255"}));

// With no row selected the commands copy the column titles of row -1.
INSTANTIATE_TEST_SUITE_P(
    ColumnTitles, AllColoursTable,
    ::testing::Values(AllColoursCase{"Farbe 1", "Farbe 2", "Farbe 3", colour::kDec, "0 | 0 | 0"},
                      AllColoursCase{"Farbe 1", "Farbe 2", "Farbe 3", colour::kHex, "000000 | 000000 | 000000"},
                      AllColoursCase{"Farbe 1", "Farbe 2", "Farbe 3", colour::kRgb, "Farbe 1 | Farbe 2 | Farbe 3"}));

TEST(Notation, UnknownNotationGivesEmptyText) {
    // Notations are compared exactly, so neither case nor spelling variants are accepted.
    for (const QString& notation :
         {QStringLiteral("dec"), QStringLiteral("Hex"), QStringLiteral("rgb"), QStringLiteral("DEC "), QString()}) {
        EXPECT_TRUE(colour::notationText(u"255,0,0", notation).isEmpty()) << notation.toStdString();
        EXPECT_EQ(colour::allColoursText(u"255,0,0", u"0,255,0", u"0,0,255", notation), QStringLiteral(" |  | "));
    }
}

TEST(Notation, DecimalTextOfExtremes) {
    EXPECT_EQ(colour::decimalText(INT32_MIN), QStringLiteral("-2147483648"));
    EXPECT_EQ(colour::decimalText(INT32_MAX), QStringLiteral("2147483647"));
    EXPECT_EQ(colour::decimalText(-1), QStringLiteral("-1"));
    EXPECT_EQ(colour::decimalText(0), QStringLiteral("0"));
}

TEST(Notation, ColourTextOfRoundTripsThroughColourInteger) {
    // An odd stride spreads the values over the whole 32-bit range, negatives and high bytes included.
    int checked = 0;
    for (std::int64_t v = INT32_MIN; v <= INT32_MAX; v += 16777259) {
        const auto value = static_cast<std::int32_t>(v);
        ASSERT_EQ(colour::colourInteger(colour::colourTextOf(value)), value & 0xFFFFFF) << value;
        ++checked;
    }
    for (std::int32_t value : {-1, 0, 1, 255, 256, 65535, 65536, 0xFFFFFF, 0x1000000, INT32_MAX, INT32_MIN}) {
        ASSERT_EQ(colour::colourInteger(colour::colourTextOf(value)), value & 0xFFFFFF) << value;
        ++checked;
    }
    for (std::int32_t value = -70000; value <= 70000; value += 7) {
        ASSERT_EQ(colour::colourInteger(colour::colourTextOf(value)), value & 0xFFFFFF) << value;
        ++checked;
    }
    EXPECT_GT(checked, 20000);
}

} // namespace
