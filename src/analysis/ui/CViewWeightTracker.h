#pragma once

#include "analysis/CChartCtrl.h"
#include "analysis/WeightTracker.h"
#include "app/ui/CFormView.h"

class CColorEdit;
class CTransparentStatic;
class ChartScrollBar;
class QScrollBar;

// The weight tracker: the plan, the weights entered, their continuation and their trend in a chart,
// with the current weight, the target, the estimated end date and the trend's end date under it.
class CViewWeightTracker : public CFormView
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 170;
    static constexpr int kTrendEndId = 1240;

    explicit CViewWeightTracker(AppServices& services, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnDocumentUpdate() override;
    bool OnCommand(int id) override;

    const CChartCtrl& Chart() const { return m_chart; }
    const WeightTracker& Tracker() const { return m_tracker; }
    QScrollBar* ScrollBar() const;
    CColorEdit* Field(int id) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RefreshFields();

    WeightTracker m_tracker;
    CChartCtrl m_chart;
    ChartScrollBar* m_scroll;
    CColorEdit* m_current;
    CColorEdit* m_target;
    CColorEdit* m_end;
    CColorEdit* m_trendEnd;
    CTransparentStatic* m_currentUnit;
    CTransparentStatic* m_targetUnit;
};
