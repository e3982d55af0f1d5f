#include "app/dispatch.h"
#include "app/startup.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without any display Qt would abort with a page of platform-plugin errors; one clear line helps more.
bool displayAvailable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("Tessora needs a display. Without one, start it on a virtual one: xvfb-run -a ./tessora\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessora"));
    app::startUp();
    app::runMainLoop();
    app::shutDown();
    return 0;
}
