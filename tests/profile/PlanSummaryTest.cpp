#include "profile/PlanSummary.h"
#include "profile/DateRules.h"
#include "profile/EnergyRules.h"
#include "storage/CProfileTable.h"
#include "support/TestStore.h"

namespace {

struct SummaryCase
{
    const char* name;
    double start;
    double target;
    int days; // target date after the start date
    quint32 flags;
    const char* startDate;
    const char* targetDate;
    const char* startWeight;
    const char* targetWeight;
    const char* label;
    const char* change;
    const char* sentence;
};

// A failing case is named by its name, not by its bytes.
void PrintTo(const SummaryCase& c, std::ostream* os)
{
    *os << c.name;
}

const char kFewer[] = "To accomplish your diet goal, you will need to eat 1000 fewer calories per day than "
                      "your body burns.";

const SummaryCase kCases[] = {
    {"loss", 88, 65, 161, CProfileTable::kMetric | CProfileTable::kDayMonthYear, "5-03-2004", "13-08-2004",
     " 88 kg", " 65 kg", "Weekly weight loss:", "1.0 kg", kFewer},
    {"monthFirst", 88, 65, 161, CProfileTable::kMetric, "03-05-2004", "08-13-2004", " 88 kg", " 65 kg",
     "Weekly weight loss:", "1.0 kg", kFewer},
    {"gain", 60, 63, 42, CProfileTable::kMetric | CProfileTable::kDayMonthYear, "5-03-2004", "16-04-2004",
     " 60 kg", " 63 kg", "Weekly weight gain:", "0.5 kg",
     "To accomplish your diet goal, you will need to eat 500 more calories per day than your body burns."},
    {"sameDay", 88, 65, 0, CProfileTable::kMetric | CProfileTable::kDayMonthYear, "5-03-2004", "5-03-2004",
     " 88 kg", " 65 kg", "Weekly weight loss:", "0.0 kg",
     "To accomplish your diet goal, you will need to eat   0 fewer calories per day than your body burns."},
    // 88 kg = 194.0 lbs, 1 kg a week = 2.2 lbs.
    {"pounds", 88, 65, 161, CProfileTable::kDayMonthYear, "5-03-2004", "13-08-2004", "194 lbs", "143 lbs",
     "Weekly weight loss:", "2.2 lbs", kFewer},
};

class PlanSummaryTest : public TestStore, public ::testing::WithParamInterface<SummaryCase>
{
};

TEST_P(PlanSummaryTest, WordsThePlan)
{
    const SummaryCase& c = GetParam();
    CProfileTable profiles(Store(), m_clock);
    const FileTime start = FileTime::FromDate(2004, 3, 5);
    ProfileRecord& p = profiles.Buffer();
    p = CProfileTable::Defaults(1, start);
    p.flags = c.flags;
    p.startWeight = c.start;
    p.targetWeight = c.target;
    // As the target page stores it from the chosen date.
    p.weeklyLoss = WeeklyLossFromTargetDate(c.start, c.target, start, AddDays(start, c.days));
    const PlanSummary s = PlanSummary::Of(profiles);
    EXPECT_EQ(s.startDate, c.startDate);
    EXPECT_EQ(s.targetDate, c.targetDate);
    EXPECT_EQ(s.startWeight, c.startWeight);
    EXPECT_EQ(s.targetWeight, c.targetWeight);
    EXPECT_EQ(s.changeLabel, c.label);
    EXPECT_EQ(s.change, c.change);
    EXPECT_EQ(s.sentence, c.sentence);
}

INSTANTIATE_TEST_SUITE_P(Plans, PlanSummaryTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
