#pragma once

#include "analysis/CChartSeries.h"
#include "analysis/ReportCalculator.h"
#include "diary/CFoodDBDoc.h"
#include "profile/DateRules.h"
#include "support/TestStore.h"

// A profile with goals, and day records written as the diary leaves them.
inline const FileTime kToday = FileTime::FromDate(2026, 12, 9);

class ReportFixture : public TestStore
{
protected:
    void SetUp() override
    {
        TestStore::SetUp();
        m_doc = std::make_unique<CFoodDBDoc>(Store(), m_clock);
        ASSERT_EQ(m_doc->NewProfile(), 1u);
        ProfileRecord& p = m_doc->Profile();
        p.name = QStringLiteral("Anna");
        p.startWeight = 80;
        p.height = 170;
        p.age = 40;
        p.Set(CProfileTable::kMetric, true);
        p.amountGoals = {50, 70, 20, 25, 15, 250, 0, 10};
        p.shareGoals = {10, 30, 10, 13, 7, 60, 10, 0};
        p.sodiumGoal = 2400;
        p.cholesterolGoal = 300;
        p.fiberGoal = 30;
        m_doc->SaveProfile();
        m_doc->ComputeDay(m_doc->Day().id);
    }

    // A day record with these figures, as the diary leaves it.
    void AddDay(FileTime date, double energy, double protein, std::array<double, 4> params = {},
                double weight = 0)
    {
        CDiaryTable days(Store(), m_clock);
        if (!days.FindDay(date, 1)) {
            days.NewRecord();
            days.Buffer().date = date;
            days.Buffer().profileId = 1;
        }
        days.Buffer().values[Nutrient::Energy] = energy;
        days.Buffer().values[Nutrient::Protein] = protein;
        days.Buffer().params = params;
        days.Buffer().weight = weight;
        days.Save();
    }

    std::vector<ReportCalculator::Row> Report(FileTime from, FileTime to, ReportCalculator::Type type)
    {
        return ReportCalculator(*m_doc).Rows(ReportCalculator::MakePeriod(from, to, kToday), type);
    }

    // A chart series' points as "day:value".
    static QStringList Points(const CChartSeries& s)
    {
        QStringList out;
        for (int i = 0; i < s.Count(); ++i)
            out << QStringLiteral("%1:%2").arg(s.X(i)).arg(s.Y(i));
        return out;
    }

    std::unique_ptr<CFoodDBDoc> m_doc;
};
