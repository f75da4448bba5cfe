// SPDX-License-Identifier: GPL-3.0-or-later
// The storm controller without a window: what it asks of its view and of the
// platform, in which order, for every press that is refused and for a storm
// that is installed, restored, found at start or refuses the close.
#include "core/storm/StormController.h"
#include "FaultyFiles.h"
#include "StormFixture.h"
#include "core/language/MainTexts.h"
#include "core/program/Folders.h"
#include "core/program/MessageBoxes.h"
#include "platform/Platform.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

using storm_test::FaultyFiles;
using storm_test::StormFixture;
using testing_support::CallLog;
using testing_support::RecordingPlatform;
namespace fs = std::filesystem;

// Every view call as a line of the shared log.
class RecordingView : public storm::StormView {
  public:
    explicit RecordingView(CallLog& log) : log_(log) {}
    void clearReport() override { log_.push_back("clearReport"); }
    void showReport(const std::string& route, const std::vector<std::string>& inVirtualStore) override {
        std::string line = "showReport " + route;
        for (const std::string& file : inVirtualStore)
            line += " + " + file;
        log_.push_back(line);
    }
    void lock() override { log_.push_back("lock"); }
    void unlock() override { log_.push_back("unlock"); }

  private:
    CallLog& log_;
};

// Texts that name their purpose, so that a box shows which one it used.
MainTexts namedTexts() {
    MainTexts t;
    t.routePlaceholder = "placeholder";
    t.errorTitle = "error";
    t.warningTitle = "warning";
    t.noRouteChosen = "no route";
    t.routeUnusable = "route unusable";
    t.routeNotFound = "route not found";
    t.mayNotClose = "may not close";
    t.closeErrorTitle = "close error";
    t.siblingRunning = "sibling running";
    t.backupFailed = "backup failed";
    t.restoreIncomplete = "restore incomplete";
    t.journalDamaged = "journal damaged";
    t.stormElsewhere = "storm elsewhere";
    t.keepAsideFailed = "keep aside failed";
    t.stormBlocked = "storm blocked";
    t.stormRolledBack = "rolled back";
    t.rollbackFailed = "rollback failed";
    t.needsAdministrator = "needs administrator";
    t.notAFile = "not a file";
    return t;
}

constexpr unsigned kError = platform::mb::Ok | platform::mb::IconError;
constexpr unsigned kQuestion = platform::mb::YesNo | platform::mb::IconWarning;

std::string errorBox(const std::string& text) {
    return RecordingPlatform::line({text, "error", kError});
}
const std::string kSiblingQuestion = RecordingPlatform::line({"sibling running", "warning", kQuestion});
constexpr platform::WindowId kSibling = 42;

