// SPDX-License-Identifier: GPL-3.0-or-later
// The about dialog: its controls, its texts in each language, showing and hiding.
#include "InfoFixture.h"
#include "support/Controls.h"

#include "core/help/ProjectLinks.h"
#include "gui/widgets/BevelPanel.h"
#include "gui/widgets/LinkLabel.h"
#include "gui/widgets/PictureBox.h"
#include "platform/Ini.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <filesystem>

using testing_support::control;

namespace {

struct Place {
    const char* name;
    QRect rect; // width and height 0: sized by its text
};

// The dialog's texts as the user sees them.
struct Shown {
    QString caption, product, version, web, webLink, mail, mailLink, ok;
    bool operator==(const Shown&) const = default;
    friend void PrintTo(const Shown& s, std::ostream* os) {
        for (const QString* t :
             {&s.caption, &s.product, &s.version, &s.web, &s.webLink, &s.mail, &s.mailLink, &s.ok})
            *os << '"' << t->toStdString() << "\" ";
    }
};

class AboutDialogTest : public InfoFixture {
  protected:
    Shown shown() const {
        return {about->windowTitle(),
                control<QLabel>(about, "ProductName")->text(),
                control<QLabel>(about, "Version")->text(),
                control<QLabel>(about, "Web")->text(),
                control<LinkLabel>(about, "WebLink")->caption(),
                control<QLabel>(about, "Mail")->text(),
                control<LinkLabel>(about, "Mail_adres")->caption(),
                control<QPushButton>(about, "OKButton")->text()};
    }
    void showAbout() {
        form->showAbout();
        settle();
    }
};

const QString kWebCaption = QString::fromUtf8(project_links::kWebCaption);

TEST_F(AboutDialogTest, ControlsStandWhereTheyWereDesigned) {
    EXPECT_EQ(about->size(), QSize(337, 213));
    EXPECT_EQ(about->minimumSize(), about->maximumSize()) << "the border is fixed";
    const Place places[] = {
        {"Panel1", {8, 8, 321, 161}},     {"Image2", {-8, 8, 120, 130}},   {"ProductName", {120, 24, 0, 0}},
        {"Version", {120, 40, 0, 0}},     {"Web", {120, 64, 0, 0}},        {"WebLink", {160, 64, 0, 0}},
        {"Mail", {120, 80, 0, 0}},        {"Mail_adres", {168, 80, 0, 0}}, {"Image1", {168, 96, 48, 48}},
        {"OKButton", {128, 176, 90, 27}},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        QWidget* w = control<QWidget>(about, p.name);
        ASSERT_NE(w, nullptr);
        if (p.rect.width() > 0)
            EXPECT_EQ(w->geometry(), p.rect);
        else
            EXPECT_EQ(w->pos(), p.rect.topLeft());
        const bool inPanel = std::string_view(p.name) != "Panel1" && std::string_view(p.name) != "OKButton";
        EXPECT_EQ(w->parentWidget(),
                  inPanel ? static_cast<QWidget*>(control<BevelPanel>(about, "Panel1")) : about);
    }
}

TEST_F(AboutDialogTest, ColoursAndFonts) {
    EXPECT_EQ(about->palette().color(QPalette::Window), QColor(49, 106, 197));
    EXPECT_TRUE(about->autoFillBackground());
    EXPECT_EQ(control<BevelPanel>(about, "Panel1")->palette().color(QPalette::Window), QColor(Qt::white));
    for (QLabel* label : {control<QLabel>(about, "ProductName"), control<QLabel>(about, "Version"),
                          control<QLabel>(about, "Web"), control<QLabel>(about, "Mail")}) {
        EXPECT_TRUE(label->font().bold()) << label->objectName().toStdString();
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
    for (LinkLabel* link : {control<LinkLabel>(about, "WebLink"), control<LinkLabel>(about, "Mail_adres")}) {
        SCOPED_TRACE(link->objectName().toStdString());
        EXPECT_TRUE(link->font().bold());
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->fontColor(), QColor(Qt::blue));
        EXPECT_EQ(link->hoverColor(), QColor(Qt::white));
        EXPECT_EQ(link->hoverFontColor(), QColor(255, 128, 64));
        EXPECT_TRUE(link->linkActive());
    }
    EXPECT_EQ(control<LinkLabel>(about, "WebLink")->linkType(), LinkType::Web);
    EXPECT_EQ(control<LinkLabel>(about, "Mail_adres")->linkType(), LinkType::EMail);
}

TEST_F(AboutDialogTest, ThePicturesAreDrawnWithTheirBackgroundsClear) {
    for (PictureBox* picture : {control<PictureBox>(about, "Image2"), control<PictureBox>(about, "Image1")}) {
        SCOPED_TRACE(picture->objectName().toStdString());
        const QImage& image = picture->picture();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixelColor(0, image.height() - 1).alpha(), 0)
            << "the white background lets the panel through";
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += image.pixelColor(x, y).alpha() == 255 ? 1 : 0;
        EXPECT_GT(drawn, image.width() * image.height() / 10) << "the picture itself is there";
    }
    EXPECT_EQ(control<PictureBox>(about, "Image2")->picture().size(), QSize(120, 130));
    EXPECT_EQ(control<PictureBox>(about, "Image1")->picture().size(), QSize(48, 48));
}

