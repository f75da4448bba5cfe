// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultyFiles.h"
#include "StormWindow.h"
#include "platform/Platform.h"
#include "support/Controls.h"

#include <QComboBox>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <filesystem>

using testing_support::control;

using storm_test::FaultyFiles;
using storm_test::StormFixture;
using storm_test::StormWindow;
using testing_support::readFile;
using testing_support::ScriptedPlatform;
using Box = ScriptedPlatform::Box;
namespace fs = std::filesystem;

namespace {

const std::string kNevora =
    "Het programma \"Nevora\" is nog actief. Deze moet eerst worden afgesloten voor u "
    "verder kan. Wilt u \"Nevora nu afsluiten?";
const Box kSiblingBox{kNevora, "Waarschuwing", 52};
const Box kGeenRoute{"Er is nog geen route geselecteerd!", "Fout", 16};
const Box kRouteNietGevonden{
    "De opgegeven route is niet gevonden. Mogelijk bestaat de route niet meer of is beschadigd.", "Fout", 16};
const Box kRouteErr{"Deze route kan niet in het onweer bereden worden.", "Fout", 16};
const Box kBackupFout{
    "Er kon geen reservekopie worden gemaakt van de bestanden van Train Simulator. Het onweer "
    "is niet geplaatst en er is niets gewijzigd.",
    "Fout", 16};

class MainWindowStormTest : public testing::Test {
  protected:
    MainWindowStormTest() {
        fx.addRoute("Zonnedal", {"rain.env", "summer.env"});
        fx.addRoute("Heuvelland", {"Heavy_Rain.env", "rain_thunder.env", "winter.env"});
        storm_test::writeSettings(fx);
    }
    StormWindow& window() {
        if (!m_window) m_window = std::make_unique<StormWindow>(fx, platform, m_files);
        return *m_window;
    }
    // The simulator and the data folder, byte for byte.
    auto everything() const {
        return std::make_pair(fx.simulatorSnapshot(), testing_support::snapshot(fx.program));
    }

    StormFixture fx;
    ScriptedPlatform platform;
    storm::StormFiles* m_files = nullptr;
    std::unique_ptr<StormWindow> m_window;
};

TEST_F(MainWindowStormTest, AFullStormCycleAsTheUserDoesIt) {
    StormWindow& w = window();
    const auto before = fx.simulatorSnapshot();
    ASSERT_TRUE(w.selecting());

    w.make("Zonnedal");
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_TRUE(w.locked());
    EXPECT_EQ(w->storm().selectedRoute(), "Zonnedal");
    EXPECT_EQ(w->storm().rainEnvFiles(), (std::array<std::string, 4>{"rain.env", "", "", ""}));
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/rain.env")), StormFixture::stormEnv());
    EXPECT_TRUE(fs::exists(fx.journalFile()));

    // Locked: every close is refused with the box, and the desktop is told why the session may not end.
    EXPECT_FALSE(w->mayClose());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].caption, "Fout bij afsluiten");
    const std::string reason = "block " + platform.boxes[0].text;
    EXPECT_EQ(platform.sessionEndBlocks, std::vector<std::string>{reason});

    w.restore();
    EXPECT_TRUE(w.selecting());
    EXPECT_TRUE(control<QTextEdit>(w.form(), "RichEdit1")->document()->isEmpty());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(fs::exists(fx.journalFile()));
    EXPECT_EQ(control<QComboBox>(w.form(), "RouteBox")->currentText().toStdString(), "Zonnedal");
    EXPECT_TRUE(w->mayClose());
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.sessionEndBlocks, (std::vector<std::string>{reason, "unblock"}));
    ASSERT_EQ(platform.sessionEndWindows.size(), 2u);
    EXPECT_NE(platform.sessionEndWindows[0], 0u);
    EXPECT_EQ(platform.sessionEndWindows[1], platform.sessionEndWindows[0])
        << "the reason is taken back where given";
}

TEST_F(MainWindowStormTest, TheReportReadsLineByLineInItsColoursAndStyles) {
    StormWindow& w = window();
    w.make("Heuvelland");
    const QColor maroon(128, 0, 0), blue(0, 0, 255), grey(128, 128, 128);
    const std::string hyphens(33, '-');
    using L = StormWindow::ReportLine;
    EXPECT_EQ(w.report(), (std::vector<L>{{"Informatie van uw instellingen:", maroon, true, true, true},
                                          {"", maroon, true, true, true},
                                          {hyphens, blue, true, true, true},
                                          {"Route:", blue, true, true, true},
                                          {"Heuvelland", grey, true, true, true},
                                          {hyphens, blue, true, true, true}}));
}

