// SPDX-License-Identifier: GPL-3.0-or-later
// The help menu: the language question, and which document opens.
#include "InfoFixture.h"
#include "gui/HelpLanguageQuestion.h"

#include "core/help/HelpDocuments.h"
#include "core/help/MessageDialogKinds.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <QWindow>

#include <functional>

namespace {

using testing_support::ScriptedPlatform;

const std::string kDutch = "Brontara Help (Nederlands).doc";
const std::string kEnglish = "Brontara Help (English).doc";
const ScriptedPlatform::Box kNotFound{"Kan het help bestand niet openen.", "Fout", 16};

QMessageBox& asBox(QDialog& dialog) {
    return dynamic_cast<QMessageBox&>(dialog);
}

QStringList captions(QDialog& dialog) {
    QStringList result;
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        result << b->text();
    return result;
}

// What the user does in the question dialog.
using UserAction = std::function<void(QDialog&)>;

UserAction press(const QString& caption) {
    return [caption](QDialog& d) {
        for (QPushButton* b : d.findChildren<QPushButton*>()) {
            if (b->text() == caption) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no button " << caption.toStdString() << " in "
                      << captions(d).join(u',').toStdString();
    };
}

UserAction key(Qt::Key k) {
    return [k](QDialog& d) {
        // Where the keyboard is: the focused control, else the dialog.
        QWidget* target = d.focusWidget() ? d.focusWidget() : &d;
        QTest::keyClick(target, k);
    };
}

UserAction closeFromTitleBar() {
    return [](QDialog& d) { d.close(); };
}

class HelpMenu : public InfoFixture {
  protected:
    void answer(const UserAction& action) {
        platform.queueModal([action](QDialog& d) {
            action(d);
            return 0;
        });
    }
    std::string path(const std::string& document) const { return programFolder() + document; }
};

enum Present { None = 0, DutchDoc = 1, EnglishDoc = 2, DutchIsAFolder = 4 };

struct HelpCase {
    const char* name;
    UserAction action;
    int present;
    const char* opens; // nullptr: nothing opens
    bool notFoundBox;
};

void PrintTo(const HelpCase& c, std::ostream* os) {
    *os << c.name;
}

class HelpChoice : public HelpMenu, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpChoice, OpensTheChosenDocumentOrSaysItIsMissing) {
    const HelpCase& c = GetParam();
    if (c.present & DutchDoc) tmp.write("prog/" + kDutch, "doc");
    if (c.present & EnglishDoc) tmp.write("prog/" + kEnglish, "doc");
    if (c.present & DutchIsAFolder) tmp.mkdir("prog/" + kDutch);
    answer(c.action);

    form->showHelp();

