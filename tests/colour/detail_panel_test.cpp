#include "app/ids.h"
#include "colour/detail_panel.h"
#include "gui/clipboard.h"
#include "gui/controls.h"
#include "gui/images.h"
#include "gui/list_view.h"
#include "gui/windows.h"
#include "support/program.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using testing_support::entry;
using testing_support::Entry;
using testing_support::Program;

// ---------------------------------------------------------------------------------------------------------------
// Detail text

struct DetailTextCase {
    const char* title;
    Entry first;
    QString expected;
};

void PrintTo(const DetailTextCase& c, std::ostream* os) {
    *os << c.title;
}

class DetailTextTable : public ::testing::TestWithParam<DetailTextCase> {};

TEST_P(DetailTextTable, ShowsTheSelectedFirstEntry) {
    const DetailTextCase& c = GetParam();
    // A second entry makes sure the text follows the selection rather than the last row read.
    Program program({c.first, entry("Zweite", "Andere", "Blau", "0,0,255", "1,1,1", "2,2,2")});
    program.settle();
    ASSERT_EQ(gui::selectedListRow(ids::kEntryList), 0);
    EXPECT_EQ(gui::controlText(ids::kDetailText), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, DetailTextTable,
    ::testing::Values(DetailTextCase{"plain", entry("Natur", "Herbst", "Laub", "255,128,0", "10,20", ""),
                                     "Laub\r\nKategorie: Natur\r\nPallette: Herbst\r\nFarbe 1: RGB(255,128,0)\r\n"
                                     "Farbe 2: RGB(10,20)\r\nFarbe 3: RGB()"},
                      // Missing (NULL) columns read as empty texts.
                      DetailTextCase{
                          "nulls",
                          Entry{QStringLiteral("K"), std::nullopt, std::nullopt, QStringLiteral("1,2,3"), std::nullopt,
                                std::nullopt},
                          "\r\nKategorie: K\r\nPallette: \r\nFarbe 1: RGB(1,2,3)\r\nFarbe 2: RGB()\r\nFarbe 3: RGB()"},
                      // The field shows rich text, yet markup and odd colour texts come back exactly as stored.
                      DetailTextCase{"markup", entry("<b>K</b>", "P&Q", "<i>Rot</i>", " 1, 2 ,3", "$FF", "%11"),
                                     "<i>Rot</i>\r\nKategorie: <b>K</b>\r\nPallette: P&Q\r\nFarbe 1: RGB( 1, 2 ,3)\r\n"
                                     "Farbe 2: RGB($FF)\r\nFarbe 3: RGB(%11)"}),
    [](const ::testing::TestParamInfo<DetailTextCase>& info) { return std::string(info.param.title); });

TEST(DetailPanel, TextFollowsANewSelection) {
    Program program(
        {entry("A", "B", "Erste", "1,1,1", "2,2,2", "3,3,3"), entry("C", "D", "Zweite", "4,4,4", "5,5,5", "6,6,6")});
    program.settle();
    gui::selectListRow(ids::kEntryList, 1);
    program.settle();
    EXPECT_EQ(gui::controlText(ids::kDetailText),
              QStringLiteral("Zweite\r\nKategorie: C\r\nPallette: D\r\nFarbe 1: "
                             "RGB(4,4,4)\r\nFarbe 2: RGB(5,5,5)\r\nFarbe 3: RGB(6,6,6)"));
}

// ---------------------------------------------------------------------------------------------------------------
// Preview image

// The three blocks of the 530 × 150 preview and the corner their label is drawn at.
struct Block {
    QRect area;
    QPoint labelCorner;
};
const Block kBlocks[3] = {{QRect(0, 0, 200, 150), QPoint(0, 0)},
                          {QRect(200, 0, 330, 75), QPoint(200, 0)},
                          {QRect(200, 75, 330, 75), QPoint(200, 75)}};

// A one-digit label is far smaller than this; anything that differs from the fill must stay inside it.
constexpr int kLabelZone = 40;

bool isWhite(QRgb p) {
    return (p & 0xFFFFFFu) == 0xFFFFFFu;
}
bool isDark(QRgb p) {
    return qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80;
}

// Checks one block: every pixel outside its label's box has the fill colour (any one colour when 'fill' is
// not given), the label box starts at the block's corner, and it holds white and dark pixels.
void expectBlock(const QImage& preview, const Block& block, std::optional<QRgb> fill, const char* what) {
    SCOPED_TRACE(what);
    const QRgb expected = fill ? (*fill & 0xFFFFFFu) : (preview.pixel(block.area.bottomRight()) & 0xFFFFFFu);
    const QRect zone(block.labelCorner, QSize(kLabelZone, kLabelZone));

    QRect differing; // the bounding box of the pixels that differ from the fill
    int wrongOutsideZone = 0;
    for (int y = block.area.top(); y <= block.area.bottom(); ++y)
        for (int x = block.area.left(); x <= block.area.right(); ++x) {
            if ((preview.pixel(x, y) & 0xFFFFFFu) == expected)
                continue;
            if (zone.contains(x, y))
                differing |= QRect(x, y, 1, 1);
            else
                ++wrongOutsideZone;
        }
    EXPECT_EQ(wrongOutsideZone, 0) << "fill " << std::hex << expected;
    ASSERT_FALSE(differing.isEmpty()) << "no label drawn";
    // The label's opaque white box starts right at the corner, unless the fill is white itself.
    if (!isWhite(expected)) {
        EXPECT_EQ(differing.topLeft(), block.labelCorner);
    }

    bool white = false;
    bool dark = false;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x) {
            white = white || isWhite(preview.pixel(x, y));
            dark = dark || isDark(preview.pixel(x, y));
        }
    EXPECT_TRUE(white) << "label box not white";
    EXPECT_TRUE(dark) << "label text not dark";
}