// A text with every "\\" read as "/": paths in boxes are shown as the host writes them.
std::string slashes(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

class StormControllerTest : public testing::Test {
  protected:
    StormControllerTest() {
        fx.addRoute("Zonnedal", {"rain.env", "summer.env"});
        fx.addRoute("Droog", {"summer.env"});
        fx.dir.write("Brontara/Dump/All_dat.ini",
                     "[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n[msts locatie]\r\nPad=" +
                         fx.simulator + "\r\n");
        controller = makeController();
    }
    // A controller as a fresh start of the program makes it: the routes read.
    std::unique_ptr<storm::StormController> makeController() {
        auto c = std::make_unique<storm::StormController>(platform, folders, texts, boxes, view);
        c->reloadRoutes();
        return c;
    }
    // A VirtualStore, as Windows keeps one for a simulator under Program Files: copies of rain_in.sms and
    // Zonnedal's rain.env, and a route Bergland that lies only there.
    std::string addVirtualStore() {
        const std::string store = fx.dir.mkdir("VirtualStore/MSTS");
        fx.dir.write("VirtualStore/MSTS/SOUND/rain_in.sms", "copy rain_in.sms");
        fx.dir.write("VirtualStore/MSTS/Routes/Zonnedal/Envfiles/rain.env", "copy rain.env");
        fx.dir.write("VirtualStore/MSTS/Routes/Bergland/Envfiles/rain.env", "Bergland rain.env");
        fx.dir.mkdir("VirtualStore/MSTS/Routes/Bergland/Envfiles/Textures");
        platform.virtualStore = store;
        return store;
    }
    void installStorm() {
        controller->make("Zonnedal");
        ASSERT_TRUE(controller->isStormActive());
        log.clear();
    }

    StormFixture fx;
    Folders folders{fx.programFolder()};
    MainTexts texts = namedTexts();
    CallLog log;
    RecordingPlatform platform{log};
    MessageBoxes boxes{platform};
    RecordingView view{log};
    std::unique_ptr<storm::StormController> controller;
};

// A press refused by inspection: the report cleared first, the sibling looked
// for, then exactly one box and nothing after it.
struct Refusal {
    const char* what;
    std::string route;
    bool siblingRunning;
    std::vector<std::string> afterLookup;
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.what;
}

class MakeRefusalTest : public StormControllerTest, public testing::WithParamInterface<Refusal> {};

TEST_P(MakeRefusalTest, ClearsTheReportThenShowsOneBoxAndChangesNothing) {
    const Refusal& r = GetParam();
    if (r.siblingRunning) {
        platform.window = kSibling;
        platform.queueAnswer(platform::answer::No);
    }
    const auto before = fx.simulatorSnapshot();
    controller->make(r.route);
    CallLog expected{"clearReport", "find Nevora"};
    expected.insert(expected.end(), r.afterLookup.begin(), r.afterLookup.end());
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(controller->isStormActive());
    EXPECT_FALSE(controller->journal().has_value());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(fs::exists(fx.journalFile()));
    EXPECT_TRUE(platform.allAnswersUsed());
}

INSTANTIATE_TEST_SUITE_P(
    Presses, MakeRefusalTest,
    testing::Values(
        Refusal{"NoRoute", "", false, {errorBox("no route")}},
        Refusal{"Placeholder", "placeholder", false, {errorBox("no route")}},
        // The sibling is asked about before the missing route is named.
        Refusal{"NoRouteAndSibling", "", true, {kSiblingQuestion, errorBox("no route")}},
        // A running sibling ends the press after its question, without a box of its own.
        Refusal{"SiblingKeptRunning", "Zonnedal", true, {kSiblingQuestion}},
        Refusal{"RouteLeavingItsFolder", "..\\Routes\\Zonnedal", false, {errorBox("route not found")}},
        Refusal{"MissingRoute", "Nergens", false, {errorBox("route not found")}},
        Refusal{"RouteWithoutRain", "Droog", false, {errorBox("route unusable")}}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.what); });

TEST_F(StormControllerTest, AYesToTheSiblingQuestionAsksItToCloseAndStillEndsThePress) {
    platform.window = kSibling;
    platform.queueAnswer(platform::answer::Yes);
    controller->make("Zonnedal");
    EXPECT_EQ(log, (CallLog{"clearReport", "find Nevora", kSiblingQuestion, "close 42"}));
    EXPECT_FALSE(controller->isStormActive());
    EXPECT_TRUE(controller->isSiblingRunning());
}

TEST_F(StormControllerTest, TheSiblingCheckAloneAsksOnlyWhenTheSiblingIsFound) {
    controller->checkSiblingProgram();
    EXPECT_EQ(log, (CallLog{"find Nevora"}));
    EXPECT_FALSE(controller->isSiblingRunning());

    log.clear();
    platform.window = kSibling;
    platform.queueAnswer(platform::answer::No);
    controller->checkSiblingProgram();
    EXPECT_EQ(log, (CallLog{"find Nevora", kSiblingQuestion}));
    EXPECT_TRUE(controller->isSiblingRunning());
}

