#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>

// Images named by number: off-screen 32-bit pictures the program draws into, and the icon set.
// An empty (null) image is valid everywhere and stands for no picture.
namespace gui {

// A black 32-bit image of the given size.
void createImage(int id, int width, int height);

// Loads an image file (BMP, icon or PNG); any failure leaves the image empty.
void loadImageFile(int id, const QString& path);

// Fills a rectangle, clipped to the image, with the colour of a colour integer (red in the lowest byte).
void fillRect(int id, QRect rect, std::int32_t colourInteger);

// Black text on an opaque white box, its top-left corner at the given point.
void drawText(int id, QPoint topLeft, const QString& text);

// The image, or an empty one when the number names none.
const QImage& image(int id);

void freeAllImages();

// The colour a colour integer stands for; bits above the low 24 are ignored.
QColor colourOf(std::int32_t colourInteger);

} // namespace gui
