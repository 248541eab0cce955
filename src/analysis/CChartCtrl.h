#pragma once

#include "platform/IDrawSurface.h"

#include <QString>

#include <vector>

class CChartSeries;

// An x/y chart of day numbers: a left value axis, an optional right one, a day axis with a
// scrollable window of visible days, grid, legend and up to sixteen series. It paints into a
// drawing surface; the owner shows a scroll bar under the chart and passes its codes on.
class CChartCtrl
{
public:
    static constexpr int kMaxSeries = 16;
    static constexpr int kScrollBarHeight = 15;
    static constexpr int kTextHeight = 11; // 8 points
    enum ScrollCode
    {
        kLineLeft = 0,
        kLineRight = 1,
        kPageLeft = 2,
        kPageRight = 3,
        kThumbPosition = 4,
        kThumbTrack = 5,
    };

    struct Axis
    {
        QString title;
        int min = 0;
        int max = 0;
        int step = 1;
    };

    void Create(int x, int y, int w, int h);
    void SetDayAxis(const QString& title, int min, int max, int step, int first, int visibleDays);
    void SetLeftAxis(const QString& title, int min, int max, int step);
    void SetRightAxis(const QString& title, int min, int max, int step);
    // False when sixteen series are held. The series must outlive the chart's drawing.
    bool AddSeries(const CChartSeries* series);
    // A line drawn over the series against the left axis, outside the legend's slots (they are
    // the series' own): its name goes at the top right, where a right axis would have its title,
    // so a chart with overlays has no right axis. Lines only.
    void AddOverlay(const CChartSeries* series);
    void SetColours(IDrawSurface::Color background, IDrawSurface::Color plot, IDrawSurface::Color text);

    void Draw(IDrawSurface& s) const;
    void Scroll(int code, int position);

    int FirstVisibleDay() const { return m_first; }
    int VisibleDays() const { return m_visible; }
    // The scroll bar: range (the day axis), position and step.
    int ScrollMin() const { return m_day.min; }
    int ScrollMax() const { return m_day.max; }
    int ScrollPosition() const { return m_scrollPos; }
    int ScrollStep() const { return m_day.step; }
    bool HasRightAxis() const { return !m_right.title.isEmpty(); }
    const Axis& LeftAxis() const { return m_left; }
    const Axis& RightAxis() const { return m_right; }
    int SeriesCount() const { return static_cast<int>(m_series.size()); }
    int OverlayCount() const { return static_cast<int>(m_overlays.size()); }
    int X() const { return m_x; }
    int Y() const { return m_y; }
    int Width() const { return m_w; }
    int Height() const { return m_h; }

    // Pixel column of a day and row of a value on the left (or right) axis.
    int DayToX(double day) const;
    int ValueToY(double value, bool rightAxis) const;

private:
    int PlotWidth() const { return HasRightAxis() ? m_w - 56 : m_w - 36; }
    int RightEdge() const { return HasRightAxis() ? m_x + m_w - 28 : m_x + m_w - 8; }
    void DrawValueAxis(IDrawSurface& s, const Axis& axis, bool right) const;
    void DrawSeries(IDrawSurface& s, const CChartSeries& series, bool rightAxis, int index) const;
    void DrawOverlayLegend(IDrawSurface& s) const;

    int m_x = 0;
    int m_y = 0;
    int m_w = 0;
    int m_h = 0;
    IDrawSurface::Color m_background{255, 255, 255};
    IDrawSurface::Color m_plot{255, 255, 255};
    IDrawSurface::Color m_text{0, 0, 0};
    Axis m_left;
    Axis m_right;
    Axis m_day;
    int m_first = 0;
    int m_visible = 1;
    int m_scrollPos = 0;
    std::vector<const CChartSeries*> m_series;
    std::vector<const CChartSeries*> m_overlays;
};
