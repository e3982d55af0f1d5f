// Feeds arbitrary bytes to the image-file decoder: it must never crash, never allocate beyond its limits, and
// every pixel of an image it returns must come from the file (reading them all lets the sanitizers see it).
#include "gui/image_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage image = gui::decodeImageFile(bytes);
    if (image.isNull())
        return 0;
    if (image.width() > gui::kMaxImageSide || image.height() > gui::kMaxImageSide)
        std::abort();
    unsigned sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            sum += line[x];
    }
    // A branch on every pixel's value makes a read of uninitialised memory visible to MemorySanitizer-style tools.
    if (sum == 0xDEADBEEF)
        return 1;
    return 0;
}
