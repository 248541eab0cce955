#pragma once

#include "platform/IDrawSurface.h"

#include <QStringList>

#include <vector>

// Keeps every drawing call as a line of text, so tests can assert exact positions.
class RecordingSurface : public IDrawSurface
{
public:
    void SetClip(int x, int y, int w, int h) override
    {
        Add(QStringLiteral("clip %1,%2 %3x%4").arg(x).arg(y).arg(w).arg(h));
    }
    void ResetClip() override { Add(QStringLiteral("noclip")); }
    void SetPen(Color c, int width, PenStyle style) override
    {
        Add(QStringLiteral("pen %1,%2,%3 %4%5")
                .arg(c.r)
                .arg(c.g)
                .arg(c.b)
                .arg(width)
                .arg(style == PenStyle::Dash ? QStringLiteral(" dash") : QString()));
    }
    void Line(int x1, int y1, int x2, int y2) override
    {
        Add(QStringLiteral("line %1,%2 %3,%4").arg(x1).arg(y1).arg(x2).arg(y2));
    }
    void FillRect(int x, int y, int w, int h, Color) override
    {
        Add(QStringLiteral("rect %1,%2 %3x%4").arg(x).arg(y).arg(w).arg(h));
    }
    void FillEllipse(int x, int y, int w, int h, Color) override
    {
        Add(QStringLiteral("ellipse %1,%2 %3x%4").arg(x).arg(y).arg(w).arg(h));
    }
    void FillPolygon(const std::vector<Point>& points, Color) override
    {
        QStringList p;
        for (const Point& pt : points)
            p << QStringLiteral("%1,%2").arg(pt.x).arg(pt.y);
        Add(QStringLiteral("polygon ") + p.join(QLatin1Char(' ')));
    }
    void Text(int x, int y, const QString& text, int height, Weight, Color) override
    {
        Add(QStringLiteral("text %1,%2 h%3 %4").arg(x).arg(y).arg(height).arg(text));
    }

    void TextBox(int x1, int y1, int x2, int y2, const QString& text, int height, Align align, Color) override
    {
        Add(QStringLiteral("textbox %1,%2 %3,%4 h%5 %6 %7")
                .arg(x1)
                .arg(y1)
                .arg(x2)
                .arg(y2)
                .arg(height)
                .arg(align == Align::Right ? QStringLiteral("right") : QStringLiteral("left"))
                .arg(text));
    }
    // Six pixels a character, so positions that depend on a width can be asserted.
    int TextWidth(const QString& text, int) override { return 6 * static_cast<int>(text.size()); }
    void Circle(int cx, int cy, int radius, Color) override
    {
        Add(QStringLiteral("circle %1,%2 r%3").arg(cx).arg(cy).arg(radius));
    }
    void Polygon(const std::vector<Point>& points, Color) override
    {
        QStringList p;
        for (const Point& pt : points)
            p << QStringLiteral("%1,%2").arg(pt.x).arg(pt.y);
        Add(QStringLiteral("outlined ") + p.join(QLatin1Char(' ')));
    }
    void FrameRect(int x1, int y1, int x2, int y2) override
    {
        Add(QStringLiteral("frame %1,%2 %3,%4").arg(x1).arg(y1).arg(x2).arg(y2));
    }

    const QStringList& Calls() const { return m_calls; }
    // The calls of one kind ("line", "rect", ...).
    QStringList Matching(const QString& prefix) const
    {
        QStringList out;
        for (const QString& c : m_calls)
            if (c.startsWith(prefix))
                out << c;
        return out;
    }

private:
    void Add(const QString& call) { m_calls << call; }
    QStringList m_calls;
};
