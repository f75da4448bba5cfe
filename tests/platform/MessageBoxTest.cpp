// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes: text shown exactly as given, and which answer a
// reflex Enter or Escape gives.
#include "gui/platform/DesktopPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Seen {
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    bool found = false;
};

// Shows a box through the platform and, once it is open, notes what it shows and presses a key on it.
int answerWithKey(const std::string& text, unsigned flags, Qt::Key key, Seen& seen) {
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        timer.stop();
        seen = {box->textFormat(), box->text(), true};
        QTest::keyClick(box, key);
    });
    timer.start();
    platform::DesktopPlatform desktop;
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

} // namespace
