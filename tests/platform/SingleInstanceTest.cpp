// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include "support/TempDir.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using platform::InstanceClaim;
using testing_support::ScopedEnv;
using testing_support::TempDir;

constexpr const char* kName = "ZKT Onweer";

// Runs `body` in a forked child and returns its exit status (-1 when it did not exit normally).
template <typename Body> int inChild(Body body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int claimInChild() {
    return inChild([] { return InstanceClaim::tryClaim(kName) ? 1 : 0; });
}

class SingleInstance : public ::testing::Test {
  protected:
    TempDir runtime;
    ScopedEnv runtimeDir{"XDG_RUNTIME_DIR", runtime.path()};
};

TEST_F(SingleInstance, SecondClaimFailsUntilTheFirstIsReleased) {
    auto first = InstanceClaim::tryClaim(kName);
    ASSERT_TRUE(first);
    EXPECT_TRUE(fs::exists(runtime / "ZKT Onweer.lock"));
    EXPECT_FALSE(InstanceClaim::tryClaim(kName)); // a second open file description in this process
    EXPECT_EQ(claimInChild(), 0);                 // another process
    EXPECT_TRUE(InstanceClaim::tryClaim("Another name"));
    first.reset();
    EXPECT_EQ(claimInChild(), 1);
    EXPECT_TRUE(InstanceClaim::tryClaim(kName));
}

TEST_F(SingleInstance, ClaimEndsWithTheProcessHoweverItEnds) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        close(ready[0]);
        auto claim = InstanceClaim::tryClaim(kName);
        const char held = claim ? '1' : '0';
        (void)!write(ready[1], &held, 1);
        pause(); // killed below, so the claim is never released by us
        _exit(0);
    }
    close(ready[1]);
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    close(ready[0]);
    EXPECT_EQ(held, '1');
    EXPECT_FALSE(InstanceClaim::tryClaim(kName));
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_TRUE(InstanceClaim::tryClaim(kName));
}

TEST_F(SingleInstance, LockIsNotInheritedByStartedPrograms) {
    auto claim = InstanceClaim::tryClaim(kName);
    ASSERT_TRUE(claim);
    const std::string lockFile = fs::canonical(runtime / "ZKT Onweer.lock").string();
    int found = 0;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (fs::read_symlink(entry.path(), ec).string() != lockFile) continue;
        ++found;
        const int fd = std::stoi(entry.path().filename().string());
        EXPECT_NE(fcntl(fd, F_GETFD) & FD_CLOEXEC, 0);
    }
    EXPECT_EQ(found, 1);
}

TEST(SingleInstanceFallback, UsesTheTemporaryFolderWithTheUserId) {
    TempDir temporary;
    ScopedEnv tmpdir("TMPDIR", temporary.path());
    const std::string expected = temporary / ("ZKT Onweer-" + std::to_string(getuid()) + ".lock");
    for (const std::optional<std::string>& runtime :
         {std::optional<std::string>{}, std::optional<std::string>{""},
          std::optional<std::string>{temporary / "missing"}}) {
        ScopedEnv runtimeDir("XDG_RUNTIME_DIR", runtime);
        auto claim = InstanceClaim::tryClaim(kName);
        ASSERT_TRUE(claim) << runtime.value_or("(unset)");
        EXPECT_TRUE(fs::exists(expected));
        EXPECT_EQ(claimInChild(), 0);
    }
}

TEST(SingleInstanceFallback, PlantedLinkIsNotFollowed) {
    TempDir temporary;
    ScopedEnv tmpdir("TMPDIR", temporary.path());
    ScopedEnv runtimeDir("XDG_RUNTIME_DIR", std::nullopt);
    const std::string lock = temporary / ("ZKT Onweer-" + std::to_string(getuid()) + ".lock");
    fs::create_symlink(temporary / "victim", lock);
    EXPECT_FALSE(InstanceClaim::tryClaim(kName));
    EXPECT_FALSE(fs::exists(temporary / "victim"));
}

TEST(SingleInstanceName, SlashInANameStaysInTheFolder) {
    TempDir runtime;
    ScopedEnv runtimeDir("XDG_RUNTIME_DIR", runtime.path());
    auto claim = InstanceClaim::tryClaim("a/b");
    ASSERT_TRUE(claim);
    EXPECT_TRUE(fs::exists(runtime / "a_b.lock"));
}

} // namespace
