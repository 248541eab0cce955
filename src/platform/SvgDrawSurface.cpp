#include "SvgDrawSurface.h"

namespace {

QString Rgb(IDrawSurface::Color c)
{
    return QStringLiteral("#%1%2%3")
        .arg(c.r, 2, 16, QLatin1Char('0'))
        .arg(c.g, 2, 16, QLatin1Char('0'))
        .arg(c.b, 2, 16, QLatin1Char('0'));
}

QString Num(double v)
{
    return QString::number(v, 'g', 10);
}

} // namespace

SvgDrawSurface::SvgDrawSurface(int width, int height) : m_width(width), m_height(height) {}

QString SvgDrawSurface::Document() const
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\">\n")
               .arg(m_width)
               .arg(m_height) +
           m_body + QStringLiteral("</svg>\n");
}

void SvgDrawSurface::Add(const QString& tag, const QString& attributes, const QString& content)
{
    m_body += QStringLiteral("  <") + tag + QLatin1Char(' ') + attributes + m_clip;
    m_body += content.isEmpty()
                  ? QStringLiteral("/>\n")
                  : QLatin1Char('>') + content + QStringLiteral("</") + tag + QStringLiteral(">\n");
}

void SvgDrawSurface::SetClip(int x, int y, int width, int height)
{
    const QString id = QStringLiteral("clip%1").arg(++m_clips);
    m_clip.clear();
    Add(QStringLiteral("clipPath"), QStringLiteral("id=\"%1\"").arg(id),
        QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"/>")
            .arg(x)
            .arg(y)
            .arg(width)
            .arg(height));
    m_clip = QStringLiteral(" clip-path=\"url(#%1)\"").arg(id);
}

void SvgDrawSurface::ResetClip()
{
    m_clip.clear();
}

void SvgDrawSurface::SetPen(Color color, int width, PenStyle style)
{
    m_pen = color;
    m_penWidth = width;
    m_penStyle = style;
}

QString SvgDrawSurface::Stroke() const
{
    QString s = QStringLiteral("stroke=\"%1\" stroke-width=\"%2\"").arg(Rgb(m_pen)).arg(m_penWidth);
    if (m_penStyle == PenStyle::Dash)
        s += QStringLiteral(" stroke-dasharray=\"%1 %2\"").arg(4 * m_penWidth).arg(2 * m_penWidth);
    return s;
}

QString SvgDrawSurface::Points(const std::vector<Point>& points) const
{
    QStringList list;
    for (const Point& p : points)
        list << QStringLiteral("%1,%2").arg(p.x).arg(p.y);
    return QStringLiteral("points=\"") + list.join(QLatin1Char(' ')) + QLatin1Char('"');
}

void SvgDrawSurface::Polyline(const std::vector<Point>& points)
{
    Add(QStringLiteral("polyline"), Points(points) + QStringLiteral(" fill=\"none\" ") + Stroke());
}

void SvgDrawSurface::Line(int x1, int y1, int x2, int y2)
{
    Add(QStringLiteral("line"),
        QStringLiteral("x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke-linecap=\"round\" ")
                .arg(x1)
                .arg(y1)
                .arg(x2)
                .arg(y2) +
            Stroke());
}

void SvgDrawSurface::FillRect(int x, int y, int width, int height, Color color)
{
    Add(QStringLiteral("rect"),
        QStringLiteral("x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\" stroke=\"none\"")
            .arg(x)
            .arg(y)
            .arg(width)
            .arg(height)
            .arg(Rgb(color)));
}

void SvgDrawSurface::FillEllipse(int x, int y, int width, int height, Color color)
{
    Add(QStringLiteral("ellipse"),
        QStringLiteral("cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"%5\" stroke=\"none\"")
            .arg(Num(x + width / 2.0), Num(y + height / 2.0), Num(width / 2.0), Num(height / 2.0),
                 Rgb(color)));
}

void SvgDrawSurface::FillPolygon(const std::vector<Point>& points, Color color)
{
    Add(QStringLiteral("polygon"),
        Points(points) + QStringLiteral(" fill=\"") + Rgb(color) + QStringLiteral("\" stroke=\"none\""));
}

void SvgDrawSurface::Polygon(const std::vector<Point>& points, Color fill)
{
    Add(QStringLiteral("polygon"),
        Points(points) + QStringLiteral(" fill=\"") + Rgb(fill) + QStringLiteral("\" ") + Stroke());
}

void SvgDrawSurface::Text(int x, int y, const QString& text, int height, Weight weight, Color color)
{
    Add(QStringLiteral("text"),
        QStringLiteral("x=\"%1\" y=\"%2\" font-family=\"Liberation Sans, DejaVu Sans, sans-serif\" "
                       "font-size=\"%3\" font-weight=\"%4\" fill=\"%5\"")
            .arg(QString::number(x), Num(y + height * 0.8), QString::number(height),
                 QString::number(static_cast<int>(weight)), Rgb(color)),
        text.toHtmlEscaped());
}

void SvgDrawSurface::TextBox(int x1, int y1, int x2, int, const QString& text, int height, Align align,
                             Color color)
{
    Text(align == Align::Left ? x1 : x2 - TextWidth(text, height), y1, text, height, Weight::Normal, color);
}

int SvgDrawSurface::TextWidth(const QString& text, int height)
{
    return static_cast<int>(text.size() * height * 0.55); // an estimate: a viewer measures SVG text itself
}

void SvgDrawSurface::Circle(int cx, int cy, int radius, Color fill)
{
    Add(QStringLiteral("circle"),
        QStringLiteral("cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" stroke=\"#000000\"")
            .arg(cx)
            .arg(cy)
            .arg(radius)
            .arg(Rgb(fill)));
}

void SvgDrawSurface::FrameRect(int x1, int y1, int x2, int y2)
{
    Add(QStringLiteral("rect"), QStringLiteral("x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" ")
                                        .arg(x1)
                                        .arg(y1)
                                        .arg(x2 - x1)
                                        .arg(y2 - y1) +
                                    Stroke());
}
