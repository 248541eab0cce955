#include "app/ProductPicture.h"
#include "support/RecordingSurface.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(ProductPicture, StartViewIsThePictureBetweenTwoLines)
{
    RecordingSurface s;
    ProductPicture::PaintStartView(s);
    EXPECT_EQ(s.Matching(QStringLiteral("line 0,")),
              (QStringList{QStringLiteral("line 0,0 240,0"), QStringLiteral("line 0,180 240,180")}));
    // The lines come last, over the picture; nothing reaches past 240 x 280.
    EXPECT_EQ(s.Calls().last(), QStringLiteral("line 0,180 240,180"));
    const QRegularExpression rect(QStringLiteral("^rect (\\d+),(\\d+) (\\d+)x(\\d+)$"));
    for (const QString& c : s.Matching(QStringLiteral("rect"))) {
        const auto m = rect.match(c);
        ASSERT_TRUE(m.hasMatch()) << c.toStdString();
        EXPECT_LE(m.captured(1).toInt() + m.captured(3).toInt(), 240) << c.toStdString();
        EXPECT_LE(m.captured(2).toInt() + m.captured(4).toInt(), 280) << c.toStdString();
    }
}

TEST(ProductPicture, ACutPictureStopsAtItsHeight)
{
    RecordingSurface s;
    ProductPicture::Draw(s, 100, false);
    EXPECT_TRUE(s.Matching(QStringLiteral("text")).isEmpty());
    EXPECT_EQ(s.Calls().first(), QStringLiteral("clip 0,0 240x100"));
    EXPECT_EQ(s.Calls().last(), QStringLiteral("noclip"));
}
