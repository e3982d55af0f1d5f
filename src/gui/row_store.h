#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

namespace gui {

// The rows of a list view, kept compactly: row texts ("a\nb\nc…") packed into large chunks, split into cells
// only when a cell is read. A row whose characters all lie below U+0100 (nearly every row: names in Western
// languages and "r,g,b" texts) is kept with one byte a character, any other row in UTF-16. A million rows
// cost their characters plus twelve bytes each, and growing never copies what is already stored.
//
// Clearing keeps the chunks for the next fill: a refill of the same list then writes into memory that is
// already there instead of faulting in fresh pages. Chunks the last fill did not need are given back by
// releaseUnused().
class RowStore {
public:
    void clear();
    void append(QStringView rowText);
    void releaseUnused();
    int rowCount() const { return int(rows_.size()); }

    // The text of one cell: the piece of the row text between the column-th and the next line feed.
    // A row with fewer pieces gives the empty text for the missing columns.
    QString cell(int row, int column) const;

    // How many pieces the row text has: one more than its line feeds.
    int pieceCount(int row) const;

private:
    // One block of row texts. Blocks are 2 MiB and aligned to it, so the kernel can back each with one huge
    // page: filling a million rows then costs a hundred page faults instead of tens of thousands.
    struct Chunk {
        struct Free {
            void operator()(char* block) const;
        };
        std::unique_ptr<char[], Free> bytes;
        std::size_t capacity = 0;
        std::size_t size = 0;
    };
    static Chunk makeChunk(std::size_t atLeastBytes);

    struct RowSpan {
        std::uint32_t chunk;
        std::uint32_t offset; // in bytes; even for a UTF-16 row
        std::uint32_t length; // in characters; kWide is set for a UTF-16 row
    };
    static constexpr std::uint32_t kWide = std::uint32_t(1) << 31;
    // Longer rows are cut here, so that a span's offset and length always fit their 32 bits. Only values near
    // SQLite's limit of a gigabyte each can make such a row, and no list cell could show it anyway.
    static constexpr std::size_t kLongestRow = std::size_t(1) << 30;

    // Room for 'bytes' more bytes (plus one for aligning a UTF-16 row) at the end of the chunk in use.
    Chunk& chunkWithRoomFor(std::size_t bytes);

    std::vector<Chunk> chunks_;
    std::size_t chunksInUse_ = 0;
    std::vector<RowSpan> rows_;
};

} // namespace gui
