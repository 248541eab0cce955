#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// Drawing that must land on exact pixels goes through this surface: the GUI backs it with a
// painter, tests with a recording surface that keeps every call.
class IDrawSurface
{
public:
    struct Color
    {
        int r = 0;
        int g = 0;
        int b = 0;
        bool operator==(const Color&) const = default;
    };
    struct Point
    {
        int x = 0;
        int y = 0;
        bool operator==(const Point&) const = default;
    };
    enum class Weight
    {
        Normal = 400,
        Bold = 700,
    };
    enum class PenStyle
    {
        Solid = 0,
        Dash = 1,
    };
    enum class Align
    {
        Left,
        Right,
    };

    virtual ~IDrawSurface() = default;
    // Drawing outside the rectangle is dropped until the clip is reset.
    virtual void SetClip(int x, int y, int width, int height) = 0;
    virtual void ResetClip() = 0;
    virtual void SetPen(Color color, int width = 1, PenStyle style = PenStyle::Solid) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Lines through the points in turn; a dashed pen keeps its pattern across the joints.
    virtual void Polyline(const std::vector<Point>& points)
    {
        for (size_t i = 1; i < points.size(); ++i)
            Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    }
    virtual void FillRect(int x, int y, int width, int height, Color color) = 0;
    virtual void FillEllipse(int x, int y, int width, int height, Color color) = 0;
    virtual void FillPolygon(const std::vector<Point>& points, Color color) = 0;
    // A polygon filled with a colour and outlined with the pen.
    virtual void Polygon(const std::vector<Point>& points, Color fill) = 0;
    // Text with its top-left corner at (x, y), in the program's font of that pixel height.
    virtual void Text(int x, int y, const QString& text, int height, Weight weight, Color color) = 0;
    // Text in the box from (x1, y1) to (x2, y2), at its top, cut at the box.
    virtual void TextBox(int x1, int y1, int x2, int y2, const QString& text, int height, Align align,
                         Color color) = 0;
    // Width in pixels of a text in the program's font of that height.
    virtual int TextWidth(const QString& text, int height) = 0;
    // A circle's disc in a colour with a black outline.
    virtual void Circle(int cx, int cy, int radius, Color fill) = 0;
    // The outline of a rectangle from (x1, y1) to (x2, y2) in the pen.
    virtual void FrameRect(int x1, int y1, int x2, int y2) = 0;
};
