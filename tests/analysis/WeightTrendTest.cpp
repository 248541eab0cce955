#include "analysis/WeightTrend.h"
#include "ReportFixture.h"

namespace {

using WeightTrendTest = ReportFixture;

} // namespace

TEST_F(WeightTrendTest, ATenthOfTheWayEachDayCarriedOverGaps)
{
    const FileTime first = AddDays(kToday, -5);
    AddDay(AddDays(first, -2), 2000, 50); // a day before the first weight: no weight, no trend
    AddDay(first, 0, 0, {}, 80);
    AddDay(AddDays(first, 1), 0, 0, {}, 81);
    AddDay(AddDays(first, 2), 1800, 40);      // a record without a weight
    AddDay(AddDays(first, 4), 0, 0, {}, 0.2); // no weight either
    AddDay(AddDays(first, 5), 0, 0, {}, 78.9);
    const auto days = WeightTrend(Store(), m_clock).Compute(1, kToday);
    const struct
    {
        double weight;
        double trend;
    } expected[] = {{80, 80}, {81, 80.1}, {0, 80.1}, {0, 80.1}, {0, 80.1}, {78.9, 79.98}};
    ASSERT_EQ(days.size(), std::size(expected));
    for (size_t i = 0; i < days.size(); ++i) {
        EXPECT_EQ(days[i].date, AddDays(first, static_cast<qint64>(i)));
        EXPECT_EQ(days[i].weight, expected[i].weight) << i;
        EXPECT_NEAR(days[i].trend, expected[i].trend, 1e-9) << i;
    }
    // Up to an earlier day, and before any weight.
    EXPECT_EQ(WeightTrend(Store(), m_clock).Compute(1, AddDays(first, 1)).size(), 2u);
    EXPECT_TRUE(WeightTrend(Store(), m_clock).Compute(1, AddDays(first, -1)).empty());
    EXPECT_TRUE(WeightTrend(Store(), m_clock).Compute(2, kToday).empty()) << "another profile's weights";
}

TEST_F(WeightTrendTest, TheEndDateFollowsTheRateOfTheLastTwoWeeks)
{
    // A straight trend: 90 kg and a fixed fall per day (a loss of 0.1 kg a day from 20 days ago).
    const auto line = [](double perDay) {
        std::vector<WeightTrend::Day> days;
        for (int i = 0; i <= 20; ++i)
            days.push_back({AddDays(kToday, i - 20), 0, 90 + perDay * (i - 20)});
        return days;
    };
    const struct
    {
        const char* name;
        double perDay;
        double target;
        std::optional<FileTime> end;
    } cases[] = {
        {"towards a lower target", -0.1, 85, AddDays(kToday, 50)},
        {"towards a higher target", 0.25, 95, AddDays(kToday, 20)},
        {"away from it", 0.1, 85, std::nullopt},
        {"flat", 0, 85, std::nullopt},
        {"there already", -0.1, 90, kToday},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WeightTrend::EndDate(line(c.perDay), kToday, c.target), c.end) << c.name;
    // Under two weeks of trend: the rate since it began; a trend begun today has none.
    std::vector<WeightTrend::Day> young = line(-0.5);
    young.erase(young.begin(), young.end() - 5);
    EXPECT_EQ(WeightTrend::EndDate(young, kToday, 85), AddDays(kToday, 10));
    EXPECT_EQ(WeightTrend::EndDate({young.back()}, kToday, 85), std::nullopt);
    EXPECT_EQ(WeightTrend::EndDate({}, kToday, 85), std::nullopt);
}
