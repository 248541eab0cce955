#pragma once

#include "analysis/ReportCalculator.h"

#include <QString>

class CFoodDBDoc;
class IPages;

// The report of a period to print or mail: the profile and the period, the daily averages beside
// the requirements, the sources of energy, the weight chart of the period, then a page for each
// day with entries: its meals and exercises and the day's totals. It reads the diary with tables
// of its own, so the document's day stays as it is.
class PrintableReport
{
public:
    static constexpr int kMargin = 48;

    explicit PrintableReport(CFoodDBDoc& doc) : m_doc(doc) {}

    // "Vellamo report 12-01-2026 to 12-31-2026.pdf", in the profile's date format.
    static QString DefaultFileName(const CFoodDBDoc& doc, const ReportCalculator::Period& period);

    // Draws the report; returns the number of pages.
    int Draw(const ReportCalculator::Period& period, IPages& pages);

private:
    CFoodDBDoc& m_doc;
};