TEST_F(MainWindowStormTest, PatternMatchesAreAllReplacedAndRestored) {
    fx.addRoute("Zesvoud",
                {"a_rain.env", "b_rain.env", "c_rain.env", "d_rain.env", "e_rain.env", "f_rain.env"});
    StormWindow& w = window();
    const auto before = fx.simulatorSnapshot();
    w.make("Zesvoud");
    ASSERT_TRUE(w.locked());
    EXPECT_TRUE(w->storm().rainEnvByPattern());
    EXPECT_EQ(w->storm().rainEnvFiles(),
              (std::array<std::string, 4>{"a_rain.env", "b_rain.env", "c_rain.env", "d_rain.env"}));
    EXPECT_EQ(readFile(fx.simFile("Routes/Zesvoud/Envfiles/d_rain.env")), StormFixture::stormEnv());
    EXPECT_EQ(readFile(fx.simFile("Routes/Zesvoud/Envfiles/e_rain.env")),
              StormFixture::original("Zesvoud e_rain.env"));
    w.restore();
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

TEST_F(MainWindowStormTest, InstallRestoreAndInstallOnAnotherRoute) {
    StormWindow& w = window();
    const auto before = fx.simulatorSnapshot();
    w.make("Zonnedal");
    w.restore();
    w.make("Heuvelland");
    ASSERT_TRUE(w.locked());
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/rain.env")),
              StormFixture::original("Zonnedal rain.env"));
    EXPECT_EQ(readFile(fx.simFile("Routes/Heuvelland/Envfiles/Heavy_Rain.env")), StormFixture::stormEnv());
    w.restore();
    w.make("Zonnedal");
    ASSERT_TRUE(w.locked());
    w.restore();
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_TRUE(platform.boxes.empty());
}

// A press refused by inspection: its one box, nothing changed on disk, still selecting.
struct Refusal {
    const char* what;
    std::string route;
    std::function<void(const StormFixture&)> setUp;
    Box box;
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.what;
}

