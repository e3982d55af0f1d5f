#include "gui/controls.h"

#include "gui/event_queue.h"
#include "gui/fonts.h"
#include "gui/images.h"
#include "gui/registry.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <limits>

namespace gui {
namespace {

using detail::kControlIdProperty;

// Qt cuts typed or pasted text at 32767 characters by default; a long text must arrive whole.
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();
// The detail text keeps the exact text it was given ("\r\n" line breaks) beside what the widget shows.
const char* const kExactTextProperty = "tessora_exact_text";

template <typename W> W* place(int id, QRect where, W* widget) {
    detail::placeControl(id, where, widget);
    return widget;
}

QWidget* parentFor(int window) {
    return detail::clientArea(window);
}

void postOnClick(QPushButton* button, int id) {
    QObject::connect(button, &QPushButton::clicked, [id] { postEvent(controlEvent(id, EventType::Click)); });
}

QComboBox* makeDropDown(int window, int id, QRect where, bool editable) {
    QWidget* parent = parentFor(window);
    if (!parent)
        return nullptr;
    auto* box = place(id, where, new QComboBox(parent));
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(20);
    if (editable) {
        box->lineEdit()->setProperty(kControlIdProperty, id);
        box->lineEdit()->setMaxLength(kNoLengthLimit);
    }
    QObject::connect(box, &QComboBox::activated, [id] { postEvent(controlEvent(id, EventType::Change)); });
    return box;
}

} // namespace

bool createDropDownList(int window, int id, QRect where) {
    return makeDropDown(window, id, where, false);
}

bool createEditableDropDown(int window, int id, QRect where) {
    return makeDropDown(window, id, where, true);
}

bool createPushButton(int window, int id, QRect where, const QString& label, bool isDefault) {
    QWidget* parent = parentFor(window);
    if (!parent)
        return false;
    auto* button = place(id, where, new QPushButton(label, parent));
    button->setAutoDefault(isDefault);
    button->setDefault(isDefault);
    postOnClick(button, id);
    return true;
}

bool createImageButton(int window, int id, QRect where, int imageId) {
    QWidget* parent = parentFor(window);
    if (!parent)
        return false;
    auto* button = place(id, where, new QPushButton(parent));
    button->setAutoDefault(false);
    const QImage& picture = image(imageId);
    if (!picture.isNull()) {
        button->setIcon(QIcon(QPixmap::fromImage(picture)));
        button->setIconSize(picture.size().boundedTo(where.size() - QSize(4, 4)));
    }
    postOnClick(button, id);
    return true;
}

bool createTextLabel(int window, int id, QRect where, const QString& text, Qt::Alignment alignment) {
    QWidget* parent = parentFor(window);
    if (!parent)
        return false;
    auto* label = place(id, where, new QLabel(text, parent));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return true;
}

bool createLineEdit(int window, int id, QRect where, bool readOnly) {
    QWidget* parent = parentFor(window);
    if (!parent)
        return false;
    auto* edit = place(id, where, new QLineEdit(parent));
    edit->setReadOnly(readOnly);
    edit->setMaxLength(kNoLengthLimit);
    return true;
}

bool createReadOnlyRichText(int window, int id, QRect where) {
    QWidget* parent = parentFor(window);
    if (!parent)
        return false;
    auto* text = place(id, where, new QTextEdit(parent));
    text->setReadOnly(true);
    text->setLineWrapMode(QTextEdit::NoWrap);
    text->setTabChangesFocus(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setFrameShadow(QFrame::Sunken);
    detail::keepSelectionVisibleWithoutFocus(text);
    return true;
}

bool createImageField(int window, int id, QPoint topLeft, int imageId) {
    QWidget* parent = parentFor(window);
    if (!parent)
        return false;
    auto* field = place(id, QRect(topLeft, QSize(1, 1)), new QLabel(parent));
    field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    field->setFrameShape(QFrame::NoFrame);
    field->setFocusPolicy(Qt::NoFocus);
    setImageFieldImage(id, imageId);
    return true;
}

bool createListBox(int window, int id, QRect where, const QStringList& lines) {
    QWidget* parent = parentFor(window);
    if (!parent)
        return false;
    auto* list = place(id, where, new QListWidget(parent));
    list->setSortingEnabled(false);
    list->setFrameShadow(QFrame::Sunken);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->addItems(lines);
    return true;
}

bool controlExists(int id) {
    return detail::controlWidget(id) != nullptr;
}

QRect controlGeometry(int id) {
    QWidget* control = detail::controlWidget(id);
    return control ? control->geometry() : QRect();
}

void setControlGeometry(int id, QRect where) {
    if (QWidget* control = detail::controlWidget(id))
        control->setGeometry(where);
}

QString controlText(int id) {
    QWidget* control = detail::controlWidget(id);
    if (!control)
        return {};
    if (auto* box = qobject_cast<QComboBox*>(control))
        return box->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* text = qobject_cast<QTextEdit*>(control))
        return text->property(kExactTextProperty).toString();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QPushButton*>(control))
        return button->text();
    return {};
}

void setControlText(int id, const QString& value) {
    QWidget* control = detail::controlWidget(id);
    if (auto* box = qobject_cast<QComboBox*>(control); box && box->isEditable())
        box->setEditText(value);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(value);
    else if (auto* text = qobject_cast<QTextEdit*>(control)) {
        text->setProperty(kExactTextProperty, value);
        // The field shows each "\r\n" as one line break; the exact text stays readable through controlText().
        QString shown = value;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text->setPlainText(shown);
    } else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(value);
    else if (auto* button = qobject_cast<QPushButton*>(control))
        button->setText(value);
}

void setTextColours(int id, QColor textColour, QColor background) {
    QWidget* control = detail::controlWidget(id);
    if (!control)
        return;
    QPalette palette = control->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, textColour);
        palette.setColor(group, QPalette::Base, background);
    }
    control->setPalette(palette);
}

QColor textColour(int id) {
    QWidget* control = detail::controlWidget(id);
    return control ? control->palette().color(QPalette::Active, QPalette::Text) : QColor();
}

void appendDropDownItem(int id, const QString& text) {
    if (auto* box = detail::controlAs<QComboBox>(id))
        box->addItem(text);
}

void selectDropDownItem(int id, int index) {
    if (auto* box = detail::controlAs<QComboBox>(id); box && index < box->count())
        box->setCurrentIndex(index);
}

int dropDownItemCount(int id) {
    auto* box = detail::controlAs<QComboBox>(id);
    return box ? box->count() : 0;
}

int selectedDropDownItem(int id) {
    auto* box = detail::controlAs<QComboBox>(id);
    return box ? box->currentIndex() : -1;
}

void setImageFieldImage(int id, int imageId) {
    auto* field = detail::controlAs<QLabel>(id);
    if (!field)
        return;
    const QImage& picture = image(imageId);
    field->setPixmap(QPixmap::fromImage(picture));
    if (!picture.isNull())
        field->resize(picture.size());
}

void setControlFont(int id, int fontId) {
    if (QWidget* control = detail::controlWidget(id))
        control->setFont(font(fontId));
}

void setFocus(int id) {
    if (QWidget* control = detail::controlWidget(id))
        control->setFocus(Qt::OtherFocusReason);
}

int focusedControl() {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        const QVariant id = w->property(kControlIdProperty);
        if (id.isValid())
            return id.toInt();
    }
    return -1;
}

} // namespace gui