TEST_F(StormControllerTest, AStormIsReportedThenLocked) {
    controller->make("Zonnedal");
    EXPECT_EQ(log, (CallLog{"clearReport", "find Nevora", "showReport Zonnedal", "lock"}));
    EXPECT_TRUE(controller->isStormActive());
    ASSERT_TRUE(controller->journal().has_value());
    EXPECT_EQ(controller->journal()->record.route, "Zonnedal");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(StormControllerTest, TheStepHookSeesTheReportWrittenBeforeTheLockAndTheLockLast) {
    controller->setStepHook([&](const storm::StepPoint& p) {
        if (p.step == storm::Step::WriteReport || p.step == storm::Step::Lock)
            log.push_back(std::string(storm::stepName(p.step)));
        return true;
    });
    controller->make("Zonnedal");
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(CallLog(log.end() - 4, log.end()),
              (CallLog{"showReport Zonnedal", std::string(storm::stepName(storm::Step::WriteReport)), "lock",
                       std::string(storm::stepName(storm::Step::Lock))}));
}

TEST_F(StormControllerTest, AnEndAtTheReportLeavesTheWindowUnlocked) {
    controller->setStepHook([](const storm::StepPoint& p) { return p.step != storm::Step::WriteReport; });
    controller->make("Zonnedal");
    EXPECT_EQ(log, (CallLog{"clearReport", "find Nevora", "showReport Zonnedal"}));
    EXPECT_FALSE(controller->isStormActive());
}

TEST_F(StormControllerTest, AnInstallationEndedBeforeItsReportShowsNothingFurther) {
    controller->setStepHook([](const storm::StepPoint& p) { return p.step != storm::Step::MarkReplacing; });
    controller->make("Zonnedal");
    EXPECT_EQ(log, (CallLog{"clearReport", "find Nevora"}));
    EXPECT_FALSE(controller->isStormActive());
    EXPECT_FALSE(controller->journal().has_value());
}

TEST_F(StormControllerTest, AFailedBackupIsOneBoxAndLeavesTheSimulatorAsItWas) {
    FaultyFiles faulty;
    faulty.fails = [](const FaultyFiles::Call& c) {
        return c.op == FaultyFiles::Op::Copy && storm_test::pathEndsWith(c.from, "Envfiles\\rain.env");
    };
    controller->setFiles(&faulty);
    const auto before = fx.simulatorSnapshot();
    controller->make("Zonnedal");
    EXPECT_EQ(log, (CallLog{"clearReport", "find Nevora", errorBox("backup failed")}));
    EXPECT_FALSE(controller->isStormActive());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

TEST_F(StormControllerTest, APressWhileAStormIsInstalledDoesNothingAtAll) {
    installStorm();
    controller->make("Zonnedal");
    controller->make("");
    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_TRUE(controller->isStormActive());
}

TEST_F(StormControllerTest, MayCloseOnlyWithoutAStormAndRefusesWithOneBox) {
    EXPECT_TRUE(controller->mayClose());
    EXPECT_TRUE(log.empty());

    installStorm();
    EXPECT_FALSE(controller->mayClose());
    EXPECT_EQ(platform.boxes.back(), (RecordingPlatform::Box{"may not close", "close error", kError}));
    EXPECT_EQ(log.size(), 1u);

    controller->restore();
    log.clear();
    EXPECT_TRUE(controller->mayClose());
    EXPECT_TRUE(log.empty());
}

TEST_F(StormControllerTest, RestoreWithNothingOnRecordOnlyUnlocks) {
    const auto before = testing_support::snapshot(fx.dir.path());
    controller->restore();
    EXPECT_EQ(log, (CallLog{"unlock"}));
    EXPECT_EQ(testing_support::snapshot(fx.dir.path()), before);
}

TEST_F(StormControllerTest, RestoreOfAnInstalledStormPutsEverythingBackThenUnlocks) {
    const auto before = fx.simulatorSnapshot();
    installStorm();
    controller->restore();
    EXPECT_EQ(log, (CallLog{"unlock"}));
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(controller->journal().has_value());
    EXPECT_FALSE(controller->isStormActive());
}

TEST_F(StormControllerTest, ARestoreThatCannotFinishAsksWithNoAsDefaultAndNoKeepsTheLock) {
    FaultyFiles faulty;
    controller->setFiles(&faulty);
    installStorm();
    faulty.fails = [](const FaultyFiles::Call& c) {
        return c.op == FaultyFiles::Op::Copy && storm_test::pathEndsWith(c.to, "SOUND\\rain_in.sms");
    };
    platform.queueAnswer(platform::answer::No);
    controller->restore();
    ASSERT_EQ(log.size(), 1u) << "only the question, no view call";
    EXPECT_EQ(platform.boxes[0].caption, "warning");
    EXPECT_EQ(platform.boxes[0].flags, kQuestion | platform::mb::DefaultButton2);
    EXPECT_EQ(platform.boxes[0].text.rfind("restore incomplete\n\n", 0), 0u) << platform.boxes[0].text;
    EXPECT_TRUE(controller->isStormActive());
    EXPECT_TRUE(controller->journal().has_value());
}

TEST_F(StormControllerTest, GivingUpWhenTheBackupsCannotBeSetAsideIsOneMoreBoxAndNoUnlock) {
    FaultyFiles faulty;
    controller->setFiles(&faulty);
    installStorm();
    faulty.fails = [](const FaultyFiles::Call& c) {
        return c.op == FaultyFiles::Op::Move ||
               (c.op == FaultyFiles::Op::Copy && storm_test::pathEndsWith(c.to, "SOUND\\rain_in.sms"));
    };
    platform.queueAnswer(platform::answer::Yes);
    controller->restore();
    ASSERT_EQ(log.size(), 2u) << "the question and one error box, no view call";
    EXPECT_EQ(slashes(log[1]), slashes(errorBox("keep aside failed\n\n" + fx.program + "/Dump/back_up")));
    EXPECT_TRUE(controller->isStormActive());
    EXPECT_TRUE(fs::exists(fx.journalFile()));
}

TEST_F(StormControllerTest, NoJournalAtStartChangesNothing) {
    controller->resumeFromJournal();
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(controller->isStormActive());
}

TEST_F(StormControllerTest, AStormFoundAtStartIsReportedAndLockedWithoutABox) {
    controller->setStepHook([](const storm::StepPoint& p) { return p.step != storm::Step::WriteReport; });
    controller->make("Zonnedal");
    auto next = makeController();
    log.clear();
    next->resumeFromJournal();
    EXPECT_EQ(log, (CallLog{"clearReport", "showReport Zonnedal", "lock"}));
    EXPECT_TRUE(next->isStormActive());
    EXPECT_EQ(next->selectedRoute(), "Zonnedal");
    EXPECT_FALSE(next->mayClose());
}

TEST_F(StormControllerTest, AStormInAVanishedSimulatorIsLockedFirstThenNamed) {
    installStorm();
    const std::string installedIn = fs::canonical(fx.simulator).string();
    fs::rename(fx.simulator, fx.dir / "MSTS-elsewhere");
    auto next = makeController();
    next->resumeFromJournal();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(CallLog(log.begin(), log.begin() + 3), (CallLog{"clearReport", "showReport Zonnedal", "lock"}));
    EXPECT_EQ(slashes(log[3]), slashes(errorBox("storm elsewhere\n\n" + installedIn)));
    EXPECT_TRUE(next->isStormActive());
}

TEST_F(StormControllerTest, ADamagedJournalIsOneBoxNamingWhereItIsKeptAndNoLock) {
    fx.dir.write("Brontara/Dump/storm_journal.ini", "[Storm]\r\nRoute=Zonn");
    controller->resumeFromJournal();
    ASSERT_EQ(log.size(), 1u) << "one box and no view call";
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].caption, "error");
    EXPECT_EQ(platform.boxes[0].flags, kError);
    const std::string prefix = "journal damaged\n\n";
    ASSERT_EQ(platform.boxes[0].text.rfind(prefix, 0), 0u) << platform.boxes[0].text;
    const std::string kept = platform.boxes[0].text.substr(prefix.size());
    EXPECT_NE(kept.find("storm_kept_"), std::string::npos) << kept;
    EXPECT_TRUE(fs::exists(fs::path(kept) / "storm_journal.ini")) << kept;
    EXPECT_FALSE(fs::exists(fx.journalFile()));
    EXPECT_FALSE(controller->isStormActive());
    EXPECT_FALSE(controller->journal().has_value());
    EXPECT_TRUE(controller->mayClose());
}

