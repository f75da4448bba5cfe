// SPDX-License-Identifier: GPL-3.0-or-later
// Each shipped language in the windows: applied, every text arrives as the
// file holds it, and every caption fits the control it stands in. With
// BRONTARA_SCREENSHOT_DIR set, the windows are also saved as pictures.
#include "LangFixture.h"
#include "ShippedLanguages.h"
#include "support/Controls.h"
#include "support/TextMetrics.h"

#include "core/language/LanguageFiles.h"
#include "gui/Caption.h"
#include "gui/LanguageWindow.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

using testing_support::control;

using namespace lang_test;

namespace lang_test {
void PrintTo(const ShippedFile& file, std::ostream* os) {
    *os << file.language;
}
} // namespace lang_test

namespace {

class ShippedLanguageGuiTest : public ::testing::TestWithParam<ShippedFile> {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(
            platform::fileSystemPath(GetParam().path),
            platform::fileSystemPath(folder.tmp / ("prog/Dump/Languages/" + GetParam().language + ".lng")));
        form = folder.mainWindow();
    }
    std::string read(const std::string& section, const std::string& key) const {
        return platform::ini::readString(GetParam().path, section, key, "");
    }
    void save(QWidget* w, const std::string& what) const {
        const QByteArray dir = qgetenv("BRONTARA_SCREENSHOT_DIR");
        if (dir.isEmpty()) return;
        QApplication::processEvents();
        const QString file = QString::fromLocal8Bit(dir) + u'/' +
                             QString::fromStdString(what + "-" + GetParam().language) +
                             QStringLiteral(".png");
        EXPECT_TRUE(w->grab().save(file)) << file.toStdString();
    }

    ProgramFolder folder;
    MainWindow* form = nullptr;
};

TEST_P(ShippedLanguageGuiTest, StartsInTheStoredLanguageWithEveryTextFromTheFile) {
    folder.writeSettings("[Programma]\r\nTaalkeuze=" + GetParam().language + "\r\nTaalscherm=1\r\n");
    folder.guarded([&] { form->initialise(); });
    EXPECT_TRUE(folder.platform.boxes.empty());
    EXPECT_EQ(form->language().current(), GetParam().language);
    EXPECT_EQ(checkedLanguageItem(*form), "Language2");
    for (const MainTextRow& row : kMainTextTable) {
        const std::string text = read(std::string(row.section), std::string(row.key));
        const bool label = row.target == TextTarget::RoutePrompt || row.target == TextTarget::CompletionText;
        EXPECT_EQ(targetText(*form, row), label ? captionWithoutAccessKey(text).toStdString() : text)
            << row.section << "/" << row.key;
    }
    EXPECT_EQ(form->language().texts().backupFailed, read("Meldingen", "Backup_fout"));
    // Every box's buttons read in the language, as the questions that name them say.
    const platform::ButtonCaptions& buttons = folder.platform.buttonCaptions();
    EXPECT_EQ(buttons.yes, read("Meldingen", "Knop_ja"));
    EXPECT_EQ(buttons.no, read("Meldingen", "Knop_nee"));
    EXPECT_EQ(buttons.ok, read("Meldingen", "Knop_ok"));
    const std::string question = read("Meldingen", "Herstel_fout");
    EXPECT_NE(question.find("(" + buttons.yes + ")"), std::string::npos) << question;
    EXPECT_NE(question.find("(" + buttons.no + ")"), std::string::npos) << question;
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), GetParam().language);
}

TEST_P(ShippedLanguageGuiTest, LanguageWindowTakesItsTextsFromTheFile) {
    LanguageWindow& window = folder.languageWindow();
    window.show();
    QApplication::processEvents();
    control<QComboBox>(window, "ComboBox1")->lineEdit()->selectAll();
    typeText(control<QComboBox>(window, "ComboBox1")->lineEdit(),
             QString::fromStdString(GetParam().language));
    EXPECT_EQ(window.windowTitle().toStdString(), read("Taal Scherm", "titel"));
    EXPECT_EQ(visibleText(control<QLabel>(window, "Label1")).toStdString(), read("Taal Scherm", "label1"));
    EXPECT_EQ(control<QPushButton>(window, "Button1")->text().toStdString(), read("Taal Scherm", "button1"));
    save(&window, "language_form");
    window.hide();
}

// A caption on one line fits its control when its text leaves a few pixels of
// margin on either side; a word-wrapped label fits when its lines do.
void expectFitsOneLine(const QFont& font, const QString& caption, int room, const std::string& what) {
    const QString text = captionWithoutAccessKey(caption.toStdString());
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(text), room) << what << ": " << text.toStdString();
}

void expectFitsWrapped(const QFont& font, const QString& caption, QSize room, const std::string& what) {
    const QString text = captionWithoutAccessKey(caption.toStdString());
    const QRect r = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), QSize(room.width(), 10000)),
                                                    Qt::TextWordWrap, text);
    EXPECT_LE(r.width(), room.width()) << what << ": " << text.toStdString();
    EXPECT_LE(r.height(), room.height()) << what << ": " << text.toStdString();
}

void expectButtonFits(const QPushButton* button, const std::string& what) {
    expectFitsOneLine(button->font(), button->text(), button->width() - 8, what);
}

void expectLabelFits(const QLabel* label, const std::string& what) {
    expectFitsWrapped(label->font(), visibleText(label), label->size(), what);
}

