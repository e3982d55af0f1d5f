#include "support/program.h"

#include "app/dispatch.h"
#include "app/startup.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace testing_support {

Program::Program(const std::vector<Entry>& entries, bool withCollection) {
    folder_.copyAssets();
    if (withCollection)
        folder_.createCollection(entries);
    gui::discardQueuedEvents();
    app::startUp();
}

Program::~Program() {
    app::shutDown();
    gui::discardQueuedEvents();
}

void Program::settle() {
    for (int pass = 0; pass < 1000; ++pass) {
        const std::optional<gui::Event> event = gui::pollEvent();
        if (!event)
            return;
        app::dispatchEvent(*event);
    }
}

void answerNextModal(std::function<void(QWidget*)> answer) {
    // Polls briefly, because the dialog appears only once the code under test has opened it.
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

} // namespace testing_support
