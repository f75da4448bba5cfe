// SPDX-License-Identifier: GPL-3.0-or-later
// Captions longer than the Dutch ones the controls are sized for.
#include "LocationFixture.h"
#include "support/Controls.h"
#include "support/TextMetrics.h"

#include <QGroupBox>
#include <QLabel>
#include <QStyle>

using testing_support::control;

namespace {

// What Qt itself needs to show a caption whole.
bool labelShowsAll(const QLabel* label) {
    return label->heightForWidth(label->width()) <= label->height();
}

bool buttonShowsAll(const QPushButton* button) {
    QString shown = button->text();
    shown.remove(u'&');
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    return QFontMetrics(button->font()).horizontalAdvance(shown) + 2 * margin <= button->width();
}

bool titleShowsAll(const QGroupBox* box) {
    return QFontMetrics(box->font()).horizontalAdvance(box->title()) + 8 <= box->width();
}

class CaptionFit : public LocationFixture {
  protected:
    // Creates the window in `language` and looks at it while it is shown.
    void showIn(const std::string& language, const std::function<void(SimulatorFolderWindow&)>& look) {
        writeSettings("[Programma]\nTaalkeuze=" + language + "\n");
        whileShown(look);
        create();
    }
};

TEST_F(CaptionFit, TheDutchCaptionsFitTheDesignAsItStands) {
    SKIP_WITHOUT_REAL_FONTS();
    showIn("Nederlands", [](SimulatorFolderWindow& f) {
        EXPECT_TRUE(labelShowsAll(control<QLabel>(f, "Label1")));
        EXPECT_TRUE(buttonShowsAll(control<QPushButton>(f, "Button1")));
        EXPECT_TRUE(buttonShowsAll(control<QPushButton>(f, "Button2")));
        EXPECT_TRUE(titleShowsAll(control<QGroupBox>(f, "GroupBox1")));
        EXPECT_EQ(control<QPushButton>(f, "Button1")->geometry(), QRect(96, 155, 75, 25));
        EXPECT_EQ(control<QPushButton>(f, "Button2")->geometry(), QRect(174, 48, 75, 25));
        for (QWidget* w : std::initializer_list<QWidget*>{
                 control<QLabel>(f, "Label1"), control<QPushButton>(f, "Button1"),
                 control<QPushButton>(f, "Button2"), control<QGroupBox>(f, "GroupBox1"),
                 control<QLineEdit>(f, "Edit1")})
            EXPECT_EQ(w->font(), f.font()) << w->objectName().toStdString();
    });
}

TEST_F(CaptionFit, LongerCaptionsAreShownWholeAndTheButtonsStayInTheWindow) {
    SKIP_WITHOUT_REAL_FONTS();
    writeLanguageFile("Lang",
                      "[locatie scherm]\n"
                      "label1=Before you can go on, please tell &Brontara in which folder Microsoft Train "
                      "Simulator has been installed on this computer, so that its routes can be listed. "
                      "Under Wine this is usually a folder on drive C.\n"
                      "button1=Continue with this folder and list all of its routes\n"
                      "button2=Browse for a &folder...\n"
                      "groupbox1=Installation folder of Microsoft Train Simulator on this computer:\n");
    showIn("Lang", [](SimulatorFolderWindow& f) {
        EXPECT_TRUE(labelShowsAll(control<QLabel>(f, "Label1")));
        EXPECT_TRUE(buttonShowsAll(control<QPushButton>(f, "Button1")));
        EXPECT_TRUE(buttonShowsAll(control<QPushButton>(f, "Button2")));
        EXPECT_TRUE(titleShowsAll(control<QGroupBox>(f, "GroupBox1")));
        // Grown buttons keep their row, stay inside their parent and keep clear of each other.
        EXPECT_EQ(control<QPushButton>(f, "Button1")->y(), 155);
        EXPECT_EQ(control<QPushButton>(f, "Button2")->y(), 48);
        EXPECT_TRUE(f.rect().contains(control<QPushButton>(f, "Button1")->geometry()));
        EXPECT_TRUE(control<QGroupBox>(f, "GroupBox1")
                        ->rect()
                        .contains(control<QPushButton>(f, "Button2")->geometry()));
        EXPECT_EQ(control<QPushButton>(f, "Button2")->geometry().right(), QRect(174, 48, 75, 25).right());
        EXPECT_EQ(control<QPushButton>(f, "Button1")->geometry().center().x(),
                  QRect(96, 155, 75, 25).center().x());
        // The folder box keeps the window's font: only captions shrink.
        EXPECT_EQ(control<QLineEdit>(f, "Edit1")->font(), f.font());
        EXPECT_EQ(control<QLabel>(f, "Label1")->geometry(), QRect(8, 8, 257, 41));
    });
}

} // namespace
