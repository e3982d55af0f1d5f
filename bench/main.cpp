// tessora_bench: the program's speed, memory and idle load, each against bare SQLite and Qt doing the same work.
//
//   tessora_bench           full run on collections of 100,000 and 1,000,000 entries (several minutes)
//   tessora_bench --quick   smoke run: 100,000 entries only, fewer runs, 2 s idle periods
//   tessora_bench --check   exit code 1 when a figure misses its target (combines with --quick)
//
// Exit code 2 means a figure could not be measured (wrong row count, a failed child); the reason is on stderr.
//
// Build with -DTESSORA_BENCH=ON, preferably as a Release build. Everything happens in a temporary folder, on
// the offscreen display unless QT_QPA_PLATFORM names another. One line per figure goes to stdout; the
// --child-* flags are for the runs the benchmark starts of itself.

#include "baseline_scan.h"
#include "child_processes.h"
#include "collection.h"
#include "harness.h"
#include "idle_cpu.h"
#include "program_figures.h"
#include "report.h"
#include "store/statements.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace {

using namespace bench;

constexpr double kRefillLimit = 1.5;
constexpr double kSearchLimit = 1.3;
constexpr double kStartupLimit = 1.5;
constexpr double kMiB = 1024.0 * 1024.0;

double idleSeconds(bool quick) {
    return quick ? 2 : 10;
}

struct Options {
    bool quick = false;
    bool check = false;
    QString childFlag;
    QString childFolder;
};

// One collection and how often each figure on it is measured.
struct Collection {
    int entries = 0;
    int runs = 0;
    QString folder;

    QString file() const { return folder + QStringLiteral("/colours.tsdb"); }
    std::string label(const char* figure) const {
        const bool millions = entries >= 1'000'000;
        std::string text = figure;
        text += ' ';
        text += std::to_string(millions ? entries / 1'000'000 : entries / 1000);
        text += millions ? 'M' : 'k';
        return text;
    }
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QStringLiteral("--quick"))
            options.quick = true;
        else if (argument == QStringLiteral("--check"))
            options.check = true;
        else if (argument.startsWith(QStringLiteral("--child-")) && i + 1 < argc) {
            options.childFlag = argument;
            options.childFolder = QString::fromLocal8Bit(argv[++i]);
        }
    }
    return options;
}

int runAsChild(const Options& options, int& argc, char** argv) {
    if (options.childFlag == kChildStartupFlag)
        return childProgramStartup(argc, argv, options.childFolder);
    if (options.childFlag == kChildBareStartupFlag)
        return childBareStartup(argc, argv, options.childFolder);
    if (options.childFlag == kChildMemoryFlag)
        return childMemory(argc, argv, options.childFolder);
    if (options.childFlag == kChildIdleFlag)
        return childIdle(argc, argv, options.childFolder, idleSeconds(options.quick));
    fail(QStringLiteral("unknown flag %1").arg(options.childFlag));
}

// A working folder as the program expects it: the icon set, the help and the collection.
Collection prepare(const QDir& root, int entries, int runs) {
    Collection collection{entries, runs, root.filePath(QStringLiteral("n%1").arg(entries))};
    const QDir folder(collection.folder);
    const QString assets = QStringLiteral(TESSORA_ASSETS_DIR);
    if (!folder.mkpath(QStringLiteral("gfx")) || !folder.mkpath(QStringLiteral("help")))
        fail(QStringLiteral("cannot make %1").arg(collection.folder));
    const QDir icons(assets + QStringLiteral("/gfx"));
    for (const QString& name : icons.entryList({QStringLiteral("*.ico")}, QDir::Files))
        QFile::copy(icons.filePath(name), folder.filePath(QStringLiteral("gfx/") + name));
    QFile::copy(assets + QStringLiteral("/help/index.html"), folder.filePath(QStringLiteral("help/index.html")));
    writeCollection(collection.file(), entries);
    return collection;
}

ScanResult scanExpecting(const QString& file, const QString& sql, long long rows) {
    const ScanResult result = bareScan(file, sql);
    if (result.rows != rows)
        fail(QStringLiteral("the bare scan read %1 rows instead of %2").arg(result.rows).arg(rows));
    return result;
}

