#include "gui/row_store.h"

#include <cstdlib>
#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace gui {
namespace {

constexpr std::size_t kChunkBytes = std::size_t(2) << 20;

// Copies the characters as single bytes and tells whether that kept them all (none above U+00FF). There is no
// early exit, so the compiler can handle many characters at once; a row is a few dozen characters long.
bool narrowInto(char* target, QStringView text) {
    const char16_t* source = text.utf16();
    char16_t all = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        all |= source[i];
        target[i] = char(source[i]);
    }
    return all < 0x100;
}

} // namespace

void RowStore::Chunk::Free::operator()(char* block) const {
    std::free(block);
}

RowStore::Chunk RowStore::makeChunk(std::size_t atLeastBytes) {
    const std::size_t bytes = (atLeastBytes + kChunkBytes - 1) / kChunkBytes * kChunkBytes;
    void* block = std::aligned_alloc(kChunkBytes, bytes);
    if (!block)
        throw std::bad_alloc();
#ifdef __linux__
    madvise(block, bytes, MADV_HUGEPAGE); // only a hint; without huge pages the block works the same
#endif
    Chunk chunk;
    chunk.bytes.reset(static_cast<char*>(block));
    chunk.capacity = bytes;
    return chunk;
}

void RowStore::clear() {
    for (Chunk& chunk : chunks_)
        chunk.size = 0; // the memory stays for the next fill
    chunksInUse_ = 0;
    rows_.clear();
}

void RowStore::releaseUnused() {
    chunks_.resize(chunksInUse_);
    if (rows_.capacity() > 2 * rows_.size() + 1024)
        rows_.shrink_to_fit();
}

RowStore::Chunk& RowStore::chunkWithRoomFor(std::size_t bytes) {
    const std::size_t needed = bytes + 1;
    const auto fits = [needed](const Chunk& chunk) {
        return chunk.capacity - chunk.size >= needed;
    };
    if (chunksInUse_ == 0 || !fits(chunks_[chunksInUse_ - 1])) {
        // Take the next kept chunk if the row fits into it, else make one (large enough for a long row).
        if (chunksInUse_ == chunks_.size())
            chunks_.push_back(makeChunk(needed));
        else if (!fits(chunks_[chunksInUse_]))
            chunks_[chunksInUse_] = makeChunk(needed);
        ++chunksInUse_;
    }
    return chunks_[chunksInUse_ - 1];
}

void RowStore::append(QStringView rowText) {
    if (rowText.size() > qsizetype(kLongestRow))
        rowText = rowText.first(qsizetype(kLongestRow));
    const auto length = std::size_t(rowText.size());
    // Room for the UTF-16 form, so a row that turns out not to fit into bytes is written over in place.
    Chunk& chunk = chunkWithRoomFor(length * sizeof(char16_t));
    char* end = chunk.bytes.get() + chunk.size;
    if (narrowInto(end, rowText)) {
        rows_.push_back({std::uint32_t(chunksInUse_ - 1), std::uint32_t(chunk.size), std::uint32_t(length)});
        chunk.size += length;
        return;
    }
    const std::size_t offset = (chunk.size + 1) & ~std::size_t(1); // char16_t needs an even address
    std::memcpy(chunk.bytes.get() + offset, rowText.utf16(), length * sizeof(char16_t));
    rows_.push_back({std::uint32_t(chunksInUse_ - 1), std::uint32_t(offset), std::uint32_t(length) | kWide});
    chunk.size = offset + length * sizeof(char16_t);
}

namespace {

// The cells of one stored row, in either form: 'Text' is QLatin1StringView or QStringView.
template <typename Text> int countPieces(Text row) {
    return int(row.count(u'\n')) + 1;
}

template <typename Text> QString pieceOf(Text rest, int column) {
    for (int i = 0; i < column; ++i) {
        const qsizetype lineFeed = rest.indexOf(u'\n');
        if (lineFeed < 0)
            return {};
        rest = rest.mid(lineFeed + 1);
    }
    const qsizetype lineFeed = rest.indexOf(u'\n');
    return (lineFeed < 0 ? rest : rest.left(lineFeed)).toString();
}

} // namespace

int RowStore::pieceCount(int row) const {
    if (row < 0 || row >= rowCount())
        return 0;
    const RowSpan& span = rows_[std::size_t(row)];
    const char* start = chunks_[span.chunk].bytes.get() + span.offset;
    const auto length = qsizetype(span.length & ~kWide);
    if (span.length & kWide)
        return countPieces(QStringView(reinterpret_cast<const char16_t*>(start), length));
    return countPieces(QLatin1StringView(start, length));
}

QString RowStore::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0)
        return {};
    const RowSpan& span = rows_[std::size_t(row)];
    const char* start = chunks_[span.chunk].bytes.get() + span.offset;
    const auto length = qsizetype(span.length & ~kWide);
    if (span.length & kWide)
        return pieceOf(QStringView(reinterpret_cast<const char16_t*>(start), length), column);
    return pieceOf(QLatin1StringView(start, length), column);
}

} // namespace gui
