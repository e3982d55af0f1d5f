#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// Drives a window that runs its own loop (the new-entry, about and help windows, modal dialogs): the steps
// run one after another from a timer, which fires inside whatever loop is waiting at the moment. A step
// returns false to be tried again on the next tick (to wait for a window or dialog to appear).
namespace testing_support {

class UiScript {
public:
    UiScript() = default;
    UiScript(const UiScript&) = delete;
    UiScript& operator=(const UiScript&) = delete;
    ~UiScript();

    UiScript& then(std::function<bool()> step);
    // Convenience for a step that always completes.
    UiScript& thenDo(std::function<void()> action);
    void start();
    bool finished() const { return steps_.empty(); }

private:
    std::deque<std::function<bool()>> steps_;
    QTimer* timer_ = nullptr;
};

// The widget behind a window or control number (object names "window_N" / "control_N"), or nullptr.
QWidget* windowWidget(int id);
QWidget* controlWidget(int id);

// A left click in the middle of a control.
void clickControl(int id);

// Replaces the text of a one-line field or editable drop-down box as if typed (QTest cannot type a tab).
void typeInto(int control, const QString& text);

// A step that waits for a modal dialog of the given type and lets 'answer' handle it.
template <typename Dialog> std::function<bool()> answerModal(std::function<void(Dialog*)> answer) {
    return [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return false;
        answer(dialog);
        return true;
    };
}

} // namespace testing_support