TEST_F(StormControllerTest, ADamagedJournalThatCannotBeSetAsideIsNamedWhereItIs) {
    FaultyFiles faulty;
    faulty.fails = [](const FaultyFiles::Call& c) { return c.op == FaultyFiles::Op::Move; };
    controller->setFiles(&faulty);
    fx.dir.write("Brontara/Dump/storm_journal.ini", "[Storm]\r\nRoute=Zonn");
    controller->resumeFromJournal();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(slashes(log[0]), slashes(errorBox("journal damaged\n\n" + fx.journalFile())));
    EXPECT_TRUE(fs::exists(fx.journalFile()));
    EXPECT_FALSE(controller->isStormActive());
}

} // namespace

// A storm that cannot go in whole: one box naming the file and why, or, where
// missing rights could be had, the question to start again as administrator.
struct FileTrouble {
    const char* what;
    FaultyFiles::Op failing; // the check or copy that fails once, on SOUND\rain_in.sms (or its copy)
    bool copy;               // the trouble is with the VirtualStore's copy of the file
    bool accessDenied;
    bool mayRestart;
    int answer;                             // to the administrator question; 0: none is asked
    std::vector<std::string> boxesAndCalls; // "@" stands for the simulator (or VirtualStore) folder
};

void PrintTo(const FileTrouble& t, std::ostream* os) {
    *os << t.what;
}

