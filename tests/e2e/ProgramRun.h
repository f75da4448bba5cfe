// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "support/TempDir.h"

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace testing_support {

// A copy of the program folder that the build laid out, in a temporary folder,
// with a sample simulator beside it: the executable finds its Dump folder next
// to itself, so every run works on its own data.
class ProgramCopy {
  public:
    ProgramCopy();
    const TempDir& dir() const { return m_tmp; }
    std::string programFolder() const { return m_tmp / "Brontara"; }
    std::string executable() const { return programFolder() + "/brontara"; }
    std::string simulator() const { return m_tmp / "MSTS"; }
    // Writes the settings a finished first start leaves: Dutch, asked, the simulator folder.
    void writeSettings(const std::string& content) const;
    void writeFinishedFirstStart() const;

  private:
    TempDir m_tmp;
};

// One run of the executable as a child process, with its own runtime folder
// (so that its single-instance claim is private to the test) and output.
class ProgramProcess {
  public:
    struct Options {
        std::string display;    // empty: Qt's offscreen platform
        std::string runtimeDir; // where the single-instance claim lives
    };
    ProgramProcess(const std::string& executable, const Options& options);
    ~ProgramProcess(); // kills the process if it still runs

    pid_t pid() const { return m_pid; }
    // The exit status once it ended within the time, else nothing.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    bool running();
    void kill(int signal);
    // What the process wrote to stdout and stderr so far.
    std::string output() const;
    // True once the process holds a lock (its single-instance claim), read from /proc/locks.
    bool holdsLock() const;
    bool waitForLock(std::chrono::milliseconds timeout) const;

  private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
    std::string m_outputFile;
};

} // namespace testing_support
