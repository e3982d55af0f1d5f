#include "store/utf8_text.h"

namespace store {
namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool appendWellFormedUtf8(QString& target, const unsigned char* bytes, int count) {
    const qsizetype start = target.size();
    target.resize(start + count); // UTF-16 never needs more units than UTF-8 has bytes
    char16_t* out = reinterpret_cast<char16_t*>(target.data()) + start;
    const auto failed = [&target, start] {
        target.truncate(start);
        return false;
    };

    int i = 0;
    while (i < count) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            *out++ = lead;
            ++i;
            continue;
        }
        int length = 0;
        char32_t codePoint = 0;
        char32_t smallest = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, codePoint = lead & 0x1F, smallest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, codePoint = lead & 0x0F, smallest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, codePoint = lead & 0x07, smallest = 0x10000;
        } else {
            return failed(); // a stray continuation byte, or a lead byte no valid sequence starts with
        }
        if (count - i < length)
            return failed();
        for (int k = 1; k < length; ++k) {
            if (!isContinuation(bytes[i + k]))
                return failed();
            codePoint = (codePoint << 6) | (bytes[i + k] & 0x3F);
        }
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (codePoint < smallest || codePoint > 0x10FFFF || surrogate || codePoint == 0xFFFE || codePoint == 0xFFFF)
            return failed();
        if (codePoint < 0x10000) {
            *out++ = char16_t(codePoint);
        } else {
            *out++ = char16_t(0xD800 + ((codePoint - 0x10000) >> 10));
            *out++ = char16_t(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        }
        i += length;
    }
    target.truncate(out - reinterpret_cast<char16_t*>(target.data()));
    return true;
}

} // namespace store