TEST_P(ShippedLanguageGuiTest, MainWindowCaptionsFitTheirControls) {
    SKIP_WITHOUT_REAL_FONTS();
    form->language().apply(GetParam().language);
    form->show();
    QApplication::processEvents();
    expectLabelFits(control<QLabel>(form, "Label1"), "Label1");
    expectLabelFits(control<QLabel>(form, "Label3"), "Label3");
    expectButtonFits(control<QPushButton>(form, "Button1"), "Button1");
    expectButtonFits(control<QPushButton>(form, "Button2"), "Button2");
    // The title starts 8 pixels in and keeps clear of the right border.
    expectFitsOneLine(control<QGroupBox>(form, "GroupBox1")->font(),
                      control<QGroupBox>(form, "GroupBox1")->title(),
                      control<QGroupBox>(form, "GroupBox1")->width() - 8 - 4 - 8, "GroupBox1");
    expectFitsOneLine(control<QComboBox>(form, "RouteBox")->lineEdit()->font(),
                      control<QComboBox>(form, "RouteBox")->currentText(),
                      control<QComboBox>(form, "RouteBox")->lineEdit()->width() - 4, "RouteBox");
    form->hide();
}

TEST_P(ShippedLanguageGuiTest, LanguageWindowCaptionsFitTheirControls) {
    SKIP_WITHOUT_REAL_FONTS();
    LanguageWindow& window = folder.languageWindow();
    window.show();
    QApplication::processEvents();
    control<QComboBox>(window, "ComboBox1")->lineEdit()->selectAll();
    typeText(control<QComboBox>(window, "ComboBox1")->lineEdit(),
             QString::fromStdString(GetParam().language));
    expectLabelFits(control<QLabel>(window, "Label1"), "Label1");
    expectButtonFits(control<QPushButton>(window, "Button1"), "Button1");
    window.hide();
}

// The location window and the about dialog read their own sections: their
// controls' sizes and their fonts.
QFont designFont(bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    f.setPointSize(8);
    f.setBold(bold);
    return f;
}

TEST_P(ShippedLanguageGuiTest, LocationAndAboutCaptionsFitTheirControls) {
    SKIP_WITHOUT_REAL_FONTS();
    auto text = [&](const char* section, const char* key) {
        return QString::fromStdString(read(section, key));
    };
    const QFont normal = designFont(false), bold = designFont(true);
    expectFitsWrapped(normal, text("locatie scherm", "label1"), QSize(257, 41), "locatie scherm/label1");
    expectFitsOneLine(normal, text("locatie scherm", "button1"), 75 - 8, "locatie scherm/button1");
    expectFitsOneLine(normal, text("locatie scherm", "button2"), 75 - 8, "locatie scherm/button2");
    expectFitsOneLine(normal, text("locatie scherm", "groupbox1"), 257 - 8 - 4 - 8,
                      "locatie scherm/groupbox1");
    // Each label of the about dialog ends before the link beside it begins.
    expectFitsOneLine(bold, text("About Dlg", "Web"), 160 - 120 - 2, "About Dlg/Web");
    expectFitsOneLine(bold, text("About Dlg", "Mail"), 168 - 120 - 2, "About Dlg/Mail");
    expectFitsOneLine(bold, text("About Dlg", "mail_adres"), 321 - 168 - 4, "About Dlg/mail_adres");
    expectFitsOneLine(bold, text("About Dlg", "product") + QStringLiteral(" Brontara"), 321 - 120 - 4,
                      "product");
    expectFitsOneLine(bold, text("About Dlg", "Versie") + QStringLiteral("  1.0"), 321 - 120 - 4, "Versie");
    expectFitsOneLine(normal, text("About Dlg", "button"), 90 - 8, "About Dlg/button");
}

TEST_P(ShippedLanguageGuiTest, MenuBarHoldsEveryMenuOnOneLine) {
    form->language().apply(GetParam().language);
    form->show();
    QApplication::processEvents();
    // One row: every menu title beside the first, none wrapped below it.
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    const QRect first = form->menuBar()->actionGeometry(menus.front());
    for (QAction* menu : menus) {
        const QRect r = form->menuBar()->actionGeometry(menu);
        EXPECT_EQ(r.top(), first.top()) << menu->text().toStdString();
        EXPECT_LE(r.right(), form->menuBar()->width()) << menu->text().toStdString();
    }
    save(form, "main-selecting");
    control<QFrame>(form, "Panel1")->hide();
    save(form, "main-storm");
    form->hide();
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguageGuiTest, ::testing::ValuesIn(shippedLanguageFiles()),
                         [](const auto& info) {
                             std::string name;
                             for (char c : info.param.language)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

// The built-in Dutch texts are not ours to choose, but they are shown too.
TEST(BuiltInDutch, Screenshots) {
    const QByteArray dir = qgetenv("BRONTARA_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "BRONTARA_SCREENSHOT_DIR is not set";
    ProgramFolder folder;
    auto form = folder.mainWindow();
    form->language().apply("Nederlands");
    form->show();
    QApplication::processEvents();
    EXPECT_TRUE(
        form->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/main-selecting-Nederlands.png")));
    control<QFrame>(form, "Panel1")->hide();
    EXPECT_TRUE(
        form->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/main-storm-Nederlands.png")));
    LanguageWindow& window = folder.languageWindow();
    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(
        window.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/language_form-Nederlands.png")));
}

} // namespace
