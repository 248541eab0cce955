#pragma once

#include "analysis/CChartCtrl.h"
#include "support/RecordingSurface.h"

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QWidget>

// Draws a chart into a recording each time its view paints it whole, so a test sees what the last paint
// showed.
class ChartPaintRecorder : public QObject
{
public:
    ChartPaintRecorder(QWidget* view, const CChartCtrl& chart) : m_chart(chart)
    {
        view->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        // A paint that leaves out the chart (the scroll bar's own) does not show it.
        if (event->type() == QEvent::Paint &&
            static_cast<QPaintEvent*>(event)->region().contains(
                QRect(m_chart.X(), m_chart.Y(), m_chart.Width(), m_chart.Height()))) {
            m_last = RecordingSurface();
            m_chart.Draw(m_last);
        }
        return false;
    }
    // The numbers under the day axis as last painted: the lowest row of numeric labels.
    QStringList DayLabels() const
    {
        static const QRegularExpression label(QStringLiteral("^textbox \\d+,(\\d+) \\S+ h\\d+ \\w+ (\\d+)$"));
        int lowest = -1;
        QStringList days;
        for (const QString& call : m_last.Calls()) {
            const QRegularExpressionMatch m = label.match(call);
            if (!m.hasMatch())
                continue;
            const int y = m.captured(1).toInt();
            if (y > lowest) {
                lowest = y;
                days.clear();
            }
            if (y == lowest)
                days << m.captured(2);
        }
        return days;
    }
    // Every call of the last paint that starts with prefix ("rect", "line", ...).
    QStringList Drawn(const QString& prefix) const { return m_last.Matching(prefix); }

private:
    const CChartCtrl& m_chart;
    RecordingSurface m_last;
};
