#include "CBmiChartDlg.h"

#include "platform/ui/QtDrawSurface.h"

#include <QPainter>

CBmiChartDlg::CBmiChartDlg(double heightCm, double currentWeightKg, QWidget* parent)
    : QDialog(parent), m_chart(heightCm, currentWeightKg)
{
    setWindowTitle(tr("Body Mass Index"));
    setProperty("id", kTemplate);
    setFixedSize(240, 270);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void CBmiChartDlg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QtDrawSurface surface(p);
    m_chart.Paint(surface);
}

void CBmiChartDlg::mousePressEvent(QMouseEvent*)
{
    accept(); // it has no controls: a tap closes it
}
