#pragma once

#include "platform/FileTime.h"

#include <QStringList>

#include <array>
#include <vector>

class CFoodDBDoc;

// The reports of a period of the open profile's diary: daily averages or totals of energy and
// nutrients beside the requirements, or daily averages of the day parameters beside their goals.
// It reads the diary with tables of its own, so the document's day stays as it is.
class ReportCalculator
{
public:
    enum class Type
    {
        DailyAverage = 0,
        Totals = 1,
        ParameterAverage = 2,
    };

    struct Period
    {
        FileTime from;
        FileTime to;
        int days = 1;
        bool todayOnly = false;
    };

    struct Row
    {
        QString text;
        QStringList cells; // Actual, Req'd, and for the nutrient reports Actual%, Req'd%
    };

    // The thirteen sums of the period in report order: intake, expenditure, protein, fat,
    // saturates, monounsaturates, polyunsaturates, carbohydrate, sugar, alcohol, cholesterol,
    // fiber, sodium; and of each day parameter the sum and the days it was above 0.
    struct Sums
    {
        std::array<double, 13> amounts{};
        std::array<double, 4> params{};
        std::array<int, 4> paramDays{};
    };

    static QStringList TypeNames();
    // A To before From becomes From; the period counts its first and last day.
    static Period MakePeriod(FileTime from, FileTime to, FileTime today);
    static QStringList Columns(Type type);
    // Widths for a list whose client area is w pixels wide.
    static std::vector<int> ColumnWidths(Type type, int w);

    explicit ReportCalculator(CFoodDBDoc& doc) : m_doc(doc) {}

    Sums Accumulate(const Period& period);
    // The rows; the calorie allowance and the share of the day due by now are the document's
    // figures of its last computed day.
    std::vector<Row> Rows(const Period& period, Type type);

private:
    CFoodDBDoc& m_doc;
};