struct PreviewCase {
    const char* title;
    const char* colours[3];
    std::optional<QRgb> fills[3]; // std::nullopt: any one colour
};

void PrintTo(const PreviewCase& c, std::ostream* os) {
    *os << c.title;
}

class PreviewTable : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(PreviewTable, PaintsThreeBlocksWithReadableLabels) {
    const PreviewCase& c = GetParam();
    Program program({entry("K", "P", "N", QString::fromLatin1(c.colours[0]), QString::fromLatin1(c.colours[1]),
                           QString::fromLatin1(c.colours[2]))});
    program.settle();
    const QImage& preview = gui::image(ids::kPreviewImage);
    ASSERT_EQ(preview.size(), QSize(530, 150));
    const char* names[3] = {"colour 1", "colour 2", "colour 3"};
    for (int i = 0; i < 3; ++i)
        expectBlock(preview, kBlocks[i], c.fills[i], names[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, PreviewTable,
    ::testing::Values(PreviewCase{"orange_short_empty",
                                  {"255,128,0", "10,20", ""},
                                  {qRgb(255, 128, 0), qRgb(10, 20, 0), qRgb(0, 0, 0)}},
                      PreviewCase{"all_white",
                                  {"255,255,255", "255,255,255", "255,255,255"},
                                  {qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(255, 255, 255)}},
                      PreviewCase{"all_black", {"0,0,0", "abc", ""}, {qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0)}},
                      // A component above 255 carries into the next one; only the absence of a crash and a
                      // uniform block are required of it.
                      PreviewCase{"out_of_range",
                                  {"300,0,0", "0,0,255", "$FF,%1,0"},
                                  {std::nullopt, qRgb(0, 0, 255), qRgb(255, 1, 0)}}),
    [](const ::testing::TestParamInfo<PreviewCase>& info) { return std::string(info.param.title); });

TEST(DetailPanel, EmptyCollectionShowsColumnTitlesAndBlack) {
    Program program(std::vector<Entry>{});
    program.settle();
    ASSERT_EQ(gui::selectedListRow(ids::kEntryList), -1);
    EXPECT_EQ(gui::controlText(ids::kDetailText),
              QStringLiteral("Name\r\nKategorie: Kategorie\r\nPallette: Pallette\r\nFarbe 1: RGB(Farbe 1)\r\n"
                             "Farbe 2: RGB(Farbe 2)\r\nFarbe 3: RGB(Farbe 3)"));
    const QImage& preview = gui::image(ids::kPreviewImage);
    ASSERT_EQ(preview.size(), QSize(530, 150));
    for (const Block& block : kBlocks)
        expectBlock(preview, block, qRgb(0, 0, 0), "black block");
}

TEST(DetailPanel, PreviewControlKeepsFullSizeAfterAResize) {
    Program program({entry("K", "P", "N", "1,2,3", "4,5,6", "7,8,9")});
    program.settle();
    gui::setWindowInnerSize(ids::kMainWindow, {700, 500});
    program.settle();
    // The resize handler squeezes the preview control into the layout's place first.
    const QRect squeezed = gui::controlGeometry(ids::kColourPreview);
    ASSERT_LT(squeezed.width(), 530);
    ASSERT_LT(squeezed.height(), 150);

    colour::refreshDetails();
    const QRect refreshed = gui::controlGeometry(ids::kColourPreview);
    EXPECT_EQ(refreshed.size(), QSize(530, 150));
    EXPECT_EQ(refreshed.topLeft(), squeezed.topLeft());
}

// ---------------------------------------------------------------------------------------------------------------
// Copy commands

struct CopyCase {
    int command;
    const char* withEntry;  // the entry "255,0,0", "0,255,0", "0,0,255" selected
    const char* withoutRow; // no row selected: the column titles stand in
};

const CopyCase kCopyCases[] = {
    {ids::kCmdCopy1Dec, "255", "0"},
    {ids::kCmdCopy1Rgb, "255,0,0", "Farbe 1"},
    {ids::kCmdCopy1Hex, "0000FF", "000000"},
    {ids::kCmdCopy2Dec, "65280", "0"},
    {ids::kCmdCopy2Rgb, "0,255,0", "Farbe 2"},
    {ids::kCmdCopy2Hex, "00FF00", "000000"},
    {ids::kCmdCopy3Dec, "16711680", "0"},
    {ids::kCmdCopy3Rgb, "0,0,255", "Farbe 3"},
    {ids::kCmdCopy3Hex, "FF0000", "000000"},
    {ids::kCmdCopyAllDec, "255 | 65280 | 16711680", "0 | 0 | 0"},
    {ids::kCmdCopyAllRgb, "255,0,0 | 0,255,0 | 0,0,255", "Farbe 1 | Farbe 2 | Farbe 3"},
    {ids::kCmdCopyAllHex, "0000FF | 00FF00 | FF0000", "000000 | 000000 | 000000"},
};

// Runs each copy command through the real event dispatch and reads what it left on the clipboard.
void expectCopies(Program& program, bool rowSelected) {
    for (const CopyCase& c : kCopyCases) {
        const QString sentinel = QStringLiteral("nicht kopiert");
        gui::setClipboardText(sentinel);
        gui::postEvent(gui::commandEvent(c.command));
        program.settle();
        EXPECT_EQ(gui::clipboardText(), QString::fromLatin1(rowSelected ? c.withEntry : c.withoutRow))
            << "command " << c.command;
    }
}

TEST(CopyCommands, CopyTheSelectedEntrysColours) {
    Program program({entry("K", "P", "N", "255,0,0", "0,255,0", "0,0,255")});
    program.settle();
    ASSERT_EQ(gui::selectedListRow(ids::kEntryList), 0);
    expectCopies(program, true);
}

TEST(CopyCommands, WithoutASelectedRowCopyTheColumnTitles) {
    Program program(std::vector<Entry>{});
    program.settle();
    ASSERT_EQ(gui::selectedListRow(ids::kEntryList), -1);
    expectCopies(program, false);
}

} // namespace
