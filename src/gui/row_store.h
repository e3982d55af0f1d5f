#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace gui {

// The rows of a list view, kept compactly: row texts ("a\nb\nc…") packed into large UTF-16 chunks, split into
// cells only when a cell is read. A million rows cost their characters plus twelve bytes each, and growing
// never copies what is already stored.
class RowStore {
public:
    void clear();
    void append(QStringView rowText);
    int rowCount() const { return int(rows_.size()); }

    // The text of one cell: the piece of the row text between the column-th and the next line feed.
    // A row with fewer pieces gives the empty text for the missing columns.
    QStringView cell(int row, int column) const;

private:
    struct RowSpan {
        std::uint32_t chunk;
        std::uint32_t offset;
        std::uint32_t length;
    };
    std::vector<std::vector<char16_t>> chunks_;
    std::vector<RowSpan> rows_;
};

} // namespace gui
