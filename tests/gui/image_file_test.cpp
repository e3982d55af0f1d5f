#include "gui/image_file.h"
#include "gui/images.h"

#include "support/working_folder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------------------------
// Fixture files, written byte by byte so every field is known

void put16(QByteArray& out, quint32 value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void set32(QByteArray& bytes, int at, quint32 value) {
    QByteArray field;
    put32(field, value);
    bytes.replace(at, 4, field);
}

// A 40-byte BITMAPINFOHEADER.
QByteArray infoHeader(qint32 width, qint32 height, int bits, quint32 compression, quint32 coloursUsed) {
    QByteArray h;
    put32(h, 40);
    put32(h, quint32(width));
    put32(h, quint32(height));
    put16(h, 1);
    put16(h, quint32(bits));
    put32(h, compression);
    put32(h, 0); // image size, allowed to be 0 for uncompressed rows
    put32(h, 2835);
    put32(h, 2835);
    put32(h, coloursUsed);
    put32(h, 0);
    return h;
}

// A BMP file: file header, info header, palette, rows exactly as given.
QByteArray bmpFile(qint32 width, qint32 height, int bits, const QByteArray& palette, const QByteArray& rows,
                   quint32 coloursUsed = 0) {
    const QByteArray info = infoHeader(width, height, bits, 0, coloursUsed);
    QByteArray file("BM");
    put32(file, quint32(14 + info.size() + palette.size() + rows.size()));
    put32(file, 0);
    put32(file, quint32(14 + info.size() + palette.size()));
    return file + info + palette + rows;
}

// An icon file with one image whose data follows the six-byte header and the one directory entry.
QByteArray icoFile(int width, int height, int bits, const QByteArray& imageData) {
    QByteArray file;
    put16(file, 0);
    put16(file, 1);
    put16(file, 1);
    file.append(char(width & 0xFF));
    file.append(char(height & 0xFF));
    file.append(char(0));
    file.append(char(0));
    put16(file, 1);
    put16(file, quint32(bits));
    put32(file, quint32(imageData.size()));
    put32(file, 22);
    return file + imageData;
}

void putBgr(QByteArray& out, QRgb c) {
    out.append(char(qBlue(c)));
    out.append(char(qGreen(c)));
    out.append(char(qRed(c)));
}

void pad(QByteArray& row, char filler) {
    while (row.size() % 4 != 0)
        row.append(filler);
}

// Rows of the picture, stored bottom-up unless 'topDown', each padded to four bytes with a filler that must
// never show up in a pixel.
QByteArray rows24(const QImage& picture, bool topDown = false) {
    QByteArray out;
    for (int i = 0; i < picture.height(); ++i) {
        const int y = topDown ? i : picture.height() - 1 - i;
        QByteArray row;
        for (int x = 0; x < picture.width(); ++x)
            putBgr(row, picture.pixel(x, y));
        pad(row, char(0xEE));
        out += row;
    }
    return out;
}

// BGRA rows; the fourth byte comes from the picture's alpha.
QByteArray rows32(const QImage& picture, bool topDown = false) {
    QByteArray out;
    for (int i = 0; i < picture.height(); ++i) {
        const int y = topDown ? i : picture.height() - 1 - i;
        for (int x = 0; x < picture.width(); ++x) {
            putBgr(out, picture.pixel(x, y));
            out.append(char(qAlpha(picture.pixel(x, y))));
        }
    }
    return out;
}

// The 1-bit AND mask of an icon, bottom-up, a set bit for each pixel 'transparent' names.
QByteArray andMask(int width, int height, const std::function<bool(int, int)>& transparent) {
    QByteArray out;
    for (int i = 0; i < height; ++i) {
        const int y = height - 1 - i;
        QByteArray row((width + 7) / 8, '\0');
        for (int x = 0; x < width; ++x)
            if (transparent(x, y))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        pad(row, '\0');
        out += row;
    }
    return out;
}

QImage pictureOf(int width, int height, const std::function<QRgb(int, int)>& colour) {
    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, colour(x, y));
    return picture;
}

QByteArray pngBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, "PNG"));
    return bytes;
}

