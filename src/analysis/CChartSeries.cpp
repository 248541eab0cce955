#include "CChartSeries.h"

void CChartSeries::SetSeries(const QString& name, int penStyle, int penWidth, IDrawSurface::Color colour,
                             bool markers, int style)
{
    m_name = name;
    m_penStyle = penStyle;
    m_penWidth = penWidth;
    m_colour = colour;
    m_markers = markers;
    m_style = style;
    m_count = 0;
    m_hasReference = false;
}

bool CChartSeries::AddPoint(double x, double y)
{
    if (m_count >= kMaxPoints)
        return false;
    m_x[static_cast<size_t>(m_count)] = x;
    m_y[static_cast<size_t>(m_count)] = y;
    ++m_count;
    return true;
}

void CChartSeries::SetReference(double value)
{
    m_reference = value;
    m_hasReference = true;
}
