// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the simulator location window on a start without a stored folder,
// in a home folder with 50 Wine prefixes (Bottles, Lutris, PlayOnLinux and
// Proton, each system.reg 2 MB, three holding the simulator), with the search
// through the other prefixes and without it. The prefix in force (~/.wine,
// also 2 MB) has no simulator, so the search runs in full.
//
//   build-bench/bench/app/prefix_search_bench --benchmark_repetitions=10 \
//     --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
#include "core/program/Settings.h"
#include "gui/AppContext.h"
#include "gui/SimulatorFolderWindow.h"
#include "gui/platform/DesktopPlatform.h"
#include "location/WinePrefix.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Keys before the simulator's, as the file associations and classes of any prefix fill it.
std::string registryOfSize(std::size_t size, const std::string& simulatorKey, const char* arch) {
    std::string text = WinePrefix::header(arch);
    for (int i = 0; text.size() < size; ++i)
        text += "\n[Software\\\\Classes\\\\CLSID\\\\{" + std::to_string(10000000 + i) +
                "-0000-0000-C000-000000000046}\\\\InprocServer32] 1700000000\n#time=1da0b1c2d3e4f50\n"
                "@=\"C:\\\\windows\\\\system32\\\\ole32.dll\"\n\"ThreadingModel\"=\"Both\"\n";
    return text + simulatorKey;
}

struct Home {
    testing_support::TempDir tmp;
    std::string home = tmp.mkdir("home");
    testing_support::ScopedEnv homeEnv{"HOME", home};
    testing_support::ScopedEnv noPrefix{"WINEPREFIX", std::nullopt};

    Home() {
        constexpr std::size_t kSize = 2u << 20;
        const char* places[] = {".local/share/bottles/bottles/bottle", "Games/game",
                                ".PlayOnLinux/wineprefix/pol", ".steam/steam/steamapps/compatdata/"};
        for (int i = 0; i < 50; ++i) {
            const bool holds = i % 17 == 5; // three of them
            const std::string key =
                holds ? WinePrefix::simulatorKey("\"EXE Path\"=\"C:\\\\MSTS\"\n", "Software\\\\Wow6432Node")
                      : "";
            std::string prefix = home + "/" + places[i % 4] + std::to_string(i);
            if (i % 4 == 3) prefix += "/pfx";
            WinePrefix::makeOther(prefix, holds ? "MSTS" : "", registryOfSize(kSize, key, "win64"), i);
        }
        WinePrefix::makeOther(home + "/.wine", "", registryOfSize(kSize, "", "win64"));
        tmp.mkdir("prog/Dump");
    }
};

Home& home() {
    static Home h;
    return h;
}

// The real platform, but the modal run only shows the window once and ends.
class OpeningPlatform : public platform::DesktopPlatform {
  public:
    explicit OpeningPlatform(bool search) : m_search(search) {}
    int execModal(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        dialog.hide();
        return QDialog::Rejected;
    }
    std::vector<std::string> findInOtherWinePrefixes(const platform::WinePrefixQuery& query) override {
        return m_search ? DesktopPlatform::findInOtherWinePrefixes(query) : std::vector<std::string>{};
    }

  private:
    bool m_search;
};

void openWindow(benchmark::State& state, bool search) {
    Home& h = home();
    OpeningPlatform desktop(search);
    AppContext context{desktop, Folders{h.tmp / "prog/"}};
    std::string proposal;
    for (auto _ : state) {
        auto window = std::make_unique<SimulatorFolderWindow>(context);
        window->initialise();
        proposal = window->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text().toStdString();
    }
    const bool found = proposal.find("/drive_c/MSTS") != std::string::npos;
    if (found != search) state.SkipWithError("the proposal is not what the mode gives");
}

void OpenWithoutSearch(benchmark::State& state) {
    openWindow(state, false);
}
void OpenWithSearch50Prefixes(benchmark::State& state) {
    openWindow(state, true);
}

BENCHMARK(OpenWithoutSearch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenWithSearch50Prefixes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
