#pragma once

#include "platform/FileTime.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class CFoodDBDoc;

// What the diary screen shows of the displayed day, as texts: the five summary lines and one
// row per entry with the list's fifteen columns. The diary view and the command line share it.
namespace DiaryScreen {

constexpr int kColumns = 15;
constexpr int kSummaryLines = 5;

enum class RowIcon
{
    Meal = 0,
    Exercise = 1,
    Companion = 2,
};

struct SummaryLine
{
    QString label;
    QString first;
    QString firstUnit;
    QString second;
    QString secondUnit;
    bool showFirst = false;
    bool showSecond = false;
};

struct Row
{
    quint32 entryId = 0; // 0 for the companion's row
    RowIcon icon = RowIcon::Meal;
    std::array<QString, kColumns> cells;
};

QStringList ColumnHeaders();
// The line for a summary selection (0..15) from the document's figures of the day.
SummaryLine Summary(int code, const CFoodDBDoc& doc);
std::array<SummaryLine, kSummaryLines> SummaryLines(const CFoodDBDoc& doc);
// "08:05": the hour and minute of an entry.
QString TimeText(FileTime t);
// The amount of a meal: "  1.50 x slice", or without a serving-size name "  1.50 x   40.0 g".
QString AmountText(double servings, double grams, const QString& servingName);
// The rows of a day: the companion's row first when the profile uses its exercises, then the
// entries in the order the meals table gives them.
std::vector<Row> Rows(CFoodDBDoc& doc, quint32 dayId);
// The list's order: by the time column, latest first; equal times keep their order.
void SortRows(std::vector<Row>& rows);

} // namespace DiaryScreen
