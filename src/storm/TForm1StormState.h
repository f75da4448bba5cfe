// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "storm/StormFiles.h"
#include "storm/StormJournal.h"
#include "storm/StormSteps.h"

#include <optional>

// What the main window knows of the storm: the journal of the storm that is
// installed now (none in the Selecting state), and the seams tests use.
struct TForm1StormState {
    std::optional<storm::StormJournal> journal;
    // Called after each installation step; returning false ends the installation there.
    storm::StepHook stepHook;
    // The files the storm works on; none: the real ones.
    storm::StormFiles* files = nullptr;
};
