#include "report.h"

#include <QFile>
#include <QtGlobal>
#include <cstdio>
#include <sqlite3.h>
#include <unistd.h>

namespace bench {
namespace {

const char* verdict(bool ok) {
    return ok ? "ok" : "MISSED";
}

std::string processorModel() {
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray& line : cpuinfo.readAll().split('\n'))
            if (line.startsWith("model name"))
                return line.mid(line.indexOf(':') + 1).trimmed().toStdString();
    }
    return "unknown processor";
}

void flushLine() {
    std::fflush(stdout);
} // lines come minutes apart in a full run

} // namespace

void printMachine() {
    std::printf("%-20snproc %ld, %s  Qt %s  SQLite %s\n", "machine", sysconf(_SC_NPROCESSORS_ONLN),
                processorModel().c_str(), qVersion(), sqlite3_libversion());
    flushLine();
}

bool printRatio(const std::string& label, const Spread& programMs, double baselineMs, double limit) {
    const double ratio = programMs.median / baselineMs;
    const bool ok = ratio <= limit;
    std::printf("%-20sprogram %7.1f ms (min %.1f, max %.1f)  baseline %7.1f ms  ratio %.2f  target <= %.2f  %s\n",
                label.c_str(), programMs.median, programMs.min, programMs.max, baselineMs, ratio, limit, verdict(ok));
    flushLine();
    return ok;
}

void printTime(const std::string& label, const Spread& programMs) {
    std::printf("%-20sprogram %7.2f ms (min %.2f, max %.2f)\n", label.c_str(), programMs.median, programMs.min,
                programMs.max);
    flushLine();
}

bool printMemory(const std::string& label, const Spread& peakMiB, double textsMiB) {
    const double limit = 2 * textsMiB + kMemoryAllowanceMiB;
    const bool ok = peakMiB.median <= limit;
    std::printf("%-20sprogram %7.1f MiB (min %.1f, max %.1f)  texts %7.1f MiB  target <= %.1f MiB (2 x texts + %.0f)"
                "  %s\n",
                label.c_str(), peakMiB.median, peakMiB.min, peakMiB.max, textsMiB, limit, kMemoryAllowanceMiB,
                verdict(ok));
    flushLine();
    return ok;
}

bool printIdle(const std::string& label, double percentOfCore, double seconds) {
    const bool ok = percentOfCore < kIdleLimitPercent;
    std::printf("%-20sprogram %7.2f %% of one core over %.0f s  target < %.2f %%  %s\n", label.c_str(), percentOfCore,
                seconds, kIdleLimitPercent, verdict(ok));
    flushLine();
    return ok;
}

} // namespace bench
