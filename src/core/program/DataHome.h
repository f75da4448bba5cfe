// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Where the data folder "Dump" lives. The portable layout (an unpacked
// archive, the build tree) keeps it beside the executable and is used
// whenever that can be written. An installed program's folder belongs to the
// system, not to the player, and every settings write there would fail; then
// the player's own data folder holds the same tree, filled from the shipped
// one, so that a player can also add a language file there.

// The folder that holds "Dump" (with its last separator): the program folder
// when its data folder (or, without one, the program folder itself) can be
// written, or when there is no shipped data folder to start from or the
// user's folder cannot be made; else the user's folder, seeded first.
std::string chooseDataHome(const std::string& programFolder, const std::string& userFolder);

// Gives the user's data home a "Dump" tree: creates its folders and copies
// every shipped file that it lacks (settings, language files, storm files;
// never back-ups or a storm journal). Files already there are kept, so the
// player's settings and language files survive, and a seeding cut short is
// completed by the next start. True when the user's "Dump\back_up" exists
// afterwards.
bool seedDataHome(const std::string& programFolder, const std::string& userFolder);