class FileTroubleTest : public StormControllerTest, public testing::WithParamInterface<FileTrouble> {};

TEST_P(FileTroubleTest, TellsWhichFileAndWhyAndChangesNothing) {
    const FileTrouble& t = GetParam();
    const std::string folder = t.copy ? addVirtualStore() : fx.simulator;
    FaultyFiles files;
    files.refusal = {"Access is denied.", t.accessDenied, false};
    bool failed = false;
    files.fails = [&](const FaultyFiles::Call& c) {
        const std::string& path = c.op == FaultyFiles::Op::Copy ? c.to : c.from;
        return !failed && c.op == t.failing &&
               storm_test::pathEndsWith(path, t.copy ? "VirtualStore/MSTS/SOUND/rain_in.sms"
                                                     : "SOUND/rain_in.sms") &&
               (failed = true);
    };
    controller->setFiles(&files);
    platform.mayRestart = t.mayRestart;
    if (t.answer) platform.queueAnswer(t.answer);
    const auto before = fx.simulatorSnapshot();
    const auto storeBefore = testing_support::snapshot(fx.dir.path() + "/VirtualStore");

    controller->make("Zonnedal");

    CallLog expected{"clearReport", "find Nevora"};
    for (std::string line : t.boxesAndCalls) {
        const auto at = line.find("@");
        if (at != std::string::npos) line.replace(at, 1, folder);
        expected.push_back(slashes(line));
    }
    for (std::string& line : log)
        line = slashes(line);
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(controller->isStormActive());
    EXPECT_FALSE(fs::exists(fx.journalFile()));
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_EQ(testing_support::snapshot(fx.dir.path() + "/VirtualStore"), storeBefore);
    EXPECT_TRUE(platform.allAnswersUsed());
}

using Op = FaultyFiles::Op;
constexpr int kYes = platform::answer::Yes, kNo = platform::answer::No;
const std::string kBlocked = errorBox("storm blocked\n\n@/SOUND/rain_in.sms\nAccess is denied.");
const std::string kRolledBack = errorBox("rolled back\n\n@/SOUND/rain_in.sms\nNo space left on device");
const std::string kAdminQuestion = RecordingPlatform::line(
    {"needs administrator\n\n@/SOUND/rain_in.sms\nAccess is denied.", "warning", kQuestion});
INSTANTIATE_TEST_SUITE_P(
    Presses, FileTroubleTest,
    testing::Values(
        FileTrouble{"Blocked", Op::Check, false, false, true, 0, {kBlocked}},
        FileTrouble{"BlockedWithoutRightsThatCannotBeHad", Op::Check, false, true, false, 0, {kBlocked}},
        FileTrouble{"BlockedWithoutRightsAndNo", Op::Check, false, true, true, kNo, {kAdminQuestion}},
        FileTrouble{"BlockedWithoutRightsAndYes",
                    Op::Check,
                    false,
                    true,
                    true,
                    kYes,
                    {kAdminQuestion, "restart as administrator"}},
        FileTrouble{"ReplacementFails", Op::Copy, false, false, true, 0, {kRolledBack}},
        FileTrouble{"VirtualStoreCopyBlocked", Op::Check, true, false, true, 0, {kBlocked}},
        FileTrouble{"VirtualStoreCopyReplacementFails", Op::Copy, true, false, true, 0, {kRolledBack}}),
    [](const testing::TestParamInfo<FileTrouble>& info) { return std::string(info.param.what); });