// The 24-bit 3 × 2 picture: rows are 9 bytes plus 3 of padding.
QImage smallPicture() {
    const QRgb colours[2][3] = {{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
                                {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(10, 20, 30)}};
    return pictureOf(3, 2, [&](int x, int y) { return colours[y][x]; });
}

QByteArray bmp24() {
    return bmpFile(3, 2, 24, {}, rows24(smallPicture()));
}

// 32-bit rows whose fourth byte is the unused one a plain BMP leaves at 0.
QImage topDownPicture() {
    return pictureOf(2, 3, [](int x, int y) { return qRgba(40 * x + 200, 70 * y, 33 + x * y, 0); });
}
QByteArray bmp32TopDown() {
    return bmpFile(2, -3, 32, {}, rows32(topDownPicture(), true));
}

// An 8-bit picture with a three-colour palette; 5 wide, so every row carries 3 padding bytes.
const QRgb kPalette[3] = {qRgb(12, 34, 56), qRgb(250, 128, 1), qRgb(0, 200, 100)};
int paletteIndex(int x, int y) {
    return (x + 2 * y) % 3;
}

QByteArray bmp8() {
    QByteArray palette;
    for (QRgb c : kPalette) {
        putBgr(palette, c);
        palette.append(char(0));
    }
    QByteArray rows;
    for (int y = 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < 5; ++x)
            row.append(char(paletteIndex(x, y)));
        pad(row, '\0');
        rows += row;
    }
    return bmpFile(5, 2, 8, palette, rows, 3);
}

// A 16 × 16 icon with real alpha: every alpha from fully transparent to opaque occurs.
QImage iconPicture() {
    return pictureOf(16, 16, [](int x, int y) { return qRgba(x * 16, y * 16, (x + y) * 7, (x * 16 + y) & 0xFF); });
}

QByteArray ico32() {
    const QImage picture = iconPicture();
    // The mask marks half the pixels transparent; with real alpha present it must not matter.
    const QByteArray image =
        infoHeader(16, 32, 32, 0, 0) + rows32(picture) + andMask(16, 16, [](int x, int y) { return (x + y) % 2 == 0; });
    return icoFile(16, 16, 32, image);
}

// A 24-bit 4 × 4 icon: no alpha of its own, so the AND mask decides what is transparent.
QImage maskedPicture() {
    return pictureOf(4, 4, [](int x, int y) { return qRgb(60 * x, 60 * y, 90); });
}
bool maskedTransparent(int x, int y) {
    return x == y || (x == 3 && y == 0);
}

QByteArray ico24Masked() {
    const QByteArray image = infoHeader(4, 8, 24, 0, 0) + rows24(maskedPicture()) + andMask(4, 4, maskedTransparent);
    return icoFile(4, 4, 24, image);
}

QImage pngPicture() {
    return pictureOf(5, 3, [](int x, int y) { return qRgba(50 * x, 100 * y, 7 + x + y, x == 0 ? 255 : 60 * x); });
}

QByteArray icoPng() {
    return icoFile(5, 3, 32, pngBytes(pngPicture()));
}
QByteArray barePng() {
    return pngBytes(pngPicture());
}

