#pragma once

#include "profile/BmiChart.h"

#include <QDialog>

// The body-mass-index chart for a height and a current weight; changes nothing.
class CBmiChartDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 279;

    CBmiChartDlg(double heightCm, double currentWeightKg, QWidget* parent = nullptr);
    const BmiChart& Chart() const { return m_chart; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    BmiChart m_chart;
};
