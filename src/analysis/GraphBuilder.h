#pragma once

#include "analysis/CChartSeries.h"
#include "platform/FileTime.h"

#include <QString>

#include <array>
#include <vector>

class CChartCtrl;
class CFoodDBDoc;
struct DayRecord;
struct ProfileRecord;

// What the graphs plot: up to two quantities of the open profile's diary, day by day over a
// period, each against its own axis with a dashed line at its goal.
class GraphBuilder
{
public:
    // One entry of the quantity lists; index 0 is "<None>".
    struct Quantity
    {
        QString text;
        int kind = 0;  // 0 none, 1 weight, 2..13 the day's figures, 14 a day parameter, kTrend
        int param = 0; // the parameter, for kind 14
    };
    static constexpr int kTrend = 15; // the weight trend

    enum Style
    {
        kLine = 0,
        kSmooth = 1,
        kBar = 2,
    };

    static std::vector<Quantity> Quantities(const ProfileRecord& profile);
    static QStringList StyleNames();
    // The style of series 0 or 1 as the profile's flags keep it, and the flags with a new one.
    static int StyleOf(quint32 flags, int series);
    static quint32 WithStyle(quint32 flags, int series, int style);

    explicit GraphBuilder(CFoodDBDoc& doc) : m_doc(doc) {}

    // Fills the chart for the period with the profile's choices; To before From is From.
    void Build(CChartCtrl& chart, FileTime from, FileTime to);
    // The same with the quantities (indexes of the list) and styles given, not the profile's.
    void Build(CChartCtrl& chart, FileTime from, FileTime to, std::array<int, 2> quantities,
               std::array<int, 2> styles);
    const CChartSeries& Series(int i) const { return m_series[i]; }

private:
    double Value(const Quantity& q, const DayRecord& day) const;
    double Goal(const Quantity& q) const;

    CFoodDBDoc& m_doc;
    CChartSeries m_series[2];
};
