// SPDX-License-Identifier: GPL-3.0-or-later
// One start, timed from the process's own start to its main window shown:
// "startup_bench <launchNs> brontara <programFolder>" starts Brontara's windows the way the
// program does; "startup_bench <launchNs> bare" shows a bare Qt main window,
// "bare-text" the same with a menu and a label. Prints the
// milliseconds and exits, so a script can run both many times in one run.
#include "app/Startup.h"
#include "gui/AppContext.h"
#include "gui/MainWindow.h"
#include "gui/platform/DesktopPlatform.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// Milliseconds since the launching script took its time stamp (ns since the
// epoch), so that exec, loading and Qt's own start-up are counted too.
double msSince(const char* launchNs) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    double nowNs = static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
    return (nowNs - std::stod(launchNs)) / 1e6;
}

void waitUntilExposed(QWidget& w) {
    while (!w.windowHandle() || !w.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const char* launchNs = argv[1];
    QApplication app(argc, argv);
    if (std::strcmp(argv[2], "bare") == 0 || std::strcmp(argv[2], "bare-text") == 0) {
        QMainWindow w;
        w.setWindowTitle(QStringLiteral("bare"));
        w.resize(349, 300);
        if (std::strcmp(argv[2], "bare-text") == 0) {
            // The same window with a menu and a line of text: what any window
            // that draws text pays for loading the fonts.
            w.menuBar()->addMenu(QStringLiteral("&Bestand"))->addAction(QStringLiteral("&Afsluiten"));
            w.setCentralWidget(new QLabel(QStringLiteral("Selecteer een route")));
        }
        w.show();
        waitUntilExposed(w);
    } else {
        if (argc < 4) return 2;
        // Everything the program does before its window shows, the single-instance claim included.
        auto claim = platform::InstanceClaim::tryClaim("ZKT Onweer bench");
        platform::DesktopPlatform desktop;
        AppContext context{desktop, Folders{argv[3]}};
        const double beforeForms = msSince(launchNs);
        Windows windows = createWindows(context);
        const double afterForms = msSince(launchNs);
        windows.main->show();
        waitUntilExposed(*windows.main);
        // Where the time goes, for whoever tunes it: on stderr, apart from the result.
        std::fprintf(stderr, "application %.1f ms, windows %.1f ms, show %.1f ms\n", beforeForms,
                     afterForms - beforeForms, msSince(launchNs) - afterForms);
    }
    std::printf("%.3f\n", msSince(launchNs));
    return 0;
}
