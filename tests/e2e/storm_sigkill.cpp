// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, under a display of its own. Killed with SIGKILL while a
// storm is installed, the next start opens locked with the restore button,
// and restoring leaves the simulator folder byte for byte as it was. A
// simulator file it cannot change gets a box, and nothing changes at all.
#include "support/TempDir.h"
#include "support/XvfbServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using testing_support::readFile;
using testing_support::snapshot;
using testing_support::TempDir;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool onPath(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Polls until the condition holds or the time is up.
bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(50ms);
    }
    return condition();
}

// A child process that is killed, if still running, when the object goes.
class Process {
  public:
    Process(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
            posix_spawn_file_actions_t* actions = nullptr) {
        std::vector<char*> args, envp;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        for (const auto& e : environment)
            envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
        if (posix_spawnp(&m_pid, argv[0].c_str(), actions, nullptr, args.data(), envp.data()) != 0)
            m_pid = -1;
    }
    ~Process() { kill(SIGKILL); }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool started() const { return m_pid > 0; }
    bool running() {
        if (m_pid <= 0) return false;
        if (waitpid(m_pid, &m_status, WNOHANG) == m_pid) {
            m_pid = -1;
            return false;
        }
        return true;
    }
    // Sends the signal and waits for the end; the wait status.
    int kill(int signal) {
        if (m_pid > 0) {
            ::kill(m_pid, signal);
            waitpid(m_pid, &m_status, 0);
            m_pid = -1;
        }
        return m_status;
    }

  private:
    pid_t m_pid = -1;
    int m_status = 0;
};

// An X server of the test's own, large enough for the main window, with
// xdotool to type and click on it.
class Display {
  public:
    Display() : m_server("1024x768x24") {}
    const std::string& name() const { return m_server.display(); }
    const std::string& whyNot() const { return m_server.whyNot(); }

    // Runs xdotool on this display; its output.
    std::string xdotool(const std::string& arguments) const {
        std::string out;
        if (FILE* p = popen(("DISPLAY=" + name() + " xdotool " + arguments + " 2>/dev/null").c_str(), "r")) {
            char buffer[256];
            while (std::fgets(buffer, sizeof buffer, p))
                out += buffer;
            pclose(p);
        }
        return out;
    }
    // The program's main window, once it is mapped.
    std::optional<std::string> mainWindow() const {
        const std::string ids = xdotool("search --onlyvisible --name '^Brontara$'");
        if (ids.empty()) return std::nullopt;
        return ids.substr(0, ids.find('\n'));
    }
    // Width and height of a window.
    std::pair<int, int> size(const std::string& window) const {
        const std::string g = xdotool("getwindowgeometry --shell " + window);
        auto value = [&](const std::string& key) {
            const auto at = g.find(key + "=");
            return at == std::string::npos ? 0 : std::atoi(g.c_str() + at + key.size() + 1);
        };
        return {value("WIDTH"), value("HEIGHT")};
    }

  private:
    testing_support::XvfbServer m_server;
};

class StormSigkillTest : public testing::Test {
  protected:
    void SetUp() override {
        const std::string built = STORM_E2E_PROGRAM_DIR;
        if (!fs::exists(built + "/brontara"))
            GTEST_SKIP() << "the program folder is not built (target program_folder)";
        if (!onPath("Xvfb") || !onPath("xdotool")) GTEST_SKIP() << "needs Xvfb and xdotool";

        // The program folder as users unpack it, and a fresh sample simulator.
        fs::copy(built, program, fs::copy_options::recursive);
        fs::copy(STORM_E2E_SAMPLE_DIR, simulator, fs::copy_options::recursive);
        fs::remove(program + "/Dump/storm_journal.ini");
        fs::remove_all(program + "/Dump/back_up");
        fs::create_directories(program + "/Dump/back_up");
        standInsForMissingStormFiles();
        dir.write("Brontara/Dump/All_dat.ini", "[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n"
                                               "[msts locatie]\r\nPad=" +
                                                   simulator + "\r\n");
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
    }

    // The storm's files come from the content generator; where they are not built, small stand-ins do.
    void standInsForMissingStormFiles() {
        std::vector<std::string> files = {"Textures/ZKT_snowsky.ace",     "Textures/ZKT_snowskylo.ace",
                                          "Textures/ZKT_LichtFlits.ace",  "Textures/ZKT_Bliksem.ace",
                                          "Textures/ZKT_Transparant.ace", "Sounds/ZKT_rain_in.sms",
                                          "Sounds/ZKT_rain_ex.sms",       "rain/ZKT_rain_Onweer.env"};
        for (int n = 1; n <= 9; ++n)
            files.push_back("Sounds/ZKT_Onweer" + std::to_string(n) + ".wav");
        for (const auto& f : files)
            if (!fs::exists(program + "/Dump/" + f)) dir.write("Brontara/Dump/" + f, "stand-in " + f);
    }

    std::unique_ptr<Process> start(const Display& display) {
        return std::make_unique<Process>(
            std::vector<std::string>{program + "/brontara"},
            std::vector<std::string>{"DISPLAY=" + display.name(), "QT_QPA_PLATFORM=xcb", "HOME=" + dir.path(),
                                     "XDG_RUNTIME_DIR=" + runtime, "PATH=" + env("PATH")});
    }

