#include "gui/dialogs.h"

#include "gui/images.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace gui {

QString askForText(const QString& title, const QString& prompt) {
    QDialog dialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setObjectName(QStringLiteral("text_input_dialog"));
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(prompt, &dialog));
    auto* field = new QLineEdit(&dialog);
    layout->addWidget(field);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.setMinimumWidth(320);
    dialog.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        dialog.move(available.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
    }
    field->setFocus();
    // QDialog answers Escape with reject(): that is the empty term.
    return dialog.exec() == QDialog::Accepted ? field->text() : QString();
}

void showMessage(const QString& title, const QString& text) {
    // A lone carriage return separates lines in the program's messages; Qt's labels break at line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("message_box"));
    box.exec();
}

std::int32_t chooseColour(std::int32_t initial) {
    QColorDialog dialog(colourOf(initial));
    dialog.setObjectName(QStringLiteral("colour_chooser"));
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    const QColor chosen = dialog.selectedColor();
    return chosen.red() + 256 * chosen.green() + 65536 * chosen.blue();
}

} // namespace gui
