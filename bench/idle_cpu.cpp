#include "idle_cpu.h"

#include "app/ids.h"
#include "gui/event_queue.h"
#include "harness.h"
#include "info/info_windows.h"
#include "program_figures.h"
#include "store/new_entry_window.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace bench {
namespace {

// Time for a freshly opened window to be laid out and painted before the quiet period starts.
constexpr int kSettleMs = 500;

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs 'wait', which blocks in one of the program's loops until 'ending' is queued, and measures the processor
// use of the quiet stretch in the middle. The first timer fires only once that loop runs, so opening the window
// is never counted.
double idlePercent(const std::function<void()>& wait, const gui::Event& ending, int periodMs) {
    double cpuStart = -1;
    double cpuEnd = -1;
    Clock::time_point wallStart;
    Clock::time_point wallEnd;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(kSettleMs, [&] {
            cpuStart = processCpuSeconds();
            wallStart = Clock::now();
            QTimer::singleShot(periodMs, [&] {
                cpuEnd = processCpuSeconds();
                wallEnd = Clock::now();
                gui::postEvent(ending);
            });
        });
    });
    wait();
    drainEvents();
    if (cpuEnd < 0)
        fail(QStringLiteral("an idle period ended early"));
    const double wallSeconds = std::chrono::duration<double>(wallEnd - wallStart).count();
    return 100 * (cpuEnd - cpuStart) / wallSeconds;
}

} // namespace

int childIdle(int& argc, char** argv, const QString& folder, double seconds) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessora"));
    startProgram(folder);
    const int periodMs = int(seconds * 1000);

    gui::Event marker;
    marker.command = 0x7e55; // an Other event nothing in the program raises
    const auto mainLoopWait = [&marker] {
        while (gui::waitEvent() != marker) {
        }
    };
    const double results[] = {
        idlePercent(mainLoopWait, marker, periodMs),
        idlePercent(info::showAbout, gui::controlEvent(ids::kAboutOkButton, gui::EventType::Click), periodMs),
        idlePercent(info::showHelp, gui::controlEvent(ids::kHelpCloseButton, gui::EventType::Click), periodMs),
        idlePercent(store::openNewEntryWindow, gui::controlEvent(ids::kNewEntryCancel, gui::EventType::Click),
                    periodMs),
    };
    static_assert(std::size(results) == kIdleWindows.size());
    for (double percent : results)
        std::printf("%.4f\n", percent);
    stopProgram();
    return 0;
}

} // namespace bench
