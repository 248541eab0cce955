#pragma once

#include "platform/IDrawSurface.h"

#include <QString>

#include <array>

// One data series of a chart: up to 256 points of (day, value), drawn as a line, a smoothed
// curve or bars, with an optional dashed reference line.
class CChartSeries
{
public:
    static constexpr int kMaxPoints = 256;
    enum Style
    {
        kLine = 0,
        kSmoothed = 1,
        kBars = 2,
    };

    void SetSeries(const QString& name, int penStyle, int penWidth, IDrawSurface::Color colour, bool markers,
                   int style);
    // False when the series is full.
    bool AddPoint(double x, double y);
    void SetReference(double value);

    const QString& Name() const { return m_name; }
    int Style() const { return m_style; }
    int PenStyle() const { return m_penStyle; }
    int PenWidth() const { return m_penWidth; }
    IDrawSurface::Color Colour() const { return m_colour; }
    bool Markers() const { return m_markers; }
    bool HasReference() const { return m_hasReference; }
    double Reference() const { return m_reference; }
    int Count() const { return m_count; }
    double X(int i) const { return m_x[static_cast<size_t>(i)]; }
    double Y(int i) const { return m_y[static_cast<size_t>(i)]; }

private:
    QString m_name;
    int m_style = kLine;
    int m_penStyle = 0;
    int m_penWidth = 1;
    IDrawSurface::Color m_colour{255, 255, 255};
    bool m_markers = true;
    bool m_hasReference = false;
    double m_reference = 0.0;
    int m_count = 0;
    std::array<double, kMaxPoints> m_x{};
    std::array<double, kMaxPoints> m_y{};
};
