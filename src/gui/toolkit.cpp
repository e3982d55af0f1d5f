#include "gui/toolkit.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace gui {

void setUpToolkit() {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app_icon.png")));

    // The program speaks German, so the colour chooser and message boxes do too, whatever the system locale.
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // The window's fixed column and button widths are made for a compact 8-point interface font.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
}

} // namespace gui
