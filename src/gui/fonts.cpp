#include "gui/fonts.h"

#include <QApplication>
#include <map>

namespace gui {
namespace {
std::map<int, QFont> fonts;
}

void loadFont(int id, const QString& face, int pointSize) {
    QFont loaded(face, pointSize, QFont::Normal, false);
    loaded.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
    fonts[id] = loaded;
}

QFont font(int id) {
    const auto it = fonts.find(id);
    return it == fonts.end() ? QApplication::font() : it->second;
}

void freeAllFonts() {
    fonts.clear();
}

} // namespace gui
