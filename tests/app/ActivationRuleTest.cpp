// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/ActivationRule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Window = ActivationRule::Window;

struct Sequence {
    const char* name;
    std::vector<Window> activations;
    std::vector<bool> runs; // whether the main window's handler runs at each step
};

class ActivationRuleSequences : public ::testing::TestWithParam<Sequence> {};

TEST_P(ActivationRuleSequences, RunsTheMainHandlerOnlyWhenComingFromNoneOrAnotherForm) {
    ActivationRule rule;
    const auto& s = GetParam();
    for (size_t i = 0; i < s.activations.size(); ++i)
        EXPECT_EQ(rule.activated(s.activations[i]), s.runs[i]) << s.name << " step " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ActivationRuleSequences,
    ::testing::Values(
        Sequence{"first show", {Window::Main}, {true}},
        // A message box or another application in between is never reported: the main window stays last.
        Sequence{"back from a box or another program",
                 {Window::Main, Window::Main, Window::Main},
                 {true, false, false}},
        Sequence{"first start windows",
                 {Window::Language, Window::SimulatorFolder, Window::Main},
                 {false, false, true}},
        Sequence{"about dialog closed", {Window::Main, Window::About, Window::Main}, {true, false, true}},
        Sequence{"about dialog twice",
                 {Window::Main, Window::About, Window::Main, Window::About, Window::Main},
                 {true, false, true, false, true}}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& c : n)
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

} // namespace