TEST_F(AboutDialogTest, IsHiddenUntilTheInfoItemAndModeless) {
    EXPECT_FALSE(about->isVisible());
    showAbout();
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(AboutDialogTest, SpeaksDutchExactly) {
    showAbout();
    const Shown dutch{QStringLiteral("Info..."),
                      QStringLiteral("Product: Brontara"),
                      QStringLiteral("Versie:    1.0"),
                      QStringLiteral("Web:"),
                      kWebCaption,
                      QStringLiteral("E-Mail:"),
                      QStringLiteral("Stuur een E-mail"),
                      QStringLiteral("OK")};
    EXPECT_EQ(shown(), dutch);
}

TEST_F(AboutDialogTest, SpeaksAShippedLanguage) {
    const std::string source = BRONTARA_TEST_SOURCE_DIR;
    const std::filesystem::path shipped = std::filesystem::path(source) / "data/Dump/Languages/English.lng";
    if (!std::filesystem::exists(shipped)) GTEST_SKIP() << "English is not shipped (" << shipped << ")";
    const std::string file = tmp / "prog/Dump/Languages/English.lng";
    std::filesystem::copy_file(shipped, file);
    auto read = [&](const char* key) {
        return QString::fromStdString(platform::ini::readString(file, "About Dlg", key, ""));
    };
    form->language().apply("English");
    showAbout();
    const Shown english{read("Titel"),
                        read("product") + QStringLiteral(" Brontara"),
                        read("Versie") + QStringLiteral("  1.0"),
                        read("Web"),
                        kWebCaption,
                        read("Mail"),
                        read("mail_adres"),
                        read("button")};
    EXPECT_EQ(shown(), english);
    EXPECT_FALSE(read("Titel").isEmpty()) << "the shipped file has an about section";
}

TEST_F(AboutDialogTest, AMissingLanguageFileLeavesOnlyTheFixedParts) {
    form->language().apply("Verdwenen");
    showAbout();
    const Shown empty{QString(),
                      QStringLiteral(" Brontara"),
                      QStringLiteral("  1.0"),
                      QString(),
                      kWebCaption,
                      QString(),
                      QString(),
                      QString()};
    EXPECT_EQ(shown(), empty);
}

TEST_F(AboutDialogTest, CaptionsShowAsALanguageFileWritesThem) {
    writeLanguage("Marks",
                  "[About Dlg]\nTitel=Over [*]\nMail=E-&mail:\nWeb=R&&D:\nmail_adres=Schrijf &ons\n");
    form->language().apply("Marks");
    showAbout();
    ASSERT_NE(about->windowHandle(), nullptr);
    EXPECT_EQ(about->windowHandle()->title(), QStringLiteral("Over [*]")) << "the title shows as written";
    EXPECT_EQ(control<QLabel>(about, "Mail")->textFormat(), Qt::RichText);
    EXPECT_TRUE(control<QLabel>(about, "Mail")->text().contains(QStringLiteral("E-<u>m</u>ail:")))
        << "the access key is underlined";
    EXPECT_EQ(control<QLabel>(about, "Web")->text(), QStringLiteral("R&D:"));
    EXPECT_EQ(control<LinkLabel>(about, "Mail_adres")->caption(), QStringLiteral("Schrijf ons"));
}

TEST_F(AboutDialogTest, TextsAreSetEachTimeItBecomesVisibleNotWhileItIs) {
    writeLanguage("English", "[About Dlg]\nTitel=About...\nproduct=Product:\nbutton=Close\n");
    showAbout();
    form->language().apply("English");
    showAbout(); // already open: only brought to the front
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Info..."));
    QTest::mouseClick(control<QPushButton>(about, "OKButton"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(about->isVisible());
    showAbout();
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About..."));
    EXPECT_EQ(control<QPushButton>(about, "OKButton")->text(), QStringLiteral("Close"));
    EXPECT_EQ(control<LinkLabel>(about, "WebLink")->caption(), kWebCaption);
}

TEST_F(AboutDialogTest, OkAndTheCloseBoxOnlyHideIt) {
    showAbout();
    QTest::mouseClick(control<QPushButton>(about, "OKButton"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(about->isVisible());
    showAbout();
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->close());
    settle();
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(about->testAttribute(Qt::WA_DeleteOnClose));
}

TEST_F(AboutDialogTest, IsCentredTheFirstTimeThenStaysWhereItWasLeft) {
    // The main window is away from the centre: the dialog is centred on the screen, not on it.
    form->move(0, 0);
    form->show();
    settle();
    showAbout();
    const QPoint centre = about->screen()->availableGeometry().center();
    EXPECT_LE((about->frameGeometry().center() - centre).manhattanLength(), 2);
    about->move(40, 30);
    about->close();
    settle();
    showAbout();
    EXPECT_EQ(about->pos(), QPoint(40, 30));
}

TEST_F(AboutDialogTest, TheLinksOpenTheProjectsAddresses) {
    showAbout();
    QTest::mouseClick(control<LinkLabel>(about, "WebLink"), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(control<LinkLabel>(about, "Mail_adres"), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(platform.opened,
              (std::vector<std::string>{std::string(project_links::kWebAddress),
                                        "mailto:" + std::string(project_links::kMailAddress)}));
}

} // namespace
