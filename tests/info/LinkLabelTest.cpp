// SPDX-License-Identifier: GPL-3.0-or-later
// The link label: hover state, pointer, drawing, size and click.
#include "gui/widgets/LinkLabel.h"
#include "core/program/ErrorGuard.h"
#include "gui/widgets/LinkCursor.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

const QColor kOrange(255, 128, 64);
const QColor kParent(200, 0, 0);

class LinkLabelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        parent.setAutoFillBackground(true);
        QPalette p = parent.palette();
        p.setColor(QPalette::Window, kParent);
        parent.setPalette(p);
        parent.resize(200, 60);
        label = new LinkLabel(platform, guard, &parent);
        label->move(10, 10);
        QFont f = label->font();
        f.setBold(true);
        f.setPointSize(12);
        label->setFont(f);
        label->setFontColor(Qt::blue);
        label->setHoverColor(Qt::white);
        label->setHoverFontColor(kOrange);
        label->setShowShadow(true);
        label->setTransparent(true);
        label->setAutoSize(true);
        label->setLinkType(LinkType::EMail);
        label->setLinkedAddress("info@brontara.example");
        label->setCaption(QStringLiteral("MMMM link"));
        parent.show();
    }
    void enter() {
        QEnterEvent e(QPointF(2, 2), QPointF(12, 12), QPointF(12, 12));
        QApplication::sendEvent(label, &e);
    }
    void leave() {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(label, &e);
    }
    static bool hasColour(const QImage& image, const QColor& colour) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) return true;
        return false;
    }
    QImage drawn() const { return label->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    testing_support::ScriptedPlatform platform;
    ErrorGuard guard{platform};
    QWidget parent;
    LinkLabel* label = nullptr;
};

