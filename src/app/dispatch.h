#pragma once

#include "gui/event_queue.h"

// The main loop and the tables that send each event to its action.
namespace app {

// Runs one event's action to its end.
void dispatchEvent(const gui::Event& event);

// Waits for events and dispatches them until the quit flag is set.
void runMainLoop();

bool quitRequested();
void resetQuitFlag();

} // namespace app
