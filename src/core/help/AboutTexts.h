// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

struct Folders;

// The seven texts of the about dialog, composed for one language.
struct AboutTexts {
    std::string caption;
    std::string productName; // the text read, then " Brontara"
    std::string version;     // the text read, then "  " and the version number ("1.0")
    std::string web;
    std::string mail;
    std::string mailAddress; // the e-mail link's caption
    std::string okButton;

    bool operator==(const AboutTexts&) const = default;
};

// The texts for `language`: built in for "Nederlands" (exact, case-sensitive),
// else read key by key, in a fixed order, from section "About Dlg" of the
// language's file. A missing file, section or key reads as the empty text, so
// the product and version lines then hold only the fixed name and number.
AboutTexts aboutTextsFor(const Folders& folders, const std::string& language);