class RefusalTest : public MainWindowStormTest, public testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, EndsThePressWithItsOneBoxAndChangesNothing) {
    if (GetParam().setUp) GetParam().setUp(fx);
    StormWindow& w = window();
    const auto before = everything();
    w.make(GetParam().route);
    EXPECT_EQ(platform.boxes, std::vector<Box>{GetParam().box});
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(w.selecting());
    EXPECT_TRUE(control<QTextEdit>(w.form(), "RichEdit1")->document()->isEmpty());
    EXPECT_EQ(w->storm().selectedRoute(), GetParam().route);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalTest,
    testing::Values(
        Refusal{"placeholder", "Geen route geselecteerd", nullptr, kGeenRoute},
        Refusal{"empty", "", nullptr, kGeenRoute},
        Refusal{"placeholder in another case", "geen route geselecteerd", nullptr, kRouteNietGevonden},
        Refusal{"no such route", "Nergensland", nullptr, kRouteNietGevonden},
        Refusal{"no Envfiles", "Bouwterrein",
                [](const auto& f) { f.dir.write("MSTS/Routes/Bouwterrein/route.trk", "x"); },
                kRouteNietGevonden},
        Refusal{"hidden Envfiles", "Verborgen",
                [](const auto& f) { f.dir.write("MSTS/Routes/Verborgen/.Envfiles/rain.env", "x"); },
                kRouteNietGevonden},
        Refusal{"Envfiles a plain file", "Vlak",
                [](const auto& f) { f.dir.write("MSTS/Routes/Vlak/Envfiles", "x"); }, kRouteErr},
        Refusal{"no rain file", "Droog",
                [](const auto& f) { f.dir.write("MSTS/Routes/Droog/Envfiles/summer.env", "x"); }, kRouteErr},
        Refusal{"folder named rain.env", "Map",
                [](const auto& f) { f.dir.mkdir("MSTS/Routes/Map/Envfiles/rain.env"); }, kRouteErr},
        // Names that would lead out of Routes and the back-up folder, even where such folders exist.
        Refusal{"parent", "..", [](const auto& f) { f.dir.write("MSTS/Envfiles/rain.env", "x"); },
                kRouteNietGevonden},
        Refusal{"current", ".", [](const auto& f) { f.dir.write("MSTS/Routes/Envfiles/rain.env", "x"); },
                kRouteNietGevonden},
        Refusal{"separator", "Zonnedal\\..\\Zonnedal", nullptr, kRouteNietGevonden},
        Refusal{"two levels up", "../../MSTS", nullptr, kRouteNietGevonden},
        Refusal{"slash", "Zonnedal/", nullptr, kRouteNietGevonden}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// Found as the route's rain, but a read-only file takes no storm: the box names it, and nothing changes.
TEST_F(MainWindowStormTest, HiddenAndReadOnlyRainEnvCountsAsFoundAndIsNamedAsUnchangeable) {
    fx.dir.write("MSTS/Routes/Stil/Envfiles/.rain_hidden.env", "hidden");
    fs::permissions(fx.simFile("Routes/Stil/Envfiles/.rain_hidden.env"), fs::perms::owner_read);
    StormWindow& w = window();
    const auto before = everything();
    w.make("Stil");
    EXPECT_EQ(w->storm().rainEnvFiles()[0], ".rain_hidden.env");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text.rfind("Het onweer kan niet worden geplaatst", 0), 0u)
        << platform.boxes[0].text;
    EXPECT_NE(platform.boxes[0].text.find(".rain_hidden.env"), std::string::npos);
    EXPECT_FALSE(w.locked());
    EXPECT_EQ(everything(), before);
}

TEST_F(MainWindowStormTest, NoSiblingMeansNoQuestion) {
    StormWindow& w = window();
    w.make("Zonnedal");
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(platform.windowLookups, (std::vector<std::string>{"Nevora", "Nevora"})); // creation and press
    EXPECT_FALSE(w->storm().isSiblingRunning());
}

TEST_F(MainWindowStormTest, SiblingAnsweredNoEndsThePressWithNothingChanged) {
    StormWindow& w = window();
    platform.window = 77;
    platform.queueAnswer(platform::answer::No);
    const auto before = everything();
    w.make("Zonnedal");
    EXPECT_EQ(platform.boxes, std::vector<Box>{kSiblingBox});
    EXPECT_TRUE(platform.closeRequests.empty());
    EXPECT_TRUE(w->storm().isSiblingRunning());
    EXPECT_TRUE(w.selecting());
    EXPECT_EQ(everything(), before);
}

TEST_F(MainWindowStormTest, SiblingAnsweredYesIsAskedToCloseAndTheNextPressInstalls) {
    StormWindow& w = window();
    platform.window = 77;
    platform.queueAnswer(platform::answer::Yes);
    const auto before = everything();
    w.make("Zonnedal");
    EXPECT_EQ(platform.closeRequests, std::vector<platform::WindowId>{77});
    EXPECT_TRUE(w->storm().isSiblingRunning());
    EXPECT_TRUE(w.selecting());
    EXPECT_EQ(everything(), before);

    platform.window = 0; // the sibling has closed
    w.make("Zonnedal");
    EXPECT_FALSE(w->storm().isSiblingRunning());
    EXPECT_TRUE(w.locked());
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_F(MainWindowStormTest, SiblingQuestionComesBeforeTheNoRouteError) {
    StormWindow& w = window();
    platform.window = 5;
    platform.queueAnswer(platform::answer::No);
    w.make("Geen route geselecteerd");
    EXPECT_EQ(platform.boxes, (std::vector<Box>{kSiblingBox, kGeenRoute}));
}

TEST_F(MainWindowStormTest, SiblingIsCheckedAtCreationToo) {
    platform.window = 9;
    platform.queueAnswer(platform::answer::Yes);
    StormWindow& w = window();
    EXPECT_EQ(platform.boxes, std::vector<Box>{kSiblingBox});
    EXPECT_EQ(platform.closeRequests, std::vector<platform::WindowId>{9});
    EXPECT_TRUE(w->storm().isSiblingRunning());
}

TEST_F(MainWindowStormTest, SiblingTextIsFormattedLikeEveryMessage) {
    StormWindow& w = window();
    w->language().texts().siblingRunning = "Nevora loopt (100%%)%s.";
    platform.window = 3;
    platform.queueAnswer(platform::answer::No);
    w->storm().checkSiblingProgram();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "Nevora loopt (100%).");
}

TEST_F(MainWindowStormTest, AFailedBackupShowsItsBoxAndLeavesEverythingAsItWas) {
    FaultyFiles faulty;
    faulty.fails = [](const FaultyFiles::Call& c) {
        return c.op == FaultyFiles::Op::Copy &&
               storm_test::pathEndsWith(c.to, "Back_up\\Sounds\\rain_in.sms");
    };
    m_files = &faulty;
    StormWindow& w = window();
    const auto before = fx.simulatorSnapshot();
    w.make("Zonnedal");
    EXPECT_EQ(platform.boxes, std::vector<Box>{kBackupFout});
    EXPECT_TRUE(w.selecting());
    EXPECT_TRUE(control<QTextEdit>(w.form(), "RichEdit1")->document()->isEmpty());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(fs::exists(fx.journalFile()));

    faulty.fails = nullptr;
    w.make("Zonnedal");
    EXPECT_TRUE(w.locked());
}

} // namespace
