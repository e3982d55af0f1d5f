#pragma once

#include <QString>
#include <array>

// How much processor time the program takes while it only waits: in its main loop, and with each of its
// secondary windows open in that window's own loop.
namespace bench {

// The order in which the idle child prints its figures.
inline constexpr std::array<const char*, 4> kIdleWindows{"main window", "about", "help", "new entry"};

// Child side: prints, one a line, the processor use of each state in kIdleWindows as % of one core, each
// measured over 'seconds' of waiting.
int childIdle(int& argc, char** argv, const QString& folder, double seconds);

} // namespace bench
