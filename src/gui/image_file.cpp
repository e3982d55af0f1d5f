#include "gui/image_file.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <optional>

namespace gui {
namespace {

constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Little-endian readers that answer nothing past the end of the data.
struct Bytes {
    const unsigned char* data;
    qsizetype size;

    std::optional<std::uint32_t> u32(qsizetype at) const {
        if (at < 0 || at + 4 > size)
            return std::nullopt;
        return std::uint32_t(data[at]) | std::uint32_t(data[at + 1]) << 8 | std::uint32_t(data[at + 2]) << 16 |
               std::uint32_t(data[at + 3]) << 24;
    }
    std::optional<std::uint16_t> u16(qsizetype at) const {
        if (at < 0 || at + 2 > size)
            return std::nullopt;
        return std::uint16_t(data[at] | data[at + 1] << 8);
    }
    std::optional<std::int32_t> i32(qsizetype at) const {
        const auto v = u32(at);
        return v ? std::optional<std::int32_t>(static_cast<std::int32_t>(*v)) : std::nullopt;
    }
    Bytes slice(qsizetype at, qsizetype length) const { return {data + at, length}; }
    bool startsWith(const unsigned char* prefix, qsizetype length) const {
        return size >= length && std::memcmp(data, prefix, size_t(length)) == 0;
    }
};

bool sideOk(std::int64_t side) {
    return side > 0 && side <= kMaxImageSide;
}

std::int64_t rowBytes(std::int64_t width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// libpng's simplified reader stops after the pixel data, so a file cut inside its end chunk would still pass.
bool hasPngEnd(Bytes bytes) {
    static const unsigned char end[12] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    const QByteArrayView all(bytes.data, bytes.size);
    return all.lastIndexOf(QByteArrayView(end, sizeof end)) >= 8;
}

QImage decodePng(Bytes bytes) {
    if (!hasPngEnd(bytes))
        return {};
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data, size_t(bytes.size)))
        return {};
    if (!sideOk(png.width) || !sideOk(png.height)) {
        png_image_free(&png);
        return {};
    }
    png.format = PNG_FORMAT_BGRA; // the memory order of QImage::Format_ARGB32 on little-endian machines
    QImage decoded(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (decoded.isNull() ||
        !png_image_finish_read(&png, nullptr, decoded.bits(), png_int_32(decoded.bytesPerLine()), nullptr)) {
        png_image_free(&png);
        return {};
    }
    return decoded;
}

// A device-independent bitmap: header, optional palette, bottom-up (or top-down) rows, and for icons the
// 1-bit transparency mask after the colour rows.
struct DibLayout {
    int width = 0;
    int height = 0; // rows of colour data
    bool topDown = false;
    int bitsPerPixel = 0;
    qsizetype paletteAt = 0;
    int paletteEntries = 0;
    qsizetype pixelsAt = 0;
    bool hasMask = false;
};

std::optional<QRgb> paletteColour(Bytes b, const DibLayout& dib, int index) {
    if (index >= dib.paletteEntries)
        return std::nullopt;
    const qsizetype at = dib.paletteAt + qsizetype(index) * 4;
    if (at + 4 > b.size)
        return std::nullopt;
    return qRgb(b.data[at + 2], b.data[at + 1], b.data[at]);
}

// Decodes rows whose every byte has been checked to lie inside the data.
QImage decodeDibPixels(Bytes b, const DibLayout& dib) {
    QImage decoded(dib.width, dib.height, QImage::Format_ARGB32);
    if (decoded.isNull())
        return {};
    const std::int64_t stride = rowBytes(dib.width, dib.bitsPerPixel);
    const std::int64_t maskStride = rowBytes(dib.width, 1);
    const qsizetype maskAt = dib.pixelsAt + qsizetype(stride * dib.height);
    bool anyAlpha = false;
    for (int y = 0; y < dib.height; ++y) {
        const unsigned char* row = b.data + dib.pixelsAt + stride * y;
        const int targetY = dib.topDown ? y : dib.height - 1 - y;
        auto* out = reinterpret_cast<QRgb*>(decoded.scanLine(targetY));
        for (int x = 0; x < dib.width; ++x) {
            QRgb pixel = 0;
            switch (dib.bitsPerPixel) {
            case 32: {
                const unsigned char* bgra = row + qsizetype(x) * 4;
                pixel = qRgba(bgra[2], bgra[1], bgra[0], bgra[3]);
                anyAlpha = anyAlpha || qAlpha(pixel) != 0;
                break;
            }
            case 24: {
                const unsigned char* bgr = row + qsizetype(x) * 3;
                pixel = qRgb(bgr[2], bgr[1], bgr[0]);
                break;
            }
            default: {
                const int perByte = 8 / dib.bitsPerPixel;
                const int shift = 8 - dib.bitsPerPixel * (x % perByte + 1);
                const int index = (row[x / perByte] >> shift) & ((1 << dib.bitsPerPixel) - 1);
                const auto colour = paletteColour(b, dib, index);
                if (!colour)
                    return {};
                pixel = *colour;
            }
            }
            out[x] = pixel;
        }
    }
    // Icons without real alpha take their transparency from the AND mask.
    if (dib.hasMask && !anyAlpha) {
        for (int y = 0; y < dib.height; ++y) {
            const unsigned char* mask = b.data + maskAt + maskStride * y;
            auto* out = reinterpret_cast<QRgb*>(decoded.scanLine(dib.topDown ? y : dib.height - 1 - y));
            for (int x = 0; x < dib.width; ++x) {
                const bool transparent = (mask[x / 8] >> (7 - x % 8)) & 1;
                out[x] = transparent ? qRgba(0, 0, 0, 0) : (out[x] | 0xFF000000u);
            }
        }
    }
    return decoded;
}

// Reads a BITMAPINFOHEADER at 'at'; 'pixelsAt' is where the rows start, or 0 to take them right after the
// palette (as icon files do).
QImage decodeDib(Bytes b, qsizetype at, qsizetype pixelsAt, bool isIcon) {
    const auto headerSize = b.u32(at);
    const auto width = b.i32(at + 4);
    const auto height = b.i32(at + 8);
    const auto bits = b.u16(at + 14);
    const auto compression = b.u32(at + 16);
    const auto coloursUsed = b.u32(at + 32);
    if (!headerSize || *headerSize < 40 || !width || !height || !bits || !compression || !coloursUsed)
        return {};
    // Only uncompressed rows can be checked against the file's length, so nothing else is taken.
    if (*compression != 0 && !(*compression == 3 && *bits == 32))
        return {};
    DibLayout dib;
    dib.bitsPerPixel = *bits;
    if (dib.bitsPerPixel != 1 && dib.bitsPerPixel != 4 && dib.bitsPerPixel != 8 && dib.bitsPerPixel != 24 &&
        dib.bitsPerPixel != 32)
        return {};
    std::int64_t rows = *height;
    dib.topDown = rows < 0 && !isIcon;
    rows = rows < 0 ? -rows : rows;
    if (isIcon)
        rows /= 2; // the height counts colour rows and mask rows
    if (!sideOk(*width) || !sideOk(rows))
        return {};
    dib.width = *width;
    dib.height = int(rows);
    dib.hasMask = isIcon;
    dib.paletteAt = at + qsizetype(*headerSize);
    if (dib.bitsPerPixel <= 8)
        dib.paletteEntries =
            *coloursUsed ? int(std::min<std::uint32_t>(*coloursUsed, 1u << dib.bitsPerPixel)) : 1 << dib.bitsPerPixel;
    if (*compression == 3 && *headerSize == 40)
        dib.paletteAt += 12; // three colour masks follow a plain header
    dib.pixelsAt = pixelsAt ? pixelsAt : dib.paletteAt + qsizetype(dib.paletteEntries) * 4;
    std::int64_t needed = dib.pixelsAt + rowBytes(dib.width, dib.bitsPerPixel) * dib.height;
    if (isIcon)
        needed += rowBytes(dib.width, 1) * dib.height;
    if (dib.pixelsAt < dib.paletteAt || needed > b.size)
        return {};
    return decodeDibPixels(b, dib);
}

QImage decodeBmp(Bytes b) {
    const auto pixelsAt = b.u32(10);
    if (!pixelsAt || *pixelsAt < 14 + 40)
        return {};
    QImage decoded = decodeDib(b, 14, qsizetype(*pixelsAt), false);
    return decoded.isNull() ? QImage() : decoded.convertToFormat(QImage::Format_RGB32);
}

std::optional<QImage> decodeIcon(Bytes b) {
    const auto reserved = b.u16(0);
    const auto type = b.u16(2);
    const auto count = b.u16(4);
    if (!reserved || *reserved != 0 || !type || *type != 1 || !count || *count == 0)
        return std::nullopt; // not an icon file at all
    const qsizetype directoryEnd = 6 + qsizetype(*count) * 16;
    const auto size = b.u32(6 + 8);
    const auto offset = b.u32(6 + 12);
    if (!size || !offset || *offset < directoryEnd || std::int64_t(*offset) + *size > b.size)
        return QImage();
    const Bytes entry = b.slice(qsizetype(*offset), qsizetype(*size));
    if (entry.startsWith(kPngSignature, 8))
        return decodePng(entry);
    return decodeDib(entry, 0, 0, true);
}

} // namespace

QImage decodeImageFile(const QByteArray& bytes) {
    const Bytes b{reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size()};
    if (b.size >= 2 && b.data[0] == 'B' && b.data[1] == 'M')
        return decodeBmp(b);
    if (auto icon = decodeIcon(b))
        return *icon;
    if (b.startsWith(kPngSignature, 8))
        return decodePng(b);
    return {};
}

} // namespace gui
