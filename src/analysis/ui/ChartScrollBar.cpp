#include "ChartScrollBar.h"

#include "analysis/CChartCtrl.h"

ChartScrollBar::ChartScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    connect(this, &QScrollBar::actionTriggered, this, [this](int action) {
        if (!m_chart)
            return;
        int code = -1;
        if (action == SliderSingleStepSub || action == SliderPageStepSub)
            code = CChartCtrl::kLineLeft;
        else if (action == SliderSingleStepAdd || action == SliderPageStepAdd)
            code = CChartCtrl::kLineRight;
        else if (action == SliderMove)
            code = CChartCtrl::kThumbTrack;
        if (code < 0)
            return;
        m_chart->Scroll(code, sliderPosition());
        {
            const QSignalBlocker block(this);
            setSliderPosition(m_chart->ScrollPosition());
        }
        // Outside the blocker, or the owner never hears it and the chart stays as it was.
        emit scrolled();
    });
}

void ChartScrollBar::Attach(CChartCtrl* chart)
{
    m_chart = chart;
    const QSignalBlocker block(this);
    setRange(chart->ScrollMin(), chart->ScrollMax());
    setSingleStep(chart->ScrollStep());
    setPageStep(chart->ScrollStep());
    setValue(chart->ScrollPosition());
}
