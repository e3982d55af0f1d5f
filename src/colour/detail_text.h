#pragma once

#include <QRect>
#include <QString>
#include <array>

// What the detail panel shows for one entry, kept apart from the screen so it can be checked exactly.
namespace colour {

// The six texts of an entry in list-column order: category, palette, name, colour 1, colour 2, colour 3.
using EntryTexts = std::array<QString, 6>;

// Six lines joined by "\r\n", none after the last.
QString detailText(const EntryTexts& texts);

// The preview is 530 × 150; colour 1 fills the left block, colours 2 and 3 the upper and lower right halves.
// Rectangle 2 and 3 are asked for 430 wide and clipped at the image's edge, so together they cover every
// pixel exactly once.
constexpr int kPreviewWidth = 530;
constexpr int kPreviewHeight = 150;
inline constexpr std::array<QRect, 3> kPreviewRects{QRect(0, 0, 200, 150), QRect(200, 0, 430, 75),
                                                    QRect(200, 75, 430, 75)};
inline constexpr std::array<QPoint, 3> kPreviewLabelCorners{QPoint(0, 0), QPoint(200, 0), QPoint(200, 75)};

} // namespace colour