// Compares every pixel, alpha included.
void expectPixels(const QImage& decoded, const QImage& expected) {
    ASSERT_FALSE(decoded.isNull());
    ASSERT_EQ(decoded.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            ASSERT_EQ(decoded.pixel(x, y), expected.pixel(x, y)) << "at " << x << "," << y;
}

// ---------------------------------------------------------------------------------------------------------------
// Valid files

struct ValidCase {
    const char* title;
    QByteArray (*file)();
    QImage (*expected)();
};

QImage opaque(const QImage& picture) {
    return pictureOf(picture.width(), picture.height(),
                     [&](int x, int y) { return picture.pixel(x, y) | 0xFF000000u; });
}

const ValidCase kValidCases[] = {
    {"bmp_24_bottom_up", bmp24,
     [] {
         return opaque(smallPicture());
     }},
    // A plain BMP's fourth byte is unused: it must neither make pixels transparent nor darken them.
    {"bmp_32_top_down", bmp32TopDown,
     [] {
         return opaque(topDownPicture());
     }},
    {"bmp_8_palette", bmp8,
     [] {
         return pictureOf(5, 2, [](int x, int y) { return kPalette[paletteIndex(x, y)]; });
     }},
    {"ico_32_alpha", ico32, iconPicture},
    {"ico_24_and_mask", ico24Masked,
     [] {
         const QImage picture = maskedPicture();
         return pictureOf(4, 4, [&](int x, int y) {
             return maskedTransparent(x, y) ? qRgba(0, 0, 0, 0) : picture.pixel(x, y) | 0xFF000000u;
         });
     }},
    {"ico_png", icoPng, pngPicture},
    {"bare_png", barePng, pngPicture},
};

void PrintTo(const ValidCase& c, std::ostream* os) {
    *os << c.title;
}

class ValidFiles : public ::testing::TestWithParam<ValidCase> {};

TEST_P(ValidFiles, DecodeToExactPixels) {
    expectPixels(gui::decodeImageFile(GetParam().file()), GetParam().expected());
}

// Nothing short of the whole file may give a picture: a cut anywhere means the rows that are left are not
// all there, or a declared length no longer fits.
TEST_P(ValidFiles, EveryTruncationGivesNull) {
    const QByteArray full = GetParam().file();
    ASSERT_FALSE(gui::decodeImageFile(full).isNull());
    std::vector<qsizetype> decodedLengths;
    for (qsizetype length = 0; length < full.size(); ++length)
        if (!gui::decodeImageFile(full.left(length)).isNull())
            decodedLengths.push_back(length);
    EXPECT_TRUE(decodedLengths.empty()) << "a picture from " << ::testing::PrintToString(decodedLengths) << " of "
                                        << full.size() << " bytes";
}

// A flipped bit in the headers may make the file unreadable or change what it shows, but never crashes and
// never yields a picture larger than the decoder allows.
TEST_P(ValidFiles, BitFlipsInTheHeadersNeverCrash) {
    const QByteArray full = GetParam().file();
    const qsizetype headerBytes = std::min<qsizetype>(full.size(), 80);
    for (qsizetype at = 0; at < headerBytes; ++at)
        for (int bit = 0; bit < 8; ++bit) {
            QByteArray flipped = full;
            flipped[at] = char(flipped[at] ^ (1 << bit));
            const QImage decoded = gui::decodeImageFile(flipped);
            if (decoded.isNull())
                continue;
            EXPECT_GE(decoded.width(), 1);
            EXPECT_GE(decoded.height(), 1);
            EXPECT_LE(decoded.width(), gui::kMaxImageSide) << at << ":" << bit;
            EXPECT_LE(decoded.height(), gui::kMaxImageSide) << at << ":" << bit;
        }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ValidFiles, ::testing::ValuesIn(kValidCases),
                         [](const ::testing::TestParamInfo<ValidCase>& info) { return std::string(info.param.title); });

TEST(ImageFile, EveryIconOfTheIconSetDecodes) {
    const QDir gfx(testing_support::assetsPath() + QStringLiteral("/gfx"));
    const QStringList names = gfx.entryList({QStringLiteral("*.ico")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << gfx.path().toStdString();
    for (const QString& name : names) {
        QFile file(gfx.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QImage decoded = gui::decodeImageFile(file.readAll());
        EXPECT_FALSE(decoded.isNull()) << name.toStdString();
        EXPECT_GE(decoded.width(), 16) << name.toStdString();
        EXPECT_GE(decoded.height(), 16) << name.toStdString();
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Files that lie or are not images at all

struct BadCase {
    const char* title;
    QByteArray (*file)();
};

QByteArray withField(QByteArray bytes, int at, quint32 value) {
    set32(bytes, at, value);
    return bytes;
}

// Offsets into a BMP: width 18, height 22, bits 28, compression 30, pixel data offset 10, colours used 46.
// Into an icon file: the directory entry's size at 14 and offset at 18, the bitmap header from 22.
const BadCase kBadCases[] = {
    {"empty",
     [] {
         return QByteArray();
     }},
    {"garbage",
     [] {
         return QByteArray("this is no picture at all, just some text bytes.....");
     }},
    {"bm_only",
     [] {
         return QByteArray("BM");
     }},
    {"png_signature_only",
     [] {
         return QByteArray("\x89PNG\r\n\x1A\n", 8);
     }},
    {"bmp_huge",
     [] {
         return withField(withField(bmp24(), 18, 100000), 22, 100000);
     }},
    {"bmp_negative_width",
     [] {
         return withField(bmp24(), 18, quint32(-3));
     }},
    {"bmp_zero_width",
     [] {
         return withField(bmp24(), 18, 0);
     }},
    {"bmp_zero_height",
     [] {
         return withField(bmp24(), 22, 0);
     }},
    {"bmp_16_bits",
     [] {
         QByteArray b = bmp24();
         b[28] = 16;
         return b;
     }},
    {"bmp_rle_compression",
     [] {
         return withField(bmp24(), 30, 1);
     }},
    {"bmp_pixels_past_end",
     [] {
         return withField(bmp24(), 10, 1000);
     }},
    {"bmp_pixels_inside_header",
     [] {
         return withField(bmp24(), 10, 20);
     }},
    {"bmp_taller_than_data",
     [] {
         return withField(bmp24(), 22, 3);
     }},
    // Index 2 is used, but the palette declares only two colours.
    {"bmp_index_past_palette",
     [] {
         return withField(bmp8(), 46, 2);
     }},
    {"ico_offset_past_end",
     [] {
         return withField(ico32(), 18, 5000);
     }},
    {"ico_size_past_end",
     [] {
         QByteArray b = ico32();
         return withField(b, 14, quint32(b.size()));
     }},
    {"ico_size_wraps",
     [] {
         return withField(ico32(), 14, 0xFFFFFFFFu);
     }},
    {"ico_offset_inside_directory",
     [] {
         return withField(ico32(), 18, 6);
     }},
    {"ico_no_images",
     [] {
         QByteArray b = ico32();
         b[4] = 0;
         return b;
     }},
    // The bitmap is all in the file, but the entry's size cuts it short: only the entry's bytes count.
    {"ico_entry_shorter_than_bitmap",
     [] {
         QByteArray b = ico32();
         return withField(b, 14, quint32(b.size() - 22 - 1));
     }},
    {"ico_bitmap_huge",
     [] {
         return withField(withField(ico32(), 22 + 4, 100000), 22 + 8, 200000);
     }},
    // The PNG inside lacks its end chunk; the directory's size matches what is there.
    {"ico_png_without_end_chunk",
     [] {
         return icoFile(5, 3, 32, barePng().chopped(12));
     }},
    {"ico_png_broken",
     [] {
         QByteArray b = icoPng();
         b[22 + 20] = char(b[22 + 20] ^ 0xFF); // inside the header chunk, whose checksum now fails
         return b;
     }},
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.title;
}

class BadFiles : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadFiles, DecodeToNull) {
    EXPECT_TRUE(gui::decodeImageFile(GetParam().file()).isNull());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, BadFiles, ::testing::ValuesIn(kBadCases),
                         [](const ::testing::TestParamInfo<BadCase>& info) { return std::string(info.param.title); });

// ---------------------------------------------------------------------------------------------------------------
// Loading by number

constexpr int kTestImage = 901;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(LoadImageFile, LoadsADecodedFileUnderItsNumber) {
    const testing_support::WorkingFolder folder;
    writeFile(folder.filePath(QStringLiteral("bild.ico")), ico32());
    gui::loadImageFile(kTestImage, folder.filePath(QStringLiteral("bild.ico")));
    expectPixels(gui::image(kTestImage), iconPicture());
    gui::freeAllImages();
}

struct FailedLoadCase {
    const char* title;
    QByteArray (*content)(); // nullptr: no file at all
};

void PrintTo(const FailedLoadCase& c, std::ostream* os) {
    *os << c.title;
}

class FailedLoads : public ::testing::TestWithParam<FailedLoadCase> {};

// A failed load replaces whatever picture the number had before with an empty one.
TEST_P(FailedLoads, LeaveTheImageEmpty) {
    const testing_support::WorkingFolder folder;
    const QString good = folder.filePath(QStringLiteral("gut.bmp"));
    const QString bad = folder.filePath(QStringLiteral("schlecht.ico"));
    writeFile(good, bmp24());
    if (GetParam().content)
        writeFile(bad, GetParam().content());
    gui::loadImageFile(kTestImage, good);
    ASSERT_FALSE(gui::image(kTestImage).isNull());
    gui::loadImageFile(kTestImage, bad);
    EXPECT_TRUE(gui::image(kTestImage).isNull());
    gui::freeAllImages();
}

INSTANTIATE_TEST_SUITE_P(Files, FailedLoads,
                         ::testing::Values(FailedLoadCase{"missing", nullptr},
                                           FailedLoadCase{"empty",
                                                          [] {
                                                              return QByteArray();
                                                          }},
                                           FailedLoadCase{"garbage",
                                                          [] {
                                                              return QByteArray(300, '\x5A');
                                                          }},
                                           FailedLoadCase{"truncated_icon",
                                                          [] {
                                                              return ico32().left(100);
                                                          }}),
                         [](const ::testing::TestParamInfo<FailedLoadCase>& info) {
                             return std::string(info.param.title);
                         });

} // namespace
