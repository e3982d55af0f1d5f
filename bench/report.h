#pragma once

#include "harness.h"

#include <string>

// The output: one line per figure, the label in a fixed-width column, "ok" or "MISSED" after a target.
// Each print returns whether the figure met its target.
namespace bench {

constexpr double kMemoryAllowanceMiB = 80;
constexpr double kIdleLimitPercent = 1.0;

// nproc, the processor model and the Qt and SQLite versions in use.
void printMachine();

// A time against its baseline; the ratio is of the medians.
bool printRatio(const std::string& label, const Spread& programMs, double baselineMs, double limit);

// A time with nothing to compare it to.
void printTime(const std::string& label, const Spread& programMs);

// Peak memory against twice the UTF-16 size of all texts plus a fixed allowance.
bool printMemory(const std::string& label, const Spread& peakMiB, double textsMiB);

bool printIdle(const std::string& label, double percentOfCore, double seconds);

} // namespace bench
