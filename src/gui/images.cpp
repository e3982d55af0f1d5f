#include "gui/images.h"

#include "gui/image_file.h"

#include <QFile>
#include <QPainter>
#include <map>

namespace gui {
namespace {
std::map<int, QImage> images;
}

void createImage(int id, int width, int height) {
    QImage created(width, height, QImage::Format_RGB32);
    created.fill(Qt::black);
    images[id] = created;
}

void loadImageFile(int id, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        images[id] = QImage();
        return;
    }
    images[id] = decodeImageFile(file.read(kMaxImageFileBytes));
}

QColor colourOf(std::int32_t colourInteger) {
    const auto value = static_cast<std::uint32_t>(colourInteger);
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

void fillRect(int id, QRect rect, std::int32_t colourInteger) {
    const auto it = images.find(id);
    if (it == images.end() || it->second.isNull())
        return;
    QPainter painter(&it->second);
    painter.fillRect(rect.intersected(it->second.rect()), colourOf(colourInteger));
}

void drawText(int id, QPoint topLeft, const QString& text) {
    const auto it = images.find(id);
    if (it == images.end() || it->second.isNull())
        return;
    QPainter painter(&it->second);
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect box(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

const QImage& image(int id) {
    static const QImage none;
    const auto it = images.find(id);
    return it == images.end() ? none : it->second;
}

void freeAllImages() {
    images.clear();
}

} // namespace gui
