// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

// The picture reaches the About window only through the resource system; a resource object that
// the linker dropped would leave the window's image silently empty.
TEST(AboutPicture, LoadsFromItsResourcePathAtTheImageControlsSize) {
    const QImage picture(QStringLiteral(":/about/floatplane.png"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), 281);
    EXPECT_EQ(picture.height(), 173);
}

TEST(AboutPicture, IsNotAFlatFill) {
    const QImage picture(QStringLiteral(":/about/floatplane.png"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_NE(picture.pixel(10, 10), picture.pixel(140, 160));
    EXPECT_NE(picture.pixel(206, 95), picture.pixel(10, 10));
}
