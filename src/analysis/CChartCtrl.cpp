#include "CChartCtrl.h"

#include "analysis/CChartSeries.h"

#include <algorithm>
#include <cmath>

namespace {
const IDrawSurface::Color kGrey{128, 128, 128};
}

void CChartCtrl::Create(int x, int y, int w, int h)
{
    m_x = x;
    m_y = y;
    m_w = w;
    m_h = h;
}

void CChartCtrl::SetDayAxis(const QString& title, int min, int max, int step, int first, int visibleDays)
{
    m_day = {title, min, max, std::max(1, step)};
    m_first = first;
    m_visible = std::max(1, visibleDays);
    m_scrollPos = first;
}

void CChartCtrl::SetLeftAxis(const QString& title, int min, int max, int step)
{
    m_left = {title, min, max, std::max(1, step)};
}

void CChartCtrl::SetRightAxis(const QString& title, int min, int max, int step)
{
    m_right = {title, min, max, std::max(1, step)};
}

void CChartCtrl::AddOverlay(const CChartSeries* series)
{
    m_overlays.push_back(series);
}

bool CChartCtrl::AddSeries(const CChartSeries* series)
{
    if (static_cast<int>(m_series.size()) >= kMaxSeries)
        return false;
    m_series.push_back(series);
    return true;
}

void CChartCtrl::SetColours(IDrawSurface::Color background, IDrawSurface::Color plot,
                            IDrawSurface::Color text)
{
    m_background = background;
    m_plot = plot;
    m_text = text;
}

int CChartCtrl::DayToX(double day) const
{
    const int perDay = PlotWidth() / m_visible;
    return m_x + 28 + static_cast<int>((day - m_first) * perDay);
}

int CChartCtrl::ValueToY(double value, bool rightAxis) const
{
    const Axis& a = rightAxis ? m_right : m_left;
    // A zero range has no scale: every value sits on the day axis.
    if (a.max == a.min)
        return m_y + m_h - 40;
    return m_y + m_h - 40 -
           static_cast<int>(static_cast<double>(m_h - 64) / (a.max - a.min) * (value - a.min));
}

void CChartCtrl::DrawValueAxis(IDrawSurface& s, const Axis& axis, bool right) const
{
    const int ax = right ? m_x + m_w - 28 : m_x + 28;
    s.SetPen(m_text, 1);
    s.Line(ax, m_y + m_h - 40, ax, m_y + 24);
    for (int v = axis.min; v <= axis.max; v += axis.step) {
        const int yv = ValueToY(v, right);
        s.SetPen(m_text, 1);
        s.Line(ax - 2, yv, ax + 2, yv);
        if (v > axis.min) {
            s.SetPen(kGrey, 1);
            if (right)
                s.Line(m_x + 31, yv, m_x + m_w - 31, yv);
            else
                s.Line(m_x + 31, yv, m_x + m_w - 8, yv);
        }
        if (right)
            s.TextBox(m_x + m_w - 28, yv - 8, m_x + m_w - 4, yv + 16, QString::number(v), kTextHeight,
                      IDrawSurface::Align::Right, m_text);
        else
            s.TextBox(m_x + 4, yv - 8, m_x + 28, yv + 16, QString::number(v), kTextHeight,
                      IDrawSurface::Align::Left, m_text);
        if (axis.max - v < axis.step)
            break; // the next step would pass the maximum (and must not overflow)
    }
    if (right)
        s.TextBox(m_x + m_w / 2, m_y + 4, m_x + m_w - 4, m_y + 20, axis.title, kTextHeight,
                  IDrawSurface::Align::Right, m_text);
    else
        s.TextBox(m_x + 4, m_y + 4, m_x + m_w / 2, m_y + 20, axis.title, kTextHeight,
                  IDrawSurface::Align::Left, m_text);
}

