#include "gui/event_queue.h"

#include "gui/list_view.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <deque>

namespace gui {
namespace {

std::deque<Event> queue;

// One pass of Qt's own events. Rows appended by a fill are shown to the view in one step first, before Qt
// gets to paint or deliver input.
void toolkitPass(QEventLoop::ProcessEventsFlags flags) {
    publishPendingListRows();
    QCoreApplication::processEvents(flags);
    // Deferred deletions only run from an event loop's own pass; the program has none of Qt's loops.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::optional<Event> takeOldest() {
    if (queue.empty())
        return std::nullopt;
    Event event = queue.front();
    queue.pop_front();
    return event;
}

} // namespace

Event controlEvent(int control, EventType type) {
    return {EventKind::Control, -1, control, type, -1};
}
Event commandEvent(int command) {
    return {EventKind::Command, -1, -1, EventType::None, command};
}
Event sizeEvent(int window) {
    return {EventKind::Size, window, -1, EventType::None, -1};
}
Event closeEvent(int window) {
    return {EventKind::Close, window, -1, EventType::None, -1};
}

void postEvent(const Event& event) {
    if (!queue.empty() && queue.back() == event)
        return;
    queue.push_back(event);
}

Event waitEvent() {
    while (queue.empty())
        toolkitPass(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return *takeOldest();
}

Event waitForControlEvent(std::initializer_list<int> controls) {
    for (;;) {
        const Event event = waitEvent();
        if (event.kind != EventKind::Control)
            continue;
        for (int control : controls)
            if (event.control == control)
                return event;
    }
}

std::optional<Event> pollEvent() {
    if (queue.empty())
        processPendingToolkitEvents();
    return takeOldest();
}

void processPendingToolkitEvents() {
    toolkitPass(QEventLoop::AllEvents);
}

int queuedEventCount() {
    return int(queue.size());
}

void discardQueuedEvents() {
    queue.clear();
}

} // namespace gui
