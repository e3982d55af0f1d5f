#include "harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace bench {

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Spread spreadOf(std::vector<double> samples) {
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    const double median = samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
    return {samples.front(), median, samples.back()};
}

void fail(const QString& why) {
    std::fflush(stdout);
    std::fprintf(stderr, "tessora_bench: %s\n", qPrintable(why));
    std::exit(2);
}

} // namespace bench