void CChartCtrl::Draw(IDrawSurface& s) const
{
    const int plotW = PlotWidth();
    // Background and plot area.
    s.FillRect(m_x, m_y, m_w, m_h, m_background);
    s.FillRect(m_x + 28, m_y + 24, plotW, m_h - 64, m_plot);
    // The value axes.
    DrawValueAxis(s, m_left, false);
    if (HasRightAxis())
        DrawValueAxis(s, m_right, true);
    // The day axis with its title.
    s.SetPen(m_text, 1);
    s.Line(m_x + 28, m_y + m_h - 40, RightEdge(), m_y + m_h - 40);
    const int end = std::min(m_day.max + 1, m_first + m_visible);
    for (int d = m_first; d < end; d += m_day.step) {
        const int xd = DayToX(d);
        s.Line(xd, m_y + m_h - 42, xd, m_y + m_h - 38);
        s.TextBox(xd - 4, m_y + m_h - 36, xd + 28, m_y + m_h, QString::number(d), kTextHeight,
                  IDrawSurface::Align::Left, m_text);
    }
    s.TextBox(m_x + m_w - 128, m_y + m_h - 20, m_x + m_w - 4, m_y + m_h, m_day.title, kTextHeight,
              IDrawSurface::Align::Right, m_text);
    // Legend.
    const int n = static_cast<int>(m_series.size());
    if (n > 0) {
        const int q = (m_w - 40) / n;
        for (int i = 0; i < n; ++i) {
            const CChartSeries& series = *m_series[static_cast<size_t>(i)];
            if (series.Name().isEmpty())
                continue;
            const int bx = m_x + i * q;
            s.FillRect(bx + 4, m_y + m_h - 22, 16, 18, m_plot);
            s.SetPen(m_text, 1);
            s.FrameRect(bx + 4, m_y + m_h - 22, bx + 20, m_y + m_h - 4);
            s.SetPen(series.Colour(), series.PenWidth(),
                     series.PenStyle() == 0 ? IDrawSurface::PenStyle::Solid : IDrawSurface::PenStyle::Dash);
            s.Line(bx + 6, m_y + m_h - 14, bx + 18, m_y + m_h - 14);
            s.TextBox(bx + 22, m_y + m_h - 20, m_x + (i + 1) * q, m_y + m_h, series.Name(), kTextHeight,
                      IDrawSurface::Align::Left, m_text);
        }
    }
    // The series are drawn inside the plot area only.
    const int clipRight = HasRightAxis() ? m_x + m_w - 28 : RightEdge() - 4;
    s.SetClip(m_x + 31, m_y + 2, clipRight - (m_x + 31), m_y + m_h - 40 - (m_y + 2));
    // Lines over bars: with bars last, the series go last to first.
    const bool backwards = n > 0 && m_series.back()->Style() == CChartSeries::kBars;
    for (int k = 0; k < n; ++k) {
        const int i = backwards ? n - 1 - k : k;
        DrawSeries(s, *m_series[static_cast<size_t>(i)], i == 1 && HasRightAxis(), i);
    }
    // Reference lines.
    for (int i = 0; i < n; ++i) {
        const CChartSeries& series = *m_series[static_cast<size_t>(i)];
        if (!series.HasReference())
            continue;
        const bool right = i == 1 && HasRightAxis();
        const int yr = ValueToY(series.Reference(), right);
        s.SetPen(series.Colour(), 1, IDrawSurface::PenStyle::Dash);
        s.Line(m_x + 28, yr, right ? m_x + m_w - 28 : m_x + m_w - 12, yr);
    }
    for (const CChartSeries* overlay : m_overlays)
        DrawSeries(s, *overlay, false, n);
    s.ResetClip();
    DrawOverlayLegend(s);
}

void CChartCtrl::DrawOverlayLegend(IDrawSurface& s) const
{
    if (HasRightAxis())
        return;
    // From the right edge leftwards, each entry as a legend slot: box, sample line, name.
    int right = m_x + m_w - 4;
    for (auto it = m_overlays.rbegin(); it != m_overlays.rend(); ++it) {
        const CChartSeries& series = **it;
        if (series.Name().isEmpty())
            continue;
        const int bx = right - s.TextWidth(series.Name(), kTextHeight) - 22;
        s.FillRect(bx, m_y + 3, 16, 18, m_plot);
        s.SetPen(m_text, 1);
        s.FrameRect(bx, m_y + 3, bx + 16, m_y + 21);
        s.SetPen(series.Colour(), series.PenWidth(),
                 series.PenStyle() == 0 ? IDrawSurface::PenStyle::Solid : IDrawSurface::PenStyle::Dash);
        s.Line(bx + 2, m_y + 11, bx + 14, m_y + 11);
        s.TextBox(bx + 18, m_y + 4, right, m_y + 20, series.Name(), kTextHeight, IDrawSurface::Align::Left,
                  m_text);
        right = bx - 6;
    }
}

