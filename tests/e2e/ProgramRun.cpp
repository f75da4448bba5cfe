// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRun.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testing_support {

ProgramCopy::ProgramCopy() {
    fs::copy(BRONTARA_PROGRAM_FOLDER, programFolder(), fs::copy_options::recursive);
    // The copy starts as unpacked: no settings, no back-ups.
    fs::remove(programFolder() + "/Dump/All_dat.ini");
    fs::remove_all(programFolder() + "/Dump/back_up");
    fs::create_directory(programFolder() + "/Dump/back_up");
    m_tmp.write("MSTS/train.exe", "stand-in");
    m_tmp.write("MSTS/SOUND/rain_in.sms", "rain in");
    m_tmp.write("MSTS/SOUND/rain_ex.sms", "rain ex");
    m_tmp.write("MSTS/Routes/Zonnedal/Envfiles/rain.env", "rain env");
    m_tmp.mkdir("MSTS/Routes/Zonnedal/Envfiles/Textures");
}

void ProgramCopy::writeSettings(const std::string& content) const {
    m_tmp.write("Brontara/Dump/All_dat.ini", content);
}

void ProgramCopy::writeFinishedFirstStart() const {
    writeSettings("[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n[msts locatie]\r\nPad=" +
                  simulator() + "\r\n");
}

ProgramProcess::ProgramProcess(const std::string& executable, const Options& options) {
    char name[] = "/tmp/brontara-output-XXXXXX";
    int out = mkstemp(name);
    if (out < 0) throw std::runtime_error("cannot create the output file");
    m_outputFile = name;
    m_pid = fork();
    if (m_pid == 0) {
        dup2(out, 1);
        dup2(out, 2);
        if (options.display.empty()) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            unsetenv("DISPLAY");
        } else {
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            setenv("DISPLAY", options.display.c_str(), 1);
        }
        setenv("XDG_RUNTIME_DIR", options.runtimeDir.c_str(), 1);
        // Started from elsewhere, so that nothing depends on the current directory.
        if (chdir("/") != 0) _exit(126);
        execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out);
}

ProgramProcess::~ProgramProcess() {
    if (running()) {
        kill(SIGKILL);
        waitForExit(std::chrono::seconds(5));
    }
    std::remove(m_outputFile.c_str());
}

std::optional<int> ProgramProcess::waitForExit(std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!m_status) {
        int status = 0;
        pid_t r = waitpid(m_pid, &status, WNOHANG);
        if (r == m_pid) {
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return m_status;
}

bool ProgramProcess::running() {
    return !waitForExit(std::chrono::milliseconds(0));
}

void ProgramProcess::kill(int signal) {
    ::kill(m_pid, signal);
}

std::string ProgramProcess::output() const {
    std::ifstream in(m_outputFile);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool ProgramProcess::holdsLock() const {
    // Lines like "1: FLOCK  ADVISORY  WRITE 4242 00:1a:1234 0 EOF".
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string id, kind, mode, access, pid;
        fields >> id >> kind >> mode >> access >> pid;
        if ((kind == "FLOCK" || kind == "POSIX") && pid == std::to_string(m_pid)) return true;
    }
    return false;
}

bool ProgramProcess::waitForLock(std::chrono::milliseconds timeout) const {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (holdsLock()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

} // namespace testing_support
