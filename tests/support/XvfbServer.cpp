// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/XvfbServer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <thread>

extern char** environ;

namespace testing_support {
namespace {

using namespace std::chrono_literals;

bool exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

// The server writes its process id into the display's lock file; reading ours
// there tells our server from another one that took the display meanwhile.
pid_t lockOwner(const std::string& lockFile) {
    std::ifstream in(lockFile);
    long pid = -1;
    in >> pid;
    return in ? static_cast<pid_t>(pid) : -1;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (auto waited = 0ms; waited < 2000ms; waited += 10ms) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(10ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

XvfbServer::XvfbServer(std::string screen) : m_screen(std::move(screen)) {
    for (int number = 97; number <= 120 && !running(); ++number)
        if (!tryDisplay(number) && m_whyNot == "Xvfb is not installed") return;
    if (!running() && m_whyNot.empty()) m_whyNot = "no free display from :97 to :120";
}

XvfbServer::~XvfbServer() {
    if (running()) stop(m_pid);
}

bool XvfbServer::tryDisplay(int number) {
    const std::string name = ":" + std::to_string(number);
    const std::string lockFile = "/tmp/.X" + std::to_string(number) + "-lock";
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    if (exists(lockFile) || exists(socket)) return false; // taken (or left behind by a server that died)

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    // -noreset: by default the server resets whenever its last client leaves,
    // and refuses connections meanwhile; tests connect and leave all the time.
    const char* argv[] = {"Xvfb",    name.c_str(), "-nolisten",      "tcp",  "-noreset",
                          "-screen", "0",          m_screen.c_str(), nullptr};
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        m_whyNot = failed == ENOENT ? "Xvfb is not installed"
                                    : std::string("cannot start Xvfb: ") + std::strerror(failed);
        return false;
    }

    for (auto waited = 0ms; waited < 10000ms; waited += 20ms) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            m_whyNot = "Xvfb on " + name + " ended at once";
            return false;
        }
        if (exists(socket) && lockOwner(lockFile) == pid) {
            m_pid = pid;
            m_display = name;
            return true;
        }
        std::this_thread::sleep_for(20ms);
    }
    stop(pid);
    m_whyNot = "Xvfb on " + name + " did not come up";
    return false;
}

} // namespace testing_support
