// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Holds an exclusive flock. The kernel drops it when the descriptor closes,
// which also happens when the process ends, however it ends.
class LockFileClaim : public InstanceClaim {
  public:
    explicit LockFileClaim(int fd) : m_fd(fd) {}
    ~LockFileClaim() override { close(m_fd); }
    LockFileClaim(const LockFileClaim&) = delete;
    LockFileClaim& operator=(const LockFileClaim&) = delete;

  private:
    int m_fd;
};

std::string fileNameFor(const std::string& name) {
    std::string safe = name;
    for (char& c : safe) {
        if (c == '/' || c == '\0') c = '_';
    }
    return safe;
}

// The user's runtime folder is private to the user; the shared temporary
// folder is not, so there the user id goes into the name.
std::string lockPath(const std::string& name) {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        struct stat st;
        if (stat(runtime, &st) == 0 && S_ISDIR(st.st_mode))
            return std::string(runtime) + "/" + fileNameFor(name) + ".lock";
    }
    std::error_code error;
    std::string temporary = std::filesystem::temp_directory_path(error).string();
    if (error || temporary.empty()) temporary = "/tmp";
    return temporary + "/" + fileNameFor(name) + "-" + std::to_string(getuid()) + ".lock";
}

} // namespace

std::unique_ptr<InstanceClaim> InstanceClaim::tryClaim(const std::string& name) {
    // O_NOFOLLOW: a link planted in a shared folder must not make us create or lock another file.
    const int fd = open(lockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return nullptr;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid() ||
        flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<LockFileClaim>(fd);
}

} // namespace platform