    EXPECT_EQ(platform.modalDialogs, std::vector<std::string>{"HelpLanguageDialog"});
    if (c.opens)
        EXPECT_EQ(platform.opened, std::vector<std::string>{path(c.opens)});
    else
        EXPECT_TRUE(platform.opened.empty());
    if (c.notFoundBox)
        EXPECT_EQ(platform.boxes, std::vector<ScriptedPlatform::Box>{kNotFound});
    else
        EXPECT_TRUE(platform.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HelpChoice,
    ::testing::Values(
        HelpCase{"Nederlands", press(QStringLiteral("&Nederlands")), DutchDoc | EnglishDoc, kDutch.c_str(),
                 false},
        HelpCase{"English", press(QStringLiteral("&English")), DutchDoc | EnglishDoc, kEnglish.c_str(),
                 false},
        HelpCase{"EscapeIsEnglish", key(Qt::Key_Escape), DutchDoc | EnglishDoc, kEnglish.c_str(), false},
        HelpCase{"EnterIsNederlands", key(Qt::Key_Return), DutchDoc | EnglishDoc, kDutch.c_str(), false},
        HelpCase{"TitleBarCloseDoesNothing", closeFromTitleBar(), DutchDoc | EnglishDoc, nullptr, false},
        HelpCase{"TitleBarCloseWithoutDocuments", closeFromTitleBar(), None, nullptr, false},
        HelpCase{"OnlyEnglishThereNoFallBack", press(QStringLiteral("&Nederlands")), EnglishDoc, nullptr,
                 true},
        HelpCase{"OnlyDutchThere", press(QStringLiteral("&English")), DutchDoc, nullptr, true},
        HelpCase{"AFolderIsNoDocument", press(QStringLiteral("&Nederlands")), DutchIsAFolder | EnglishDoc,
                 nullptr, true},
        HelpCase{"NeitherThere", key(Qt::Key_Escape), None, nullptr, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HelpMenu, TheQuestionLooksAsTheUserExpects) {
    platform.queueModal([](QDialog& d) {
        QMessageBox& box = asBox(d);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Kies een taal"));
        EXPECT_EQ(box.text(), QStringLiteral("Choose a language for the help file."));
        EXPECT_EQ(box.icon(), QMessageBox::Information);
        EXPECT_EQ(captions(d), (QStringList{QStringLiteral("&Nederlands"), QStringLiteral("&English")}));
        for (QPushButton* b : d.findChildren<QPushButton*>()) {
            EXPECT_EQ(b->width(), 66) << b->text().toStdString();
            EXPECT_TRUE(b->icon().isNull()) << "no theme icon crowds the caption";
        }
        EXPECT_EQ(box.defaultButton()->text(), QStringLiteral("&Nederlands"));
        EXPECT_EQ(box.escapeButton()->text(), QStringLiteral("&English"));
        EXPECT_EQ(d.focusWidget(), box.defaultButton());
        d.close();
        return 0;
    });
    form->showHelp();
    EXPECT_TRUE(platform.allUsed());
}

TEST_F(HelpMenu, TheCaptionFollowsTheLanguageTheQuestionStaysEnglish) {
    writeLanguage("English",
                  "[Meldingen]\nMessagedlg_Titel=Choose a language [*]\nHelp_niet_gevonden=No help file.\n"
                  "Titel_fout=Error\n");
    form->language().apply("English");
    platform.queueModal([](QDialog& d) {
        EXPECT_EQ(d.windowHandle()->title(), QStringLiteral("Choose a language [*]"));
        EXPECT_EQ(asBox(d).text(), QStringLiteral("Choose a language for the help file."));
        EXPECT_EQ(captions(d), (QStringList{QStringLiteral("&Nederlands"), QStringLiteral("&English")}));
        press(QStringLiteral("&English"))(d);
        return 0;
    });
    form->showHelp();
    EXPECT_EQ(platform.boxes, (std::vector<ScriptedPlatform::Box>{{"No help file.", "Error", 16}}));
}

TEST_F(HelpMenu, TheMissingDocumentMessageIsFormattedLikeEveryError) {
    writeLanguage("Procent", "[Meldingen]\nHelp_niet_gevonden=100%% weg: %s.\nTitel_fout=Oei\n");
    form->language().apply("Procent");
    answer(press(QStringLiteral("&Nederlands")));
    form->showHelp();
    EXPECT_EQ(platform.boxes, (std::vector<ScriptedPlatform::Box>{{"100% weg: .", "Oei", 16}}));
}

// Gives the standard buttons the captions a platform theme or translation would.
class ButtonCaptions : public QTranslator {
  public:
    ButtonCaptions(QString yes, QString no, QString cancel)
        : m_yes(std::move(yes)), m_no(std::move(no)), m_cancel(std::move(cancel)) {}
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "QPlatformTheme") != 0) return {};
        if (qstrcmp(source, "&Yes") == 0) return m_yes;
        if (qstrcmp(source, "&No") == 0) return m_no;
        if (qstrcmp(source, "Cancel") == 0) return m_cancel;
        return {};
    }
    bool isEmpty() const override { return false; }

