#pragma once

#include <initializer_list>
#include <optional>

// The program's one event queue. Qt signals and event filters only push into it; the program takes events
// out with waitEvent()/pollEvent(), so whatever an action causes reaches the loop after the action returns.
namespace gui {

enum class EventKind { Control, Command, Size, Close, Other };

enum class EventType { None, Change, Click, LeftClick, RightClick, LeftDoubleClick };

struct Event {
    EventKind kind = EventKind::Other;
    int window = -1;
    int control = -1;
    EventType type = EventType::None;
    int command = -1;

    bool operator==(const Event&) const = default;
};

Event controlEvent(int control, EventType type);
Event commandEvent(int command);
Event sizeEvent(int window);
Event closeEvent(int window);

// Queues an event unless it equals the newest one still waiting (this folds a burst of size events).
void postEvent(const Event& event);

// The oldest queued event; while the queue is empty, Qt is pumped and the thread sleeps until something happens.
Event waitEvent();

// A secondary window's loop: waits for a control event of one of the given controls and drops every other
// event on the way (the main window's clicks, commands, size and close events included).
Event waitForControlEvent(std::initializer_list<int> controls);

// The oldest queued event after one non-blocking pass of Qt's own events, or nothing.
std::optional<Event> pollEvent();

// Runs Qt's pending events without taking any of ours (tests use it to let real input arrive).
void processPendingToolkitEvents();

int queuedEventCount();
void discardQueuedEvents();

} // namespace gui