TEST_F(LinkLabelTest, EnteringShowsTheHandPointerAndLeavingPutsBackTheOneBefore) {
    label->setCursor(Qt::IBeamCursor);
    enter();
    EXPECT_TRUE(label->isHovered());
    EXPECT_EQ(label->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(label->cursor().hotSpot(), QPoint(11, 1));
    EXPECT_EQ(label->cursor().pixmap().size(), QSize(32, 32));
    leave();
    EXPECT_FALSE(label->isHovered());
    EXPECT_EQ(label->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(LinkLabelTest, AnInheritedPointerStaysInheritedAfterLeaving) {
    parent.setCursor(Qt::CrossCursor);
    enter();
    EXPECT_EQ(label->cursor().shape(), Qt::BitmapCursor);
    leave();
    EXPECT_FALSE(label->testAttribute(Qt::WA_SetCursor));
    parent.setCursor(Qt::WaitCursor);
    EXPECT_EQ(label->cursor().shape(), Qt::WaitCursor) << "follows the parent again";
}

TEST_F(LinkLabelTest, LeavingWithoutHavingEnteredChangesNoPointer) {
    label->setCursor(Qt::IBeamCursor);
    leave();
    EXPECT_EQ(label->cursor().shape(), Qt::IBeamCursor);
    EXPECT_FALSE(label->isHovered());
}

struct InertCase {
    const char* name;
    bool active;
    bool enabled;
};

void PrintTo(const InertCase& c, std::ostream* os) {
    *os << c.name;
}

class InertLink : public LinkLabelTest, public ::testing::WithParamInterface<InertCase> {};

TEST_P(InertLink, NeitherHoversNorOpens) {
    label->setLinkActive(GetParam().active);
    label->setEnabled(GetParam().enabled);
    label->setCursor(Qt::IBeamCursor);
    enter();
    EXPECT_FALSE(label->isHovered());
    EXPECT_EQ(label->cursor().shape(), Qt::IBeamCursor);
    label->click();
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(platform.opened.empty());
}

INSTANTIATE_TEST_SUITE_P(States, InertLink,
                         ::testing::Values(InertCase{"Inactive", false, true},
                                           InertCase{"Disabled", true, false},
                                           InertCase{"Both", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkLabelTest, DisablingUnderThePointerEndsTheHover) {
    label->setCursor(Qt::IBeamCursor);
    enter();
    ASSERT_TRUE(label->isHovered());
    label->setEnabled(false);
    EXPECT_FALSE(label->isHovered());
    EXPECT_EQ(label->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(LinkLabelTest, DrawsTransparentAndBlueThenWhiteAndOrangeWhenHovered) {
    QImage normal = drawn();
    EXPECT_EQ(normal.pixelColor(normal.width() - 1, 0), kParent) << "no fill in the normal state";
    EXPECT_TRUE(hasColour(normal, QColor(Qt::blue)));
    EXPECT_FALSE(hasColour(normal, kOrange));

    enter();
    QImage hovered = drawn();
    EXPECT_EQ(hovered.pixelColor(hovered.width() - 1, 0), QColor(Qt::white));
    EXPECT_TRUE(hasColour(hovered, kOrange));
    EXPECT_FALSE(hasColour(hovered, QColor(Qt::blue)));

    leave();
    EXPECT_EQ(drawn(), normal);
}

TEST_F(LinkLabelTest, TheShadowLiesOnePixelDownRightInTheShadowColour) {
    const QColor shadow = label->palette().color(QPalette::Dark);
    auto distance = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    };
    const QImage with = drawn();
    label->setShowShadow(false);
    const QImage without = drawn();
    int shadowed = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y)) continue;
            EXPECT_TRUE(x > 0 && y > 0) << "the shadow never reaches the top row or left column";
            if (distance(with.pixelColor(x, y), shadow) < distance(without.pixelColor(x, y), shadow))
                ++shadowed;
        }
    }
    EXPECT_GT(shadowed, 10) << "the shadow colour shows beside the text";
}

TEST_F(LinkLabelTest, AnOpaqueLabelFillsWithItsColour) {
    label->setTransparent(false);
    label->setColor(Qt::yellow);
    QImage normal = drawn();
    EXPECT_EQ(normal.pixelColor(normal.width() - 1, 0), QColor(Qt::yellow));
}

TEST_F(LinkLabelTest, AutoSizeIsTheCaptionPlusOnePixelForTheShadow) {
    auto expected = [&] {
        const QFontMetrics fm(label->font());
        return QSize(fm.horizontalAdvance(label->caption()) + 1, fm.height() + 1);
    };
    EXPECT_EQ(label->size(), expected());
    label->setCaption(QStringLiteral("a much longer caption than before"));
    EXPECT_EQ(label->size(), expected());
    QFont f = label->font();
    f.setPointSize(20);
    label->setFont(f);
    EXPECT_EQ(label->size(), expected());
    label->setAutoSize(false);
    label->setCaption(QStringLiteral("x"));
    EXPECT_NE(label->size(), expected()) << "without auto size the size stays";
}

struct ClickCase {
    const char* name;
    LinkType type;
    const char* address;
    const char* opens; // nullptr: nothing
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

class LinkClick : public LinkLabelTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(LinkClick, OpensTheTargetThroughTheShell) {
    label->setLinkType(GetParam().type);
    label->setLinkedAddress(GetParam().address);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    if (GetParam().opens)
        EXPECT_EQ(platform.opened, std::vector<std::string>{GetParam().opens});
    else
        EXPECT_TRUE(platform.opened.empty());
}

INSTANTIATE_TEST_SUITE_P(Targets, LinkClick,
                         ::testing::Values(ClickCase{"Mail", LinkType::EMail, "info@brontara.example",
                                                     "mailto:info@brontara.example"},
                                           ClickCase{"Web", LinkType::Web, "https://www.brontara.example/",
                                                     "https://www.brontara.example/"},
                                           ClickCase{"NoMailAddress", LinkType::EMail, "", nullptr},
                                           ClickCase{"NoWebAddress", LinkType::Web, "", nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkLabelTest, OnlyALeftClickOnTheLabelOpens) {
    QTest::mouseClick(label, Qt::RightButton, {}, QPoint(3, 3));
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() + 20, 3)); // let go outside
    EXPECT_TRUE(platform.opened.empty());
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(platform.opened.size(), 1u);
}

TEST(LinkCursor, IsAvailableUnderItsNameOnceALabelExists) {
    testing_support::ScriptedPlatform platform;
    ErrorGuard guard{platform};
    LinkLabel label(platform, guard, nullptr);
    const QCursor cursor = namedCursor("CRSRLINKPOINT");
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(11, 1));
    EXPECT_EQ(namedCursor("NOSUCHCURSOR").shape(), Qt::ArrowCursor);
}

TEST(LinkCursor, TheHotSpotIsTheFingertipOfThePicture) {
    testing_support::ScriptedPlatform platform;
    ErrorGuard guard{platform};
    LinkLabel label(platform, guard, nullptr);
    const QImage image = namedCursor(kLinkCursorName).pixmap().toImage();
    const QPoint hot = kLinkCursorHotSpot;
    EXPECT_GT(image.pixelColor(hot).alpha(), 0) << "the hot spot lies on the finger";
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < hot.y(); ++y)
            EXPECT_EQ(image.pixelColor(x, y).alpha(), 0) << "nothing is drawn above the fingertip";
}

TEST(LinkCursor, TheHotSpotMatchesTheOneTheDrawingNames) {
    const std::string source = BRONTARA_TEST_SOURCE_DIR;
    std::ifstream in(source + "/assets/link_cursor.svg");
    ASSERT_TRUE(in) << "assets/link_cursor.svg";
    std::stringstream svg;
    svg << in.rdbuf();
    const auto match = QRegularExpression(QStringLiteral(R"(Hot spot:\s*x\s*=\s*(\d+),\s*y\s*=\s*(\d+))"))
                           .match(QString::fromStdString(svg.str()));
    ASSERT_TRUE(match.hasMatch()) << "the drawing names its hot spot";
    EXPECT_EQ(QPoint(match.captured(1).toInt(), match.captured(2).toInt()), kLinkCursorHotSpot);
}

} // namespace
