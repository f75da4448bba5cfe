// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes: text shown exactly as given, and which answer a
// reflex Enter or Escape gives.
#include "gui/platform/DesktopPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Seen {
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    bool found = false;
    std::vector<std::string> buttons; // as they read, sorted
};

// Shows a box through the platform and, once it is open, notes what it shows and presses a key on it.
int answerWithKey(const std::string& text, unsigned flags, Qt::Key key, Seen& seen,
                  const platform::ButtonCaptions& captions = {}) {
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        timer.stop();
        seen = {box->textFormat(), box->text(), true, {}};
        for (QAbstractButton* button : box->buttons())
            seen.buttons.push_back(button->text().toStdString());
        std::sort(seen.buttons.begin(), seen.buttons.end());
        QTest::keyClick(box, key);
    });
    timer.start();
    platform::DesktopPlatform desktop;
    desktop.setButtonCaptions(captions);
    return desktop.messageBox(text, "Titel", flags);
}

struct KeyCase {
    const char* name;
    unsigned flags;
    Qt::Key key;
    int answer;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class MessageBoxKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(MessageBoxKeyTest, AKeyGivesTheDefaultOrTheEscapeAnswer) {
    Seen seen;
    EXPECT_EQ(answerWithKey("Vraag?", GetParam().flags, GetParam().key, seen), GetParam().answer);
    EXPECT_TRUE(seen.found);
}

using namespace platform;
INSTANTIATE_TEST_SUITE_P(
    Keys, MessageBoxKeyTest,
    testing::Values(KeyCase{"QuestionEnterIsYes", mb::YesNo | mb::IconWarning, Qt::Key_Return, answer::Yes},
                    KeyCase{"QuestionEscapeIsNo", mb::YesNo | mb::IconWarning, Qt::Key_Escape, answer::No},
                    KeyCase{"NoByDefaultEnterIsNo", mb::YesNo | mb::IconWarning | mb::DefaultButton2,
                            Qt::Key_Return, answer::No},
                    KeyCase{"NoByDefaultEscapeIsNo", mb::YesNo | mb::IconWarning | mb::DefaultButton2,
                            Qt::Key_Escape, answer::No},
                    KeyCase{"ErrorEnterIsOk", mb::Ok | mb::IconError, Qt::Key_Return, answer::Ok}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageBoxTextTest, TextThatLooksLikeMarkupIsShownExactlyAsStored) {
    for (const std::string text : {"<b>Vet</b> &amp; <a href=\"x\">link</a>", "C:\\<Routes>\\Zon & Regen",
                                   "<html><body><h1>Kop</h1></body></html>"}) {
        Seen seen;
        answerWithKey(text, mb::Ok | mb::IconError, Qt::Key_Return, seen);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.format, Qt::PlainText) << text;
        EXPECT_EQ(seen.text.toStdString(), text);
    }
}

TEST(MessageBoxButtonTest, ButtonsReadInTheProgramsLanguage) {
    struct Case {
        platform::ButtonCaptions captions;
        unsigned flags;
        std::vector<std::string> buttons;
    };
    for (const Case& c : {Case{{}, mb::YesNo, {"Ja", "Nee"}},
                          Case{{"Oui", "Non", "OK"}, mb::YesNo | mb::DefaultButton2, {"Non", "Oui"}},
                          Case{{"Yes", "No", "Okay"}, mb::Ok | mb::IconError, {"Okay"}}}) {
        Seen seen;
        answerWithKey("Vraag?", c.flags, Qt::Key_Escape, seen, c.captions);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.buttons, c.buttons);
    }
}

} // namespace
