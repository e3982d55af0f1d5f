#include "app/layout_formula.h"

#include <algorithm>
#include <cmath>

namespace app {
namespace {

// Nearest integer with an exact half going to the even neighbour (the default FP rounding mode).
int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// While the window is still too small the formulas can give negative extents; they are used as 0.
int notNegative(int value) {
    return std::max(value, 0);
}

} // namespace

MainLayout mainLayout(int width, int height) {
    const double w = width;
    const double h = height;
    const int listHeight = notNegative(roundHalfEven(h - h * 0.35));
    const int detailTop = roundHalfEven(h - h * 0.35 + 40);
    const int detailWidth = notNegative(roundHalfEven(w * 0.35));
    const int detailHeight = notNegative(height - listHeight - 67);

    MainLayout layout;
    layout.entryList = QRect(8, 32, notNegative(width - 16), listHeight);
    layout.detailText = QRect(8, detailTop, detailWidth, detailHeight);
    layout.colourPreview = QRect(detailWidth + 16, detailTop, notNegative(width - detailWidth - 24), detailHeight);
    return layout;
}

QSize sizeAtLeastMinimum(QSize size) {
    return {std::max(size.width(), kMinimumWidth), std::max(size.height(), kMinimumHeight)};
}

} // namespace app