// Baseline and program take turns, so a change in the machine's load falls on both alike.
bool refillFigure(const Collection& c) {
    std::vector<double> program, baseline;
    for (int run = 0; run < c.runs; ++run) {
        baseline.push_back(timeOnce([&c] { scanExpecting(c.file(), store::allEntriesQuery(), c.entries); }));
        program.push_back(timeRefill(c.entries));
    }
    return printRatio(c.label("refill"), spreadOf(program), spreadOf(baseline).median, kRefillLimit);
}

bool searchFigure(const Collection& c) {
    const int hits = searchHits(c.entries);
    std::vector<double> program, baseline;
    for (int run = 0; run < c.runs; ++run) {
        baseline.push_back(timeOnce([&c, hits] { scanExpecting(c.file(), store::searchQuery(kSearchTerm), hits); }));
        program.push_back(timeSearch(kSearchTerm, hits));
    }
    timeRefill(c.entries); // every entry listed again for the figures that follow
    return printRatio(c.label("search"), spreadOf(program), spreadOf(baseline).median, kSearchLimit);
}

void detailRefreshFigure(const Collection& c, int runs) {
    std::vector<double> program;
    for (int run = 0; run < runs; ++run)
        program.push_back(timeDetailRefresh());
    drainEvents();
    printTime(c.label("detail refresh"), spreadOf(program));
}

void scrollFigure(const Collection& c) {
    std::vector<double> program;
    for (int run = 0; run < c.runs; ++run)
        program.push_back(timeScrollToEnd());
    printTime(c.label("scroll to end"), spreadOf(program));
}

double childNumber(const QStringList& arguments) {
    const std::vector<double> numbers = runChild(arguments);
    if (numbers.size() != 1)
        fail(QStringLiteral("child %1 printed %2 numbers").arg(arguments.join(u' ')).arg(numbers.size()));
    return numbers.front();
}

bool startupFigure(const Collection& c) {
    const QStringList programRun{kChildStartupFlag, c.folder};
    const QStringList bareRun{kChildBareStartupFlag, c.folder};
    // One untimed start of each first, so both find the libraries and fonts in the file cache.
    childNumber(bareRun);
    childNumber(programRun);
    std::vector<double> program, baseline;
    for (int run = 0; run < c.runs; ++run) {
        baseline.push_back(childNumber(bareRun));
        program.push_back(childNumber(programRun));
    }
    return printRatio(c.label("start-up"), spreadOf(program), spreadOf(baseline).median, kStartupLimit);
}

bool memoryFigure(const Collection& c) {
    const double textsMiB = 2.0 * double(bareScan(c.file(), store::allEntriesQuery()).characters) / kMiB;
    std::vector<double> peaks;
    for (int run = 0; run < c.runs; ++run)
        peaks.push_back(childNumber({kChildMemoryFlag, c.folder}));
    return printMemory(c.label("memory"), spreadOf(peaks), textsMiB);
}

bool idleFigures(const Collection& c, bool quick) {
    QStringList arguments{kChildIdleFlag, c.folder};
    if (quick)
        arguments << QStringLiteral("--quick");
    const std::vector<double> percents = runChild(arguments);
    if (percents.size() != kIdleWindows.size())
        fail(QStringLiteral("the idle child printed %1 numbers").arg(percents.size()));
    bool ok = true;
    for (std::size_t i = 0; i < percents.size(); ++i)
        ok &= printIdle(std::string("idle ") + kIdleWindows[i], percents[i], idleSeconds(quick));
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const Options options = parse(argc, argv);
    if (!options.childFlag.isEmpty())
        return runAsChild(options, argc, argv);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessora"));
    printMachine();

    // Static, so the collections (over 100 MB) are removed even when fail() ends the run through std::exit().
    static QTemporaryDir root;
    if (!root.isValid())
        fail(QStringLiteral("cannot make a temporary folder"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root.path());

    std::vector<Collection> collections{prepare(QDir(root.path()), 100'000, options.quick ? 2 : 5)};
    if (!options.quick)
        collections.push_back(prepare(QDir(root.path()), 1'000'000, 3));
    const Collection& small = collections.front();
    const Collection& large = collections.back();

    bool ok = true;
    for (const Collection& c : collections) {
        startProgram(c.folder);
        ok &= refillFigure(c);
        if (&c == &large) {
            ok &= searchFigure(c);
            detailRefreshFigure(c, options.quick ? 10 : 50);
            scrollFigure(c);
        }
        stopProgram();
    }
    ok &= startupFigure(small);
    ok &= memoryFigure(large);
    ok &= idleFigures(small, options.quick);

    QDir::setCurrent(previous);
    return options.check && !ok ? 1 : 0;
}
