// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the benchmarks that make windows: Qt's offscreen platform, so
// that no display is needed and drawing costs what it costs everywhere.
#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