  private:
    QString m_yes, m_no, m_cancel;
};

class ThemedButtons : public HelpMenu {
  protected:
    void use(ButtonCaptions* captions) {
        m_translator.reset(captions);
        QCoreApplication::installTranslator(m_translator.get());
        settle(); // the windows' language-change events pass before the question is asked
    }
    void TearDown() override {
        if (m_translator) QCoreApplication::removeTranslator(m_translator.get());
        HelpMenu::TearDown();
    }
    std::unique_ptr<ButtonCaptions> m_translator;
};

TEST_F(ThemedButtons, CaptionsWithoutAccessKeysAreRelabelledToo) {
    use(new ButtonCaptions(QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Cancel")));
    QStringList seen;
    platform.queueModal([&seen](QDialog& d) {
        seen = captions(d);
        press(QStringLiteral("&English"))(d);
        return 0;
    });
    EXPECT_EQ(askWithLanguageButtons(platform, form, "?", form->texts().helpQuestionTitle,
                                     DialogType::Information,
                                     dialog_button::Yes | dialog_button::No | dialog_button::Cancel),
              7);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("&Nederlands"), QStringLiteral("&English"),
                                 QStringLiteral("&Annuleren")}));
}

TEST_F(ThemedButtons, OtherCaptionsStayButTheButtonsStillAnswer) {
    use(new ButtonCaptions(QStringLiteral("&Ja"), QStringLiteral("&Nee"), QStringLiteral("Annuleren")));
    tmp.write("prog/" + kDutch, "doc");
    tmp.write("prog/" + kEnglish, "doc");
    QStringList seen;
    platform.queueModal([&seen](QDialog& d) {
        seen = captions(d);
        press(QStringLiteral("&Ja"))(d);
        return 0;
    });
    form->showHelp();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nee")}));
    EXPECT_EQ(platform.opened, std::vector<std::string>{path(kDutch)});
}

struct AskCase {
    const char* name;
    DialogType type;
    DialogButtons buttons;
    UserAction action;
    const char* caption;
    int result;
};

void PrintTo(const AskCase& c, std::ostream* os) {
    *os << c.name;
}

class AskHelpLanguageKinds : public HelpMenu, public ::testing::WithParamInterface<AskCase> {};

TEST_P(AskHelpLanguageKinds, GiveTheStandardResults) {
    const AskCase& c = GetParam();
    QString caption;
    platform.queueModal([&](QDialog& d) {
        caption = d.windowTitle();
        for (QPushButton* b : d.findChildren<QPushButton*>())
            EXPECT_EQ(b->width(), 66) << b->text().toStdString();
        c.action(d);
        return 0;
    });
    EXPECT_EQ(
        askWithLanguageButtons(platform, form, "Vraag", form->texts().helpQuestionTitle, c.type, c.buttons),
        c.result);
    EXPECT_EQ(caption, QString::fromUtf8(c.caption));
}

using namespace dialog_button;
INSTANTIATE_TEST_SUITE_P(Kinds, AskHelpLanguageKinds,
                         ::testing::Values(AskCase{"InformationYesNoEnter", DialogType::Information, Yes | No,
                                                   key(Qt::Key_Return), "Kies een taal", 6},
                                           AskCase{"InformationYesNoEscape", DialogType::Information,
                                                   Yes | No, key(Qt::Key_Escape), "Kies een taal", 7},
                                           AskCase{"InformationClosed", DialogType::Information, Yes | No,
                                                   closeFromTitleBar(), "Kies een taal", 2},
                                           AskCase{"ConfirmationKeepsItsCaption", DialogType::Confirmation,
                                                   Yes | No | Cancel, press(QStringLiteral("&Annuleren")),
                                                   "Confirm", 2},
                                           AskCase{"EscapePressesCancelWhenThere", DialogType::Warning,
                                                   Yes | No | Cancel, key(Qt::Key_Escape), "Warning", 2},
                                           AskCase{"AnUnlabelledButtonKeepsItsResult", DialogType::Error,
                                                   Ok | Cancel, press(QStringLiteral("OK")), "Error", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
