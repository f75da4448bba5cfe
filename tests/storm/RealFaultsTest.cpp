// SPDX-License-Identifier: GPL-3.0-or-later
// Copies failing for real: a full disk (a small tmpfs) and a read-only folder
// (a read-only bind mount), in a mount namespace of this test process alone.
// No original is ever lost.
#include "FaultyFiles.h"
#include "StormFixture.h"
#include "core/storm/StormInstaller.h"
#include "core/storm/StormRestorer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sched.h>
#include <sys/mount.h>

using namespace storm;
using storm_test::StormFixture;
using testing_support::readFile;
namespace fs = std::filesystem;

namespace {

// Unmounts when the test ends, before the temporary folder is removed.
class Mount {
  public:
    Mount(const std::string& target) : m_target(target) {}
    ~Mount() { umount2(m_target.c_str(), MNT_DETACH); }

  private:
    std::string m_target;
};

class RealFaultsTest : public testing::Test {
  protected:
    void SetUp() override {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            GTEST_SKIP() << "needs a private mount namespace (root or CAP_SYS_ADMIN): "
                         << std::strerror(errno);
        fx.addRoute("Zonnedal", {"rain.env"});
        // Big enough to fill a small disk.
        fx.dir.write("MSTS/Routes/Zonnedal/Envfiles/rain.env", std::string(200 * 1024, 'o'));
        fx.dir.write("Brontara/Dump/rain/ZKT_rain_Onweer.env", std::string(300 * 1024, 's'));
    }

    // A small empty disk mounted over a folder, then filled with what the folder held.
    std::unique_ptr<Mount> smallDisk(const std::string& folder, const char* size) {
        const std::string saved = fx.dir.path() + "/saved";
        fs::rename(folder, saved);
        fs::create_directory(folder);
        if (mount("tmpfs", folder.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) != 0)
            ADD_FAILURE() << "tmpfs: " << std::strerror(errno);
        auto m = std::make_unique<Mount>(folder);
        fs::copy(saved, folder, fs::copy_options::recursive);
        fs::remove_all(saved);
        return m;
    }

    std::unique_ptr<Mount> readOnly(const std::string& folder) {
        if (mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
            mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            ADD_FAILURE() << "read-only bind mount: " << std::strerror(errno);
        return std::make_unique<Mount>(folder);
    }

    InstallResult install() {
        return StormInstaller(files, fx.programFolder()).install(fx.record("Zonnedal", {"rain.env"}, false));
    }

    StormFixture fx;
    PlatformStormFiles files;
};

TEST_F(RealFaultsTest, FullBackupDiskStopsTheStormBeforeAnythingIsReplaced) {
    const auto before = fx.simulatorSnapshot();
    auto disk = smallDisk(fx.dumpFile("back_up"), "64k");
    EXPECT_EQ(install().outcome, InstallOutcome::BackupFailed);
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(fs::exists(fx.journalFile()));
}

TEST_F(RealFaultsTest, ReadOnlyBackupFolderStopsTheStormBeforeAnythingIsReplaced) {
    const auto before = fx.simulatorSnapshot();
    auto ro = readOnly(fx.dumpFile("back_up"));
    EXPECT_EQ(install().outcome, InstallOutcome::BackupFailed);
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

TEST_F(RealFaultsTest, ReadOnlyDataFolderStopsTheStormAtItsJournal) {
    const auto before = fx.simulatorSnapshot();
    auto ro = readOnly(fx.dumpFile(""));
    EXPECT_EQ(install().outcome, InstallOutcome::BackupFailed);
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

TEST_F(RealFaultsTest, FullSimulatorDiskPutsEveryChangeBackAndSaysWhy) {
    auto disk = smallDisk(fx.simFile("Routes/Zonnedal/Envfiles"), "256k");
    const auto before = fx.simulatorSnapshot();
    const auto result = install();
    ASSERT_EQ(result.outcome, InstallOutcome::RolledBack);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->refusal.reason, std::strerror(ENOSPC));
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(fs::exists(fx.journalFile()));
}

TEST_F(RealFaultsTest, ReadOnlySimulatorTakesNoStormAndSaysWhy) {
    const auto before = fx.simulatorSnapshot();
    auto ro = readOnly(fx.simulator);
    const auto result = install();
    ASSERT_EQ(result.outcome, InstallOutcome::Blocked);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->refusal.reason, std::strerror(EROFS));
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(fs::exists(fx.journalFile()));
}

TEST_F(RealFaultsTest, SimulatorTurnedReadOnlyBeforeRestoringKeepsTheStormOnRecord) {
    const auto before = fx.simulatorSnapshot();
    const auto result = install();
    ASSERT_EQ(result.outcome, InstallOutcome::Installed);
    {
        auto ro = readOnly(fx.simulator);
        const auto failed = StormRestorer(files, fx.programFolder()).restore(result.journal);
        EXPECT_FALSE(failed.complete());
        EXPECT_TRUE(fs::exists(fx.journalFile()));
    }
    EXPECT_TRUE(StormRestorer(files, fx.programFolder()).restore(result.journal).complete());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

} // namespace
