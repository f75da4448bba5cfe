// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's route list (what its activation does: the simulator
// folder read from the settings, its Routes folder listed into the route box)
// on a Routes folder with 10,000 route folders, against the least any listing must do: read the folder's
// names, sort them as the file system lists them, and put them into the box.
#include "core/program/Settings.h"
#include "gui/AppContext.h"
#include "gui/MainWindow.h"
#include "gui/platform/DesktopPlatform.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QStringList>
#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

testing_support::TempDir& routesFolder() {
    static testing_support::TempDir tmp;
    static bool made = false;
    if (!made) {
        for (int i = 0; i < 10000; ++i)
            tmp.mkdir("sim/Routes/Route_" + std::to_string((i * 7919) % 10000));
        tmp.write("sim/Routes/readme.txt", "a file among the folders");
        tmp.mkdir("prog/Dump");
        made = true;
    }
    return tmp;
}

void RouteList10000(benchmark::State& state) {
    auto& tmp = routesFolder();
    platform::DesktopPlatform desktop;
    AppContext context{desktop, Folders{tmp / "prog/"}};
    settings::writeSimulatorFolder(context.folders, tmp / "sim");
    MainWindow form(context);
    auto* routeBox = form.findChild<QComboBox*>(QStringLiteral("RouteBox"));
    for (auto _ : state) {
        form.reloadRoutes();
        benchmark::DoNotOptimize(routeBox->count());
    }
    if (routeBox->count() != 10000) state.SkipWithError("wrong number of routes");
}

void BaselineReadSortFill10000(benchmark::State& state) {
    auto& tmp = routesFolder();
    QComboBox box;
    box.setEditable(true);
    for (auto _ : state) {
        box.clear();
        QStringList names;
        for (const auto& e : std::filesystem::directory_iterator(tmp / "sim/Routes"))
            if (e.is_directory()) names << QString::fromStdString(e.path().filename().string());
        names.sort(Qt::CaseInsensitive);
        box.addItems(names);
        benchmark::DoNotOptimize(box.count());
    }
}

BENCHMARK(BaselineReadSortFill10000)->Unit(benchmark::kMillisecond);
BENCHMARK(RouteList10000)->Unit(benchmark::kMillisecond);

} // namespace
