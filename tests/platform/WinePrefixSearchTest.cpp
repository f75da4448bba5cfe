// SPDX-License-Identifier: GPL-3.0-or-later
// The search through the Wine prefixes that the home folder keeps: each
// manager's layout, the order by age, and prefixes that must be passed over.
#include "location/WinePrefix.h"
#include "platform/linux/WinePrefixes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using platform::wine::Environment;

const std::string kMsts = "Program Files/Microsoft Games/Train Simulator";

std::string entry(const std::string& folder, const char* view = "Software") {
    return WinePrefix::header(view == std::string("Software") ? "win32" : "win64") +
           WinePrefix::simulatorKey("\"EXE Path\"=\"" + folder + "\"\n", view);
}

class WinePrefixSearchTest : public ::testing::Test {
  protected:
    std::vector<std::string> search(const std::string& winePrefix = "") {
        platform::WinePrefixQuery query;
        query.registryKey = "\\Software\\Microsoft\\Microsoft Games\\Train Simulator\\1.0\\";
        query.valueName = "EXE Path";
        query.defaultFolders = {"C:\\Program Files\\Microsoft Games\\Train Simulator",
                                "C:\\Program Files (x86)\\Microsoft Games\\Train Simulator"};
        query.accepts = [](const std::string& folder) { return fs::is_regular_file(folder + "/train.exe"); };
        return platform::wine::findInOtherPrefixes(query, Environment{home, winePrefix});
    }

    testing_support::TempDir tmp;
    std::string home = fs::canonical(tmp.mkdir("home")).string();
};

TEST_F(WinePrefixSearchTest, EachManagersPrefixIsFoundTheMostRecentFirstButNotThePrefixInForce) {
    struct Case {
        std::string prefix; // below the home folder
        std::string folderOnC;
        std::string systemReg;
    };
    const std::vector<Case> cases = {
        // youngest first
        {".local/share/bottles/bottles/MSTS", "Games/MSTS", entry("C:\\\\Games\\\\MSTS")},
        {".var/app/com.usebottles.bottles/data/bottles/bottles/Treinen", kMsts, WinePrefix::header()},
        {"Games/train-simulator", "MSTS", entry("c:\\\\msts\\\\")},
        {".PlayOnLinux/wineprefix/MSTS", "Program Files (x86)/Microsoft Games/Train Simulator",
         WinePrefix::header("win64")},
        {".steam/steam/steamapps/compatdata/1234/pfx", "Sim", entry("C:\\\\Sim", "Software\\\\Wow6432Node")},
        {".wine", kMsts, WinePrefix::header()},
    };
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < cases.size(); ++i)
        folders.push_back(WinePrefix::makeOther(home + "/" + cases[i].prefix, cases[i].folderOnC,
                                                cases[i].systemReg, static_cast<int>(60 * (i + 1))));
    EXPECT_EQ(search(tmp / "elsewhere"), folders);
    std::vector<std::string> withoutLutris = folders;
    withoutLutris.erase(withoutLutris.begin() + 2);
    EXPECT_EQ(search(home + "/Games/train-simulator"), withoutLutris);
    folders.pop_back();
    EXPECT_EQ(search(), folders); // ~/.wine in force
}

TEST_F(WinePrefixSearchTest, UnreadableOrHostilePrefixesArePassedOverQuietly) {
    const std::string good = WinePrefix::makeOther(home + "/Games/good", kMsts, WinePrefix::header(), 3600);
    const std::string binary = WinePrefix::binary(8192);
    struct Case {
        const char* what;
        std::function<void(const std::string& games)> make;
    };
    const std::vector<Case> cases = {
        {"a link to the root", [](const std::string& g) { fs::create_directory_symlink("/", g + "/root"); }},
        {"a link to the home folder, laid out as a prefix",
         [&](const std::string& g) {
             WinePrefix::makeOther(home, kMsts, WinePrefix::header());
             fs::create_directory_symlink(home, g + "/home");
         }},
        {"a loop of links",
         [](const std::string& g) {
             fs::create_directory_symlink(g + "/loop-b", g + "/loop-a");
             fs::create_directory_symlink(g + "/loop-a", g + "/loop-b");
         }},
        {"a name with a line break",
         [](const std::string& g) { WinePrefix::makeOther(g + "/evil\nname", kMsts, WinePrefix::header()); }},
        {"a name with a backslash",
         [](const std::string& g) { WinePrefix::makeOther(g + "/evil\\name", kMsts, WinePrefix::header()); }},
        {"a binary system.reg",
         [&](const std::string& g) { WinePrefix::makeOther(g + "/bin", kMsts, binary); }},
        {"a huge system.reg",
         [](const std::string& g) {
             WinePrefix::makeOther(g + "/huge", kMsts, WinePrefix::header());
             fs::resize_file(g + "/huge/system.reg", std::uintmax_t(1) << 33); // sparse: 8 GiB
         }},
        {"a pipe for system.reg",
         [](const std::string& g) {
             WinePrefix::makeOther(g + "/pipe", kMsts, WinePrefix::header());
             fs::remove(g + "/pipe/system.reg");
             ASSERT_EQ(mkfifo((g + "/pipe/system.reg").c_str(), 0600), 0);
         }},
        {"drive C a loop of links",
         [](const std::string& g) {
             WinePrefix::makeOther(g + "/cloop", "", entry("C:\\\\MSTS"));
             fs::remove(g + "/cloop/dosdevices/c:");
             fs::create_directory_symlink("c:", g + "/cloop/dosdevices/c:");
         }},
        {"a registry entry with a control character",
         [](const std::string& g) {
             WinePrefix::makeOther(g + "/ctl", "", entry("C:\\\\Ga\\tmes"));
             WinePrefix::writeBytes(g + "/ctl/drive_c/Ga\tmes/train.exe", "MZ");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string games = home + "/Games";
        for (const auto& e : fs::directory_iterator(games))
            if (e.path().filename() != "good") fs::remove_all(e.path());
        for (const char* name : {"drive_c", "dosdevices", "system.reg"})
            fs::remove_all(home + "/" + name);
        c.make(games);
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(search(), std::vector<std::string>{good});
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    }
}

} // namespace
