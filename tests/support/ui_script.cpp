#include "support/ui_script.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace testing_support {

UiScript& UiScript::then(std::function<bool()> step) {
    steps_.push_back(std::move(step));
    return *this;
}

UiScript& UiScript::thenDo(std::function<void()> action) {
    return then([action] {
        action();
        return true;
    });
}

UiScript::~UiScript() {
    delete timer_;
}

void UiScript::start() {
    delete timer_;
    timer_ = new QTimer;
    timer_->setInterval(5);
    QObject::connect(timer_, &QTimer::timeout, [this] {
        if (steps_.empty()) {
            timer_->stop();
            return;
        }
        // Taken off first: a step may open a modal loop in which the next ticks must already go on.
        std::function<bool()> step = steps_.front();
        steps_.pop_front();
        if (!step())
            steps_.push_front(step);
    });
    timer_->start();
}

namespace {
QWidget* byName(const QString& name) {
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}
} // namespace

QWidget* windowWidget(int id) {
    return byName(QStringLiteral("window_%1").arg(id));
}
QWidget* controlWidget(int id) {
    return byName(QStringLiteral("control_%1").arg(id));
}

void clickControl(int id) {
    if (QWidget* control = controlWidget(id))
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void typeInto(int control, const QString& text) {
    QWidget* widget = controlWidget(control);
    if (auto* box = qobject_cast<QComboBox*>(widget))
        widget = box->lineEdit();
    auto* edit = qobject_cast<QLineEdit*>(widget);
    ASSERT_NE(edit, nullptr) << "control " << control << " takes no typed text";
    edit->clear();
    edit->insert(text);
}

} // namespace testing_support
