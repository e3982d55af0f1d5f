#include "gui/row_store.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace gui {
namespace {
constexpr std::size_t kChunkBytes = std::size_t(2) << 20;
}

void RowStore::Chunk::Free::operator()(char16_t* block) const {
    std::free(block);
}

RowStore::Chunk RowStore::makeChunk(std::size_t atLeastChars) {
    const std::size_t bytes = (atLeastChars * sizeof(char16_t) + kChunkBytes - 1) / kChunkBytes * kChunkBytes;
    void* block = std::aligned_alloc(kChunkBytes, bytes);
    if (!block)
        throw std::bad_alloc();
#ifdef __linux__
    madvise(block, bytes, MADV_HUGEPAGE); // only a hint; without huge pages the block works the same
#endif
    Chunk chunk;
    chunk.text.reset(static_cast<char16_t*>(block));
    chunk.capacity = bytes / sizeof(char16_t);
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

void RowStore::append(QStringView rowText) {
    const auto length = std::size_t(rowText.size());
    const auto fits = [length](const Chunk& chunk) {
        return chunk.capacity - chunk.size >= length;
    };
    if (chunksInUse_ == 0 || !fits(chunks_[chunksInUse_ - 1])) {
        // Take the next kept chunk if the row fits into it, else make one (large enough for a long row).
        if (chunksInUse_ == chunks_.size())
            chunks_.push_back(makeChunk(length));
        else if (!fits(chunks_[chunksInUse_]))
            chunks_[chunksInUse_] = makeChunk(length);
        ++chunksInUse_;
    }
    Chunk& chunk = chunks_[chunksInUse_ - 1];
    rows_.push_back({std::uint32_t(chunksInUse_ - 1), std::uint32_t(chunk.size), std::uint32_t(length)});
    std::memcpy(chunk.text.get() + chunk.size, rowText.utf16(), length * sizeof(char16_t));
    chunk.size += length;
}

int RowStore::pieceCount(int row) const {
    if (row < 0 || row >= rowCount())
        return 0;
    const RowSpan& span = rows_[std::size_t(row)];
    return int(QStringView(chunks_[span.chunk].text.get() + span.offset, qsizetype(span.length)).count(u'\n')) + 1;
}

QStringView RowStore::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0)
        return {};
    const RowSpan& span = rows_[std::size_t(row)];
    QStringView rest(chunks_[span.chunk].text.get() + span.offset, qsizetype(span.length));
    for (int i = 0; i < column; ++i) {
        const qsizetype lineFeed = rest.indexOf(u'\n');
        if (lineFeed < 0)
            return {};
        rest = rest.mid(lineFeed + 1);
    }
    const qsizetype lineFeed = rest.indexOf(u'\n');
    return lineFeed < 0 ? rest : rest.left(lineFeed);
}

} // namespace gui
