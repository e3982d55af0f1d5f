#include "program_figures.h"

#include "app/dispatch.h"
#include "app/ids.h"
#include "app/startup.h"
#include "colour/detail_panel.h"
#include "gui/event_queue.h"
#include "gui/list_view.h"
#include "harness.h"
#include "store/entry_list.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace bench {
namespace {

void expectListedRows(int expected, const char* after) {
    const int listed = gui::listRowCount(ids::kEntryList);
    if (listed != expected)
        fail(QStringLiteral("%1 listed %2 rows instead of %3").arg(QLatin1String(after)).arg(listed).arg(expected));
}

QWidget* entryListWidget() {
    const QString name = QStringLiteral("control_%1").arg(ids::kEntryList);
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->objectName() == name)
            return widget;
    fail(QStringLiteral("the entry list widget is missing"));
}

} // namespace

void drainEvents() {
    while (auto event = gui::pollEvent())
        app::dispatchEvent(*event);
}

void startProgram(const QString& folder) {
    if (!QDir::setCurrent(folder))
        fail(QStringLiteral("cannot change into %1").arg(folder));
    gui::discardQueuedEvents();
    app::startUp();
    drainEvents();
}

void stopProgram() {
    app::shutDown();
    gui::discardQueuedEvents();
}

double timeRefill(int expectedRows) {
    const double ms = timeOnce([] {
        store::refillAllEntries();
        gui::processPendingToolkitEvents();
    });
    expectListedRows(expectedRows, "refill");
    drainEvents();
    return ms;
}

double timeSearch(const QString& term, int expectedRows) {
    const double ms = timeOnce([&term] {
        store::search(term);
        gui::processPendingToolkitEvents();
    });
    expectListedRows(expectedRows, "search");
    drainEvents();
    return ms;
}

double timeDetailRefresh() {
    return timeOnce([] { colour::refreshDetails(); });
}

double timeScrollToEnd() {
    QWidget* list = entryListWidget();
    const int last = gui::listRowCount(ids::kEntryList) - 1;
    gui::selectListRow(ids::kEntryList, 0);
    list->repaint();
    drainEvents();
    const double ms = timeOnce([list, last] {
        gui::selectListRow(ids::kEntryList, last);
        list->repaint();
    });
    if (gui::selectedListRow(ids::kEntryList) != last)
        fail(QStringLiteral("the last row was not selected"));
    drainEvents();
    return ms;
}

} // namespace bench