    // Types the route into the route box of the main window (it has the focus) and presses the make
    // button; false when no main window shows.
    bool pressMake(const Display& display, const std::string& route) {
        std::optional<std::string> window;
        if (!waitFor([&] { return (window = display.mainWindow()).has_value(); }, 20s)) return false;
        display.xdotool("windowfocus " + *window);
        std::this_thread::sleep_for(500ms);
        display.xdotool("key --clearmodifiers ctrl+a");
        display.xdotool("type --delay 30 " + route);
        display.xdotool("key Tab space");
        return true;
    }

    std::string journal() const { return readFile(program + "/Dump/storm_journal.ini"); }
    bool stormInstalled() const {
        const std::string storm = readFile(program + "/Dump/rain/ZKT_rain_Onweer.env");
        return journal().find("Stage=Replacing") != std::string::npos &&
               readFile(simulator + "/Routes/Heuvelland/Envfiles/Heavy_Rain.env") == storm &&
               readFile(simulator + "/Routes/Heuvelland/Envfiles/rain_thunder.env") == storm;
    }

    TempDir dir;
    std::string program = dir / "Brontara";
    std::string simulator = dir / "SampleMSTS";
    std::string runtime = dir / "run";
};

TEST_F(StormSigkillTest, AStormSurvivesSigkillAndIsRestoredByTheNextStart) {
    Display display;
    if (display.name().empty()) GTEST_SKIP() << "no X server: " << display.whyNot();
    const auto pristine = snapshot(simulator);

    // First run: type the route into the route box (it has the focus) and press the make button.
    auto first = start(display);
    ASSERT_TRUE(first->started());
    ASSERT_TRUE(pressMake(display, "Heuvelland")) << "no main window";
    ASSERT_TRUE(waitFor([&] { return stormInstalled(); }, 20s)) << "the storm was not installed";
    std::this_thread::sleep_for(500ms); // the report and the lock follow in the same press

    const int status = first->kill(SIGKILL);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ASSERT_NE(snapshot(simulator), pristine);

    // Second run: it opens locked; the restore button puts everything back.
    auto second = start(display);
    ASSERT_TRUE(second->started());
    std::optional<std::string> window;
    ASSERT_TRUE(waitFor([&] { return (window = display.mainWindow()).has_value(); }, 20s))
        << "no main window";
    std::this_thread::sleep_for(500ms);
    window = display.mainWindow();
    ASSERT_TRUE(window);
    // The client area is 349 x 283 below the menu bar; the restore button lies at 100, 224, 160 x 25 in it.
    const auto [width, height] = display.size(*window);
    ASSERT_EQ(width, 349);
    const int menuBar = height - 283;
    display.xdotool("mousemove --window " + *window + " 180 " + std::to_string(menuBar + 236) + " click 1");
    ASSERT_TRUE(waitFor([&] { return !fs::exists(program + "/Dump/storm_journal.ini"); }, 20s))
        << "the restore button did not restore";
    EXPECT_TRUE(second->running());
    EXPECT_EQ(snapshot(simulator), pristine);
}

// What the storm cannot change: a Textures folder with the immutable attribute, which binds root too, and a
// named pipe, which opening for a back-up would wait on for ever. Each command gets the path as "$1".
struct Unwritable {
    const char* what;
    const char* path;
    const char* make;
    const char* undo;
};

class StormRefusedTest : public StormSigkillTest, public testing::WithParamInterface<Unwritable> {};

TEST_P(StormRefusedTest, GetsABoxWhileTheWindowAnswersAndNothingChanges) {
    const Unwritable& u = GetParam();
    Display display;
    if (display.name().empty()) GTEST_SKIP() << "no X server: " << display.whyNot();
    const std::string path = simulator + "/" + u.path;
    const auto run = [&](const char* snippet) {
        return std::system(("sh -c '" + std::string(snippet) + "' _ '" + path + "' 2>/dev/null").c_str()) ==
               0;
    };
    const auto pristine = snapshot(simulator);
    if (!run(u.make))
        GTEST_SKIP() << "cannot " << u.make << " here (needs root and a file system that takes it)";
    {
        // Undone however the block ends, before the simulator is compared.
        const std::unique_ptr<const char, std::function<void(const char*)>> undo(u.undo, run);
        auto brontara = start(display);
        ASSERT_TRUE(brontara->started());
        ASSERT_TRUE(pressMake(display, "Zonnedal")) << "no main window";
        ASSERT_TRUE(
            waitFor([&] { return !display.xdotool("search --onlyvisible --name '^Fout$'").empty(); }, 20s))
            << "no error box: the window stopped answering";
        EXPECT_TRUE(brontara->running());
        // Refused before anything was even backed up.
        EXPECT_FALSE(fs::exists(program + "/Dump/back_up/Zonnedal/rain.env"));
        EXPECT_FALSE(fs::exists(program + "/Dump/storm_journal.ini"));
    }
    EXPECT_EQ(snapshot(simulator), pristine);
}

INSTANTIATE_TEST_SUITE_P(Storm, StormRefusedTest,
                         testing::Values(Unwritable{"ImmutableTexturesFolder",
                                                    "Routes/Zonnedal/Envfiles/Textures", "chattr +i \"$1\"",
                                                    "chattr -i \"$1\""},
                                         Unwritable{"NamedPipeAsSoundSource", "SOUND/rain_ex.sms",
                                                    "mv \"$1\" \"$1.saved\" && mkfifo \"$1\"",
                                                    "rm -f \"$1\" && mv \"$1.saved\" \"$1\""}),
                         [](const auto& info) { return std::string(info.param.what); });

} // namespace