TEST_F(StormControllerTest, AStormThatCannotBePutBackEitherLocksAsAfterAForcedEnd) {
    FaultyFiles files;
    // rain.env does not take the storm; rain_in.sms, which did, does not take its back-up again.
    files.fails = [](const FaultyFiles::Call& c) {
        using storm_test::pathEndsWith;
        return c.op == FaultyFiles::Op::Copy &&
               ((pathEndsWith(c.to, "Envfiles/rain.env") && pathEndsWith(c.from, "rain.env.storm")) ||
                (pathEndsWith(c.to, "SOUND/rain_in.sms") &&
                 pathEndsWith(c.from, "back_up/Sounds/rain_in.sms")));
    };
    controller->setFiles(&files);
    const auto before = fx.simulatorSnapshot();
    controller->make("Zonnedal");
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(slashes(log[2]),
              slashes(errorBox("rollback failed\n\n" + fx.simulator +
                               "/Routes/Zonnedal/Envfiles/rain.env\nNo space left on device")));
    EXPECT_EQ(CallLog(log.begin() + 3, log.end()), (CallLog{"showReport Zonnedal", "lock"}));
    EXPECT_TRUE(controller->isStormActive());
    const auto journal = storm::StormJournal::parse(testing_support::readFile(fx.journalFile()));
    ASSERT_TRUE(journal);
    EXPECT_EQ(journal->addedTextures.size(), 5u);

    // Once the file can be written again, the restore button puts everything back.
    files.fails = nullptr;
    controller->restore();
    EXPECT_FALSE(controller->isStormActive());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

namespace {

TEST_F(StormControllerTest, TheVirtualStoreCopiesTakeTheStormAndGiveItBackWithTheRest) {
    using testing_support::readFile;
    using testing_support::snapshot;
    const std::string store = addVirtualStore();
    EXPECT_EQ(controller->reloadRoutes(), (std::vector<std::string>{"Bergland", "Droog", "Zonnedal"}));
    const auto simulatorBefore = fx.simulatorSnapshot();
    const auto storeBefore = snapshot(store);

    controller->make("Zonnedal");
    EXPECT_EQ(log, (CallLog{"clearReport", "find Nevora",
                            "showReport Zonnedal + Routes\\Zonnedal\\Envfiles\\rain.env + SOUND\\rain_in.sms",
                            "lock"}));
    EXPECT_EQ(readFile(store + "/SOUND/rain_in.sms"), StormFixture::stormSoundSource("rain_in.sms"));
    EXPECT_EQ(readFile(store + "/Routes/Zonnedal/Envfiles/rain.env"),
              readFile(fx.simFile("Routes/Zonnedal/Envfiles/rain.env")));
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Sounds/rain_in.sms.VirtualStore")), "copy rain_in.sms");
    EXPECT_FALSE(fs::exists(store + "/SOUND/rain_ex.sms")); // only a copy that is there is replaced
    // After a forced end the next start restores both from the journal.
    controller = makeController();
    controller->resumeFromJournal();
    controller->restore();
    EXPECT_EQ(fx.simulatorSnapshot(), simulatorBefore);
    EXPECT_EQ(snapshot(store), storeBefore);

    // A route that lies only in the VirtualStore is changed there, where the simulator finds it.
    log.clear();
    controller->make("Bergland");
    EXPECT_EQ(log, (CallLog{"clearReport", "find Nevora",
                            "showReport Bergland + Routes\\Bergland\\Envfiles\\rain.env + SOUND\\rain_in.sms",
                            "lock"}));
    EXPECT_TRUE(fs::exists(store + "/Routes/Bergland/Envfiles/Textures/ZKT_Bliksem.ace"));
    EXPECT_NE(readFile(store + "/Routes/Bergland/Envfiles/rain.env"), "Bergland rain.env");
    EXPECT_FALSE(fs::exists(fx.simFile("Routes/Bergland")));
    controller->restore();
    EXPECT_EQ(fx.simulatorSnapshot(), simulatorBefore);
    EXPECT_EQ(snapshot(store), storeBefore);
}

} // namespace
