#include "gui/row_store.h"

#include <algorithm>

namespace gui {
namespace {
constexpr std::size_t kChunkChars = 1 << 18;
}

void RowStore::clear() {
    // Giving the memory back matters: the list may have held a million rows a moment ago.
    std::vector<std::vector<char16_t>>().swap(chunks_);
    std::vector<RowSpan>().swap(rows_);
}

void RowStore::append(QStringView rowText) {
    const auto length = std::size_t(rowText.size());
    if (chunks_.empty() || chunks_.back().capacity() - chunks_.back().size() < length) {
        chunks_.emplace_back();
        chunks_.back().reserve(std::max(kChunkChars, length));
    }
    std::vector<char16_t>& chunk = chunks_.back();
    rows_.push_back({std::uint32_t(chunks_.size() - 1), std::uint32_t(chunk.size()), std::uint32_t(length)});
    chunk.insert(chunk.end(), rowText.utf16(), rowText.utf16() + length);
}

QStringView RowStore::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0)
        return {};
    const RowSpan& span = rows_[std::size_t(row)];
    QStringView rest(chunks_[span.chunk].data() + span.offset, qsizetype(span.length));
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
