#pragma once

#include "gui/event_queue.h"

#include <ostream>

namespace gui {
// Readable failure messages for queued events (GoogleTest finds it by argument-dependent lookup).
void PrintTo(const Event& event, std::ostream* out);
} // namespace gui
