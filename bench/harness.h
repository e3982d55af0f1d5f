#pragma once

#include <QString>
#include <chrono>
#include <vector>

// The few timing tools every figure shares: a monotonic clock, a run's duration and the spread of several runs.
namespace bench {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start);

struct Spread {
    double min = 0;
    double median = 0;
    double max = 0;
};

// An even number of samples gives the mean of the two middle ones.
Spread spreadOf(std::vector<double> samples);

// Times one call in milliseconds.
template <typename Work> double timeOnce(Work&& work) {
    const Clock::time_point start = Clock::now();
    work();
    return millisecondsSince(start);
}

// A figure that cannot be trusted (wrong row count, failed child) ends the whole run: a wrong number is worse
// than none.
[[noreturn]] void fail(const QString& why);

} // namespace bench
