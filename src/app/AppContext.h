// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/ErrorGuard.h"
#include "app/Folders.h"

namespace platform {
class Platform;
}
class TForm1;
class Tlanguage_form;
class TzktInfoDlg;
class TLocatie_form;

// What every window of the program shares: the platform, the program's
// folders, the error guard and the program-wide references to the four forms
// (filled as start-up creates them).
struct AppContext {
    platform::Platform& platform;
    Folders folders;
    ErrorGuard guard{platform};

    TForm1* Form1 = nullptr;
    Tlanguage_form* language_form = nullptr;
    TzktInfoDlg* zktInfoDlg = nullptr;
    TLocatie_form* Locatie_form = nullptr;
};
