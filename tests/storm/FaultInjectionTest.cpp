// SPDX-License-Identifier: GPL-3.0-or-later
// The installation ended after each of its steps, as by a forced end of the
// program: the journal left on disk is enough to put the simulator back
// byte for byte.
#include "FaultyFiles.h"
#include "RouteKinds.h"
#include "StormFixture.h"
#include "core/storm/StormInstaller.h"
#include "core/storm/StormRestorer.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace storm;
using storm_test::FaultyFiles;
using storm_test::interruptedRouteKinds;
using storm_test::prepareRoute;
using storm_test::RouteKind;
using storm_test::StormFixture;
using testing_support::readFile;

namespace {

std::vector<StepPoint> allStepPoints(const RouteKind& kind) {
    StormFixture fx;
    fx.addRoute("Route", kind.files);
    FaultyFiles files;
    std::vector<StepPoint> points;
    StormInstaller(files, fx.programFolder(), [&](const StepPoint& p) {
        points.push_back(p);
        return true;
    }).install(fx.record("Route", kind.rainNames, kind.byPattern));
    return points;
}

class FaultInjectionTest : public testing::TestWithParam<RouteKind> {};

TEST_P(FaultInjectionTest, RestoringAfterAnEndAtAnyStepLeavesTheSimulatorAsItWas) {
    const RouteKind& kind = GetParam();
    const auto points = allStepPoints(kind);
    ASSERT_GE(points.size(), 24u);
    for (const StepPoint& stop : points) {
        SCOPED_TRACE(std::string(stepName(stop.step)) + " #" + std::to_string(stop.index));
        StormFixture fx;
        prepareRoute(fx, kind);
        const auto before = fx.simulatorSnapshot();
        FaultyFiles files;
        const auto result = StormInstaller(files, fx.programFolder(), [&](const StepPoint& p) {
                                return !(p == stop);
                            }).install(fx.record("Route", kind.rainNames, kind.byPattern));
        ASSERT_EQ(result.outcome, InstallOutcome::Interrupted);

        // A fresh start knows only what is on disk. Before the journal only the back-up folder has changed:
        // it finds nothing to restore.
        if (stop.step >= Step::WriteJournal) {
            const auto journal = StormJournal::parse(readFile(fx.journalFile()));
            ASSERT_TRUE(journal);
            EXPECT_TRUE(StormRestorer(files, fx.programFolder()).restore(*journal).complete());
        }
        EXPECT_EQ(fx.simulatorSnapshot(), before);
        EXPECT_FALSE(std::filesystem::exists(fx.journalFile()));
    }
}

INSTANTIATE_TEST_SUITE_P(Routes, FaultInjectionTest, testing::ValuesIn(interruptedRouteKinds()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
