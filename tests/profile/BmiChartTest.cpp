#include "profile/BmiChart.h"
#include "profile/Measures.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

TEST(BmiChart, ADeterminedChartForOneEightyCentimetres)
{
    SetMeasures(1); // metric
    BmiChart chart(180, 90);
    EXPECT_EQ(chart.IdealWeight(), 71);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(chart.WeightAt(i), -9 + 20 * i);
        EXPECT_EQ(chart.HeightAt(i), 100 + 20 * i);
    }
    RecordingSurface s;
    chart.Paint(s);
    const QStringList& calls = s.Calls();
    EXPECT_EQ(calls.first(), QStringLiteral("rect 25,15 205x147"));
    // Weight labels 11 to 111, three characters wide, then the unit; height labels 100 to 220, then "cm".
    EXPECT_TRUE(calls.contains(QStringLiteral("text 42,164 h13  11")));
    EXPECT_TRUE(calls.contains(QStringLiteral("text 187,164 h13 111")));
    EXPECT_TRUE(calls.contains(QStringLiteral("text 216,164 h13 kg")));
    EXPECT_TRUE(calls.contains(QStringLiteral("text 4,155 h13 100")));
    EXPECT_TRUE(calls.contains(QStringLiteral("text 4,29 h13 220")));
    EXPECT_TRUE(calls.contains(QStringLiteral("text 4,8 h13 cm")));
    // The BMI 15 band starts at 15 kg for 1.00 m.
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const QString& c) {
        return c.startsWith(QStringLiteral("outlined 59,162 "));
    }));
    EXPECT_TRUE(calls.contains(QStringLiteral("clip 26,16 203x145")));
    // Markers on the 180 cm row: the larger weight's label to the right, the smaller's to the left.
    EXPECT_TRUE(calls.contains(QStringLiteral("circle 141,78 r4")));
    EXPECT_TRUE(calls.contains(QStringLiteral("circle 168,78 r4")));
    EXPECT_TRUE(calls.contains(QStringLiteral("text 175,66 h13  90 kg")));
    EXPECT_TRUE(calls.contains(QStringLiteral("text 98,66 h13  71 kg")));
    // Markers come after the clip is reset: one far off the axis is still drawn.
    EXPECT_GT(calls.lastIndexOf(QStringLiteral("circle 168,78 r4")),
              calls.lastIndexOf(QStringLiteral("noclip")));
}

TEST(BmiChart, UsMeasuresUseTheirOwnSteps)
{
    SetMeasures(0);
    BmiChart chart(180, 70);
    EXPECT_EQ(chart.IdealWeight(), 157); // 71.28 kg in lbs
    EXPECT_EQ(chart.WeightAt(1) - chart.WeightAt(0), 40);
    EXPECT_EQ(chart.HeightAt(1) - chart.HeightAt(0), 10);
    RecordingSurface s;
    chart.Paint(s);
    EXPECT_TRUE(s.Calls().contains(QStringLiteral("text 4,8 h13 in")));
    SetMeasures(1);
}
