// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures are rendered from their SVG drawings when it is built
// and embedded at two sizes; these tests check what the windows get.
#include "gui/widgets/Pictures.h"

#include <QColor>
#include <QSize>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Picture {
    const char* name;
    QSize designSize;
};

const Picture kPictures[] = {
    {"background", {256, 256}}, // the main window's route panel
    {"emblem", {120, 130}},     // the about dialog's product emblem
    {"cloud", {48, 48}},        // the about dialog's small storm picture
    {"link_cursor", {32, 32}},  // the pointer over a link
    {"icon", {256, 256}},       // the program icon
};

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).alpha() == 255 ? 1 : 0;
    return count;
}

class ProgramPictures : public ::testing::TestWithParam<Picture> {};

TEST_P(ProgramPictures, AtOnePixelPerPointThePictureHasItsDesignSize) {
    const QImage image = programPicture(QString::fromLatin1(GetParam().name), 1.0);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), GetParam().designSize);
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
    EXPECT_GT(opaquePixels(image), image.width() * image.height() / 20) << "something is drawn";
}

TEST_P(ProgramPictures, OnDenserScreensTheDoubleRenderingKeepsTheDesignSize) {
    for (const qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        const QImage image = programPicture(QString::fromLatin1(GetParam().name), ratio);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), GetParam().designSize * 2);
        EXPECT_EQ(image.devicePixelRatio(), 2.0);
        EXPECT_EQ(image.deviceIndependentSize().toSize(), GetParam().designSize);
    }
}

// Rendered twice from one drawing, the two sizes show the same picture: the
// double one, halved, differs from the single one only at the edges of shapes.
TEST_P(ProgramPictures, BothRenderingsShowTheSameDrawing) {
    const QString name = QString::fromLatin1(GetParam().name);
    const QImage single = programPicture(name, 1.0).convertToFormat(QImage::Format_ARGB32);
    const QImage halved = programPicture(name, 2.0)
                              .scaled(GetParam().designSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(single.size(), halved.size());
    long long difference = 0;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x) {
            const QColor a = single.pixelColor(x, y), b = halved.pixelColor(x, y);
            difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue()) + std::abs(a.alpha() - b.alpha());
        }
    const double perChannel = double(difference) / (single.width() * single.height() * 4);
    EXPECT_LT(perChannel, 12.0);
}

INSTANTIATE_TEST_SUITE_P(All, ProgramPictures, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramPicturesMissing, AnUnknownNameGivesNoPicture) {
    EXPECT_TRUE(programPicture(QStringLiteral("no_such_picture"), 1.0).isNull());
    EXPECT_TRUE(programPicture(QStringLiteral("no_such_picture"), 2.0).isNull());
}

} // namespace
