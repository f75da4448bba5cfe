// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/program/Settings.h"
#include "core/storm/StormJournal.h"
#include "gui/MainWindow.h"
#include "support/Names.h"
#include "support/ProgramWindows.h"

#include <QComboBox>
#include <QStringList>
#include <gtest/gtest.h>

using testing_support::control;
using testing_support::names;

// A main window in Dutch over a real program folder and a real simulator
// folder in a temporary folder, with the scripted platform for its boxes.
class MainWindowFixture : public ::testing::Test, public testing_support::ProgramWindows {
  protected:
    void SetUp() override { form = &mainWindow(); }

    QComboBox* routeBox() const { return control<QComboBox>(form, "RouteBox"); }
    QStringList routes() const {
        QStringList items;
        for (int i = 0; i < routeBox()->count(); ++i)
            items << routeBox()->itemText(i);
        return items;
    }

    // Lists the routes of `simulatorFolder` in the route box, as activation does.
    void showRoutesOf(const std::string& simulatorFolder) {
        storeSimulatorFolder(simulatorFolder);
        form->reloadRoutes();
    }

    // A storm on record in the data folder, taken up as a start of the
    // program does: the window opens in the Storm installed state.
    void resumeARecordedStorm() {
        storm::StormJournal journal;
        journal.record = {simulator(), "Zonnedal", {"rain.env"}, false, {"rain_in.sms", "rain_ex.sms"}};
        journal.simulatorLocation = simulator();
        journal.rainEnvExisted = {true};
        journal.rainSoundExisted = {true, true};
        tmp.write("prog/Dump/storm_journal.ini", journal.toText().value());
        form->resumeStormFromJournal();
    }

    MainWindow* form = nullptr;
};
