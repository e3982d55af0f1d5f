#include "support/event_printing.h"

namespace gui {

void PrintTo(const Event& event, std::ostream* out) {
    static const char* const kinds[] = {"Control", "Command", "Size", "Close", "Other"};
    static const char* const types[] = {"None", "Change", "Click", "LeftClick", "RightClick", "LeftDoubleClick"};
    *out << kinds[int(event.kind)] << "(window " << event.window << ", control " << event.control << ", "
         << types[int(event.type)] << ", command " << event.command << ")";
}

} // namespace gui
