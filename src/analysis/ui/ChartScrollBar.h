#pragma once

#include <QScrollBar>

class CChartCtrl;

// The scroll bar under a chart: its range, position and step follow the chart's day axis, and its
// arrows and thumb scroll the chart.
class ChartScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ChartScrollBar(QWidget* parent = nullptr);
    // Takes the chart's range and position; the chart must outlive the next Attach.
    void Attach(CChartCtrl* chart);

signals:
    void scrolled();

private:
    CChartCtrl* m_chart = nullptr;
};
