#pragma once

#include "analysis/CChartSeries.h"
#include "analysis/WeightTrend.h"
#include "platform/FileTime.h"

#include <QString>

class CChartCtrl;
class CFoodDBDoc;

// The weight tracker's chart and fields: the planned weight from the start date to the target,
// the weights entered in the diary since the start date, and their continuation at the planned
// rate; all in the profile's display units, days counted from the start date.
class WeightTracker
{
public:
    struct Fields
    {
        QString currentWeight;
        QString targetWeight;
        QString endDate;
        QString trendEndDate; // empty when the trend is not moving towards the target
        QString unit;         // "kg" or "lbs"
    };

    explicit WeightTracker(CFoodDBDoc& doc) : m_doc(doc) {}

    // Builds the three series and the axes into the chart, and the weight trend over them; the
    // chart draws this object's series.
    void Build(CChartCtrl& chart);
    Fields CurrentFields();

    const CChartSeries& Planned() const { return m_planned; }
    const CChartSeries& Actual() const { return m_actual; }
    const CChartSeries& Estimated() const { return m_estimated; }
    const CChartSeries& Trend() const { return m_trend; }

private:
    bool HasPlan() const;
    void BuildTrend();
    // The profile's trend days up to today, read again only when the diary has changed.
    const std::vector<WeightTrend::Day>& TrendDays();

    CFoodDBDoc& m_doc;
    CChartSeries m_planned;
    CChartSeries m_actual;
    CChartSeries m_estimated;
    CChartSeries m_trend;
    std::vector<WeightTrend::Day> m_trendDays;
    qint64 m_trendChangeCount = -1;
    quint32 m_trendProfileId = 0;
    FileTime m_trendToday;
};
