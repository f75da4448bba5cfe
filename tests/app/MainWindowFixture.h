// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/AppContext.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "support/Names.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

using testing_support::names;

// A main window over a real program folder and a real simulator folder in a
// temporary folder, with the scripted platform for its boxes.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        tmp.mkdir("prog/Dump/Languages");
        tmp.mkdir("prog/Dump/back_up");
        tmp.mkdir("sim/Routes");
        context = std::make_unique<AppContext>(AppContext{platform, Folders{tmp / "prog/"}});
        form = std::make_unique<TForm1>(*context);
        context->Form1 = form.get();
        form->ApplyLanguage("Nederlands");
        platform.boxes.clear();
    }

    std::string simulator() const { return tmp / "sim"; }
    void storeSimulatorFolder(const std::string& folder) { settings::writeSimulatorFolder(context->folders, folder); }

    QStringList routes() const {
        QStringList items;
        for (int i = 0; i < form->RouteBox->count(); ++i)
            items << form->RouteBox->itemText(i);
        return items;
    }

    testing_support::TempDir tmp;
    testing_support::ScriptedPlatform platform;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<TForm1> form;
};
