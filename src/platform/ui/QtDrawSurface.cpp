#include "QtDrawSurface.h"

#include "controls/ProgramFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace {
QColor ToQt(IDrawSurface::Color c)
{
    return QColor(c.r, c.g, c.b);
}
} // namespace

void QtDrawSurface::SetClip(int x, int y, int width, int height)
{
    m_painter.setClipRect(x, y, width, height, Qt::IntersectClip);
}

void QtDrawSurface::ResetClip()
{
    m_painter.setClipping(false);
}

void QtDrawSurface::SetPen(Color color, int width, PenStyle style)
{
    m_painter.setPen(QPen(ToQt(color), width, style == PenStyle::Dash ? Qt::DashLine : Qt::SolidLine));
}

void QtDrawSurface::Line(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(x1, y1, x2, y2);
}

void QtDrawSurface::Polyline(const std::vector<Point>& points)
{
    QPolygon line;
    for (const Point& p : points)
        line << QPoint(p.x, p.y);
    m_painter.drawPolyline(line);
}

void QtDrawSurface::FillRect(int x, int y, int width, int height, Color color)
{
    m_painter.fillRect(x, y, width, height, ToQt(color));
}

void QtDrawSurface::FillEllipse(int x, int y, int width, int height, Color color)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(ToQt(color));
    m_painter.drawEllipse(x, y, width, height);
    m_painter.restore();
}

void QtDrawSurface::FillPolygon(const std::vector<Point>& points, Color color)
{
    QPolygon polygon;
    for (const Point& p : points)
        polygon << QPoint(p.x, p.y);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(ToQt(color));
    m_painter.drawPolygon(polygon);
    m_painter.restore();
}

void QtDrawSurface::Text(int x, int y, const QString& text, int height, Weight weight, Color color)
{
    m_painter.save();
    m_painter.setFont(ProgramFont(height, static_cast<int>(weight)));
    m_painter.setPen(ToQt(color));
    m_painter.drawText(QRect(x, y, 1000, height + height / 2), Qt::AlignLeft | Qt::AlignTop, text);
    m_painter.restore();
}

void QtDrawSurface::TextBox(int x1, int y1, int x2, int y2, const QString& text, int height, Align align,
                            Color color)
{
    m_painter.save();
    m_painter.setFont(ProgramFont(height));
    m_painter.setPen(ToQt(color));
    const QRect box(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    m_painter.setClipRect(box, Qt::IntersectClip);
    m_painter.drawText(box, (align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop, text);
    m_painter.restore();
}

void QtDrawSurface::FrameRect(int x1, int y1, int x2, int y2)
{
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
    m_painter.restore();
}

int QtDrawSurface::TextWidth(const QString& text, int height)
{
    return QFontMetrics(ProgramFont(height)).horizontalAdvance(text);
}

void QtDrawSurface::Circle(int cx, int cy, int radius, Color fill)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(QPen(Qt::black, 1));
    m_painter.setBrush(ToQt(fill));
    m_painter.drawEllipse(QPoint(cx, cy), radius, radius);
    m_painter.restore();
}

void QtDrawSurface::Polygon(const std::vector<Point>& points, Color fill)
{
    QPolygon polygon;
    for (const Point& p : points)
        polygon << QPoint(p.x, p.y);
    m_painter.save();
    m_painter.setBrush(ToQt(fill));
    m_painter.drawPolygon(polygon);
    m_painter.restore();
}
