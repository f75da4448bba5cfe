// SPDX-License-Identifier: GPL-3.0-or-later
// Installing and restoring a storm on a route with four rain environment files
// of 1 MB, against the same copies (and deletions) made by cp and rm, and by
// std::filesystem in this process. The storm's own cost beyond the copies is
// its journal (written twice, synced to disk) and the byte-for-byte checks of
// the back-ups and of every file put back.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRONTARA_BENCHMARKS=ON
//   cmake --build build-bench --target storm_cycle_bench
//   build-bench/bench/storm/storm_cycle_bench [--benchmark_repetitions=5] [--benchmark_filter=...]
//
// The folders live under $TMPDIR (else /tmp); the file system there decides
// what a sync costs.
#include "core/storm/StormInstaller.h"
#include "core/storm/StormRestorer.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;
const std::vector<std::string> kRainNames = {"a_rain.env", "b_rain.env", "c_rain.env", "d_rain.env"};

void write(const fs::path& file, std::size_t size, char fill) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    const std::string data(size, fill);
    out << data;
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

// A program folder and a simulator with the sizes of a real storm: 1 MB per
// rain environment file (and the storm's own), 256 KB per texture and thunder
// sound, 4 KB per sound source.
class Layout {
  public:
    Layout() {
        std::string pattern = (fs::temp_directory_path() / "brontara-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        root = pattern;
        program = root / "Brontara";
        simulator = root / "MSTS";
        for (const char* t : storm::kTextureNames)
            write(program / "Dump/Textures" / t, 256 * 1024, 't');
        for (std::size_t n = 1; n <= storm::kThunderSoundCount; ++n)
            write(program / "Dump/Sounds" / storm::thunderSoundName(n), 256 * 1024, 'w');
        write(program / "Dump/Sounds/ZKT_rain_in.sms", 4096, 'i');
        write(program / "Dump/Sounds/ZKT_rain_ex.sms", 4096, 'e');
        write(program / "Dump/rain/ZKT_rain_Onweer.env", kMegabyte, 's');
        fs::create_directories(program / "Dump/back_up");
        for (const auto& n : kRainNames)
            write(simulator / "Routes/Route/Envfiles" / n, kMegabyte, 'o');
        fs::create_directories(simulator / "Routes/Route/Envfiles/Textures");
        write(simulator / "SOUND/rain_in.sms", 4096, 'I');
        write(simulator / "SOUND/rain_ex.sms", 4096, 'E');
        fs::create_directories(program / "Dump/back_up/Route");
        fs::create_directories(program / "Dump/back_up/Sounds");
    }
    ~Layout() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    fs::path root, program, simulator;
};

// Every copy an installation and a restoration make, in their order, and the deletions.
struct Copy {
    fs::path from, to;
    bool keep; // an existing destination is kept
};
std::vector<Copy> sameCopies(const Layout& l) {
    const fs::path env = l.simulator / "Routes/Route/Envfiles", sound = l.simulator / "SOUND";
    const fs::path backups = l.program / "Dump/back_up";
    std::vector<Copy> c;
    for (const auto& n : kRainNames)
        c.push_back({env / n, backups / "Route" / n, false});
    for (const char* t : storm::kTextureNames)
        c.push_back({l.program / "Dump/Textures" / t, env / "Textures" / t, true});
    for (std::size_t n = 1; n <= storm::kThunderSoundCount; ++n)
        c.push_back({l.program / "Dump/Sounds" / storm::thunderSoundName(n),
                     sound / storm::thunderSoundName(n), true});
    for (const char* s : {"rain_in.sms", "rain_ex.sms"})
        c.push_back({sound / s, backups / "Sounds" / s, false});
    for (const char* s : {"rain_in.sms", "rain_ex.sms"})
        c.push_back({l.program / "Dump/Sounds" / (std::string("ZKT_") + s), sound / s, false});
    for (const auto& n : kRainNames)
        c.push_back({l.program / "Dump/rain/ZKT_rain_Onweer.env", env / n, false});
    for (const auto& n : kRainNames)
        c.push_back({backups / "Route" / n, env / n, false});
    for (const char* s : {"rain_in.sms", "rain_ex.sms"})
        c.push_back({backups / "Sounds" / s, sound / s, false});
    return c;
}
std::vector<fs::path> added(const Layout& l) {
    std::vector<fs::path> a;
    for (const char* t : storm::kTextureNames)
        a.push_back(l.simulator / "Routes/Route/Envfiles/Textures" / t);
    for (std::size_t n = 1; n <= storm::kThunderSoundCount; ++n)
        a.push_back(l.simulator / "SOUND" / storm::thunderSoundName(n));
    return a;
}

std::size_t bytesCopied(const Layout& l) {
    std::size_t total = 0;
    for (const auto& c : sameCopies(l))
        total += fs::file_size(c.from);
    return total;
}

void BM_StormInstallAndRestore(benchmark::State& state) {
    Layout l;
    storm::PlatformStormFiles files;
    const std::string programFolder = l.program.string() + "/";
    storm::StormRecord record;
    record.simulatorFolder = l.simulator.string();
    record.route = "Route";
    record.rainEnvNames = kRainNames;
    record.rainEnvByPattern = true;
    for (auto _ : state) {
        const auto installed = storm::StormInstaller(files, programFolder).install(record);
        if (installed.outcome != storm::InstallOutcome::Installed) state.SkipWithError("installation failed");
        if (!storm::StormRestorer(files, programFolder).restore(installed.journal).complete())
            state.SkipWithError("restoration failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytesCopied(l)));
}

// One shell, cp per destination folder where names stay, one cp per renamed copy, one rm.
void BM_CpSameCopies(benchmark::State& state) {
    Layout l;
    const fs::path env = l.simulator / "Routes/Route/Envfiles", sound = l.simulator / "SOUND";
    const fs::path backups = l.program / "Dump/back_up";
    auto q = [](const fs::path& p) { return "'" + p.string() + "'"; };
    std::string script = "set -e\n";
    auto many = [&](const std::string& flags, const std::vector<fs::path>& from, const fs::path& to) {
        script += "cp " + flags;
        for (const auto& f : from)
            script += " " + q(f);
        script += " " + q(to) + "/\n";
    };
    std::vector<fs::path> envs, textures, sounds, storedEnvs;
    for (const auto& n : kRainNames) {
        envs.push_back(env / n);
        storedEnvs.push_back(backups / "Route" / n);
    }
    for (const char* t : storm::kTextureNames)
        textures.push_back(l.program / "Dump/Textures" / t);
    for (std::size_t n = 1; n <= storm::kThunderSoundCount; ++n)
        sounds.push_back(l.program / "Dump/Sounds" / storm::thunderSoundName(n));
    many("", envs, backups / "Route");
    many("-n", textures, env / "Textures");
    many("-n", sounds, sound);
    many("", {sound / "rain_in.sms", sound / "rain_ex.sms"}, backups / "Sounds");
    for (const char* s : {"rain_in.sms", "rain_ex.sms"})
        script +=
            "cp " + q(l.program / "Dump/Sounds" / (std::string("ZKT_") + s)) + " " + q(sound / s) + "\n";
    for (const auto& e : envs)
        script += "cp " + q(l.program / "Dump/rain/ZKT_rain_Onweer.env") + " " + q(e) + "\n";
    many("", storedEnvs, env);
    script += "rm -f";
    for (const auto& a : added(l))
        script += " " + q(a);
    script += "\n";
    many("", {backups / "Sounds/rain_in.sms", backups / "Sounds/rain_ex.sms"}, sound);
    const fs::path file = l.root / "copies.sh";
    std::ofstream(file) << script;
    const std::string command = "sh " + q(file);
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytesCopied(l)));
}

// The same copies in this process: what copying costs without starting programs.
void BM_CopyFileSameCopies(benchmark::State& state) {
    Layout l;
    const auto copies = sameCopies(l);
    const auto toDelete = added(l);
    for (auto _ : state) {
        for (std::size_t i = 0; i < copies.size(); ++i) {
            const auto& c = copies[i];
            fs::copy_file(c.from, c.to,
                          c.keep ? fs::copy_options::skip_existing : fs::copy_options::overwrite_existing);
            if (i == copies.size() - 3) // the restore deletes the additions before the sound sources
                for (const auto& a : toDelete)
                    fs::remove(a);
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytesCopied(l)));
}

} // namespace

BENCHMARK(BM_StormInstallAndRestore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CpSameCopies)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyFileSameCopies)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
