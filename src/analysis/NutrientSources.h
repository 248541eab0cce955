#pragma once

#include "platform/FileTime.h"
#include "storage/NutrientValues.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class Clock;
class RecordStore;

// Which foods of a period gave a nutrient: every meal of the profile's days, each food counted
// as it was eaten (a composite food as itself, not split into its components), ranked by the
// amount it gave. A food no longer in the database gives nothing, as in the day's totals.
class NutrientSources
{
public:
    static constexpr int kMaxRows = 50;

    struct Source
    {
        quint32 foodId = 0; // 0 for the row that sums the rest
        QString name;
        double amount = 0.0; // in the nutrient's unit
        double share = 0.0;  // % of the period's total
        int times = 0;       // entries of the food in the period
    };

    struct Result
    {
        std::vector<Source> rows; // at most kMaxRows foods, then "Other foods" when more gave some
        double total = 0.0;
    };

    // The nutrients of the command line, in its order, and their names there ("energy", ...).
    static const std::vector<Nutrient>& Nutrients();
    static QString Name(Nutrient n);
    static std::optional<Nutrient> FromName(const QString& name);
    // The unit of the amounts: "kcal", "g" or "mg".
    static QString Unit(Nutrient n);
    // The Reports screen's choices after its own: energy and each nutrient of the diary's summary.
    static const std::vector<Nutrient>& ReportNutrients();
    static QString ReportName(Nutrient n); // "Sources of sodium"
    // Food, the amount under its unit ("mg"), Share%, Times.
    static QStringList Columns(Nutrient n);
    // Widths for a list whose client area is w pixels wide: the food, then the three figures.
    static std::vector<int> ColumnWidths(int w);
    // Food, amount, share and times as the Reports screen writes them.
    static QStringList Cells(const Source& s);

    NutrientSources(RecordStore& store, const Clock& clock) : m_store(store), m_clock(clock) {}

    Result Compute(quint32 profileId, FileTime from, int days, Nutrient n);

private:
    RecordStore& m_store;
    const Clock& m_clock;
};
