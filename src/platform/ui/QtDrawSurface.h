#pragma once

#include "platform/IDrawSurface.h"

class QPainter;

// The drawing surface on a painter; pixels are the logical screen's.
class QtDrawSurface : public IDrawSurface
{
public:
    explicit QtDrawSurface(QPainter& painter) : m_painter(painter) {}
    void SetClip(int x, int y, int width, int height) override;
    void ResetClip() override;
    void SetPen(Color color, int width, PenStyle style) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Polyline(const std::vector<Point>& points) override;
    void FillRect(int x, int y, int width, int height, Color color) override;
    void FillEllipse(int x, int y, int width, int height, Color color) override;
    void FillPolygon(const std::vector<Point>& points, Color color) override;
    void Text(int x, int y, const QString& text, int height, Weight weight, Color color) override;
    void TextBox(int x1, int y1, int x2, int y2, const QString& text, int height, Align align,
                 Color color) override;
    void FrameRect(int x1, int y1, int x2, int y2) override;
    int TextWidth(const QString& text, int height) override;
    void Circle(int cx, int cy, int radius, Color fill) override;
    void Polygon(const std::vector<Point>& points, Color fill) override;

private:
    QPainter& m_painter;
};
