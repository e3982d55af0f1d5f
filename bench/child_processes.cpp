#include "child_processes.h"

#include "app/dispatch.h"
#include "app/ids.h"
#include "app/startup.h"
#include "baseline_scan.h"
#include "collection.h"
#include "colour/detail_text.h"
#include "gui/controls.h"
#include "gui/event_queue.h"
#include "gui/list_view.h"
#include "harness.h"
#include "program_figures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace bench {
namespace {

constexpr double kStartupTimeoutMs = 120'000;

void changeInto(const QString& folder) {
    if (!QDir::setCurrent(folder))
        fail(QStringLiteral("cannot change into %1").arg(folder));
}

QString firstEntryDetailText() {
    const GeneratedEntry first = entryAt(0);
    colour::EntryTexts texts;
    for (std::size_t column = 0; column < texts.size(); ++column)
        texts[column] = QString::fromStdString(first[column]);
    return colour::detailText(texts);
}

bool exposed(const QWidget& window) {
    return window.windowHandle() && window.windowHandle()->isExposed();
}

double peakResidentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot read /proc/self/status"));
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("VmHWM:"))
            continue;
        const QList<QByteArray> parts = line.mid(6).simplified().split(' ');
        return parts.value(0).toDouble() / 1024; // reported in kB
    }
    fail(QStringLiteral("no VmHWM in /proc/self/status"));
}

} // namespace

std::vector<double> runChild(const QStringList& arguments) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForStarted(-1) || !child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        fail(QStringLiteral("child %1 failed (exit %2): %3")
                 .arg(arguments.join(u' '))
                 .arg(child.exitCode())
                 .arg(QString::fromLocal8Bit(child.readAllStandardError()).trimmed()));
    std::vector<double> numbers;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        bool ok = false;
        numbers.push_back(line.trimmed().toDouble(&ok));
        if (!ok)
            fail(QStringLiteral("child %1 printed '%2'").arg(arguments.join(u' '), QString::fromUtf8(line)));
    }
    return numbers;
}

int childProgramStartup(int& argc, char** argv, const QString& folder) {
    changeInto(folder);
    const QString expected = firstEntryDetailText();
    const Clock::time_point start = Clock::now();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessora"));
    app::startUp();
    while (gui::controlText(ids::kDetailText) != expected) {
        if (auto event = gui::pollEvent())
            app::dispatchEvent(*event);
        if (millisecondsSince(start) > kStartupTimeoutMs)
            fail(QStringLiteral("the detail text never showed the first entry"));
    }
    const double ms = millisecondsSince(start);
    std::printf("%.3f\n", ms);
    app::shutDown();
    return 0;
}

int childBareStartup(int& argc, char** argv, const QString& folder) {
    changeInto(folder);
    const Clock::time_point start = Clock::now();
    QApplication application(argc, argv);
    QWidget window;
    window.resize(850, 616);
    window.show();
    // Two passes at least, so the exposed window has also been painted once.
    for (int pass = 0; pass < 2 || (pass < 100 && !exposed(window)); ++pass)
        QApplication::processEvents();
    const ScanResult scan = bareScan(QStringLiteral("colours.tsdb"), QStringLiteral("SELECT * FROM colours"));
    const double ms = millisecondsSince(start);
    if (scan.rows == 0)
        fail(QStringLiteral("the bare scan found no rows"));
    std::printf("%.3f\n", ms);
    return 0;
}

int childMemory(int& argc, char** argv, const QString& folder) {
    changeInto(folder);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessora"));
    app::startUp();
    drainEvents();
    if (gui::listRowCount(ids::kEntryList) == 0)
        fail(QStringLiteral("the program listed no rows"));
    std::printf("%.2f\n", peakResidentMiB());
    app::shutDown();
    return 0;
}

} // namespace bench