void CChartCtrl::DrawSeries(IDrawSurface& s, const CChartSeries& series, bool rightAxis, int index) const
{
    const int m = series.Count();
    if (m == 0)
        return;
    std::vector<IDrawSurface::Point> p(static_cast<size_t>(m));
    for (int i = 0; i < m; ++i)
        p[static_cast<size_t>(i)] = {DayToX(series.X(i)), ValueToY(series.Y(i), rightAxis)};
    s.SetPen(series.Colour(), series.PenWidth(),
             series.PenStyle() == 0 ? IDrawSurface::PenStyle::Solid : IDrawSurface::PenStyle::Dash);
    switch (series.Style()) {
    case CChartSeries::kLine:
        s.Polyline(p);
        break;
    case CChartSeries::kSmoothed: {
        // One Bézier curve over all the points, evaluated at 65 steps in single precision.
        std::vector<float> bx(static_cast<size_t>(m));
        std::vector<float> by(static_cast<size_t>(m));
        int lastX = p[0].x;
        int lastY = p[0].y;
        for (int step = 0; step <= 64; ++step) {
            const float a = static_cast<float>(64 - step) / 64.0f;
            const float b = static_cast<float>(step) / 64.0f;
            for (int i = 0; i < m; ++i) {
                bx[static_cast<size_t>(i)] = static_cast<float>(p[static_cast<size_t>(i)].x);
                by[static_cast<size_t>(i)] = static_cast<float>(p[static_cast<size_t>(i)].y);
            }
            for (int level = m - 1; level > 0; --level)
                for (int i = 0; i < level; ++i) {
                    bx[static_cast<size_t>(i)] =
                        a * bx[static_cast<size_t>(i)] + b * bx[static_cast<size_t>(i + 1)];
                    by[static_cast<size_t>(i)] =
                        a * by[static_cast<size_t>(i)] + b * by[static_cast<size_t>(i + 1)];
                }
            const int px = static_cast<int>(bx[0]);
            const int py = static_cast<int>(by[0]);
            s.Line(lastX, lastY, px, py);
            lastX = px;
            lastY = py;
        }
        break;
    }
    case CChartSeries::kBars: {
        const bool paired = HasRightAxis() && m_series.size() >= 2 &&
                            m_series[0]->Style() == CChartSeries::kBars &&
                            m_series[1]->Style() == CChartSeries::kBars && index <= 1;
        const int slot = paired ? PlotWidth() / (2 * m_visible) : (m_w - 36) / m_visible;
        const int half = slot / 2;
        const int base = m_y + m_h - 40;
        for (const IDrawSurface::Point& pt : p) {
            int left = pt.x - half + 2;
            int right = pt.x + half - 1;
            if (paired) {
                left = index == 0 ? pt.x - half - 1 : pt.x + slot - half - 1;
                right = index == 0 ? pt.x + half - 1 : pt.x + slot + half - 1;
            }
            s.FillRect(left, std::min(pt.y, base), right - left, std::abs(base - pt.y), series.Colour());
        }
        return; // no markers on bars
    }
    default:
        break;
    }
    if (series.Markers())
        for (const IDrawSurface::Point& pt : p)
            s.FillRect(pt.x - 1, pt.y - 1, 3, 3, series.Colour());
}

void CChartCtrl::Scroll(int code, int position)
{
    switch (code) {
    case kLineLeft:
        m_first = std::max(0, m_first - m_day.step);
        m_scrollPos = std::max(0, m_scrollPos - m_day.step);
        break;
    case kLineRight:
        m_first = std::min(m_day.max, m_first + m_day.step);
        m_scrollPos = std::min(m_day.max, m_scrollPos + m_day.step);
        break;
    case kThumbTrack:
        if (position % m_day.step == 0) {
            m_first = position;
            m_scrollPos = position;
        }
        break;
    default:
        break;
    }
}
