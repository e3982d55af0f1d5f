#pragma once

#include <QByteArray>
#include <QImage>

// Decoding of the image files the program reads: BMP, Windows icon files (with classic bitmap or PNG data)
// and bare PNG. Every size a file declares is checked against its length first, so a truncated, lying or
// hostile file gives an empty image, never a crash or a picture of uninitialised memory.
namespace gui {

constexpr qint64 kMaxImageFileBytes = 16 * 1024 * 1024;
constexpr int kMaxImageSide = 4096;

// "BM" → BMP; otherwise an icon file (its first image, at the size stored in it); otherwise PNG by signature.
QImage decodeImageFile(const QByteArray& bytes);

} // namespace gui
