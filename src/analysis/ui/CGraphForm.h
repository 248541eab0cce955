#pragma once

#include "analysis/CChartCtrl.h"
#include "analysis/GraphBuilder.h"
#include "app/ui/CFormView.h"

#include <memory>

class QComboBox;
class QDateEdit;
class ChartScrollBar;
class QScrollBar;

// Graphs: up to two quantities of the diary over a period, each with its axis, style and goal.
class CGraphForm : public CFormView
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 252;
    static constexpr int kChartTop = 24;
    static constexpr int kComboHeight = 20;

    explicit CGraphForm(AppServices& services, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnDocumentUpdate() override;
    bool OnCommand(int id) override;

    const CChartCtrl& Chart() const { return *m_chart; }
    const GraphBuilder& Graph() const { return m_graph; }
    QComboBox* Quantity(int series) const { return m_quantity[series]; }
    QComboBox* Style(int series) const { return m_style[series]; }
    QDateEdit* FromPicker() const { return m_from; }
    QDateEdit* ToPicker() const { return m_to; }
    QScrollBar* ScrollBar() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Rebuild();
    int ChartHeight() const;

    GraphBuilder m_graph;
    std::unique_ptr<CChartCtrl> m_chart;
    QDateEdit* m_from;
    QDateEdit* m_to;
    ChartScrollBar* m_scroll;
    QComboBox* m_quantity[2];
    QComboBox* m_style[2];
    bool m_initialised = false;
};
