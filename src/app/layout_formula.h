#pragma once

#include <QRect>
#include <QSize>

// Where the resize handler puts the entry list, the detail text and the colour preview for a window size.
// Pure, so the rounding of every size can be tested.
namespace app {

constexpr int kMinimumWidth = 623;
constexpr int kMinimumHeight = 335;

struct MainLayout {
    QRect entryList;
    QRect detailText;
    QRect colourPreview;
};

// W and H are the main window's inner width and height, the menu bar counted in H.
MainLayout mainLayout(int width, int height);

// The size the window must be pulled up to, or the size itself when it is large enough.
QSize sizeAtLeastMinimum(QSize size);

} // namespace app
