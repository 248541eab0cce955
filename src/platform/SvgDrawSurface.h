#pragma once

#include "platform/IDrawSurface.h"

#include <QString>
#include <QStringList>

// A drawing surface that writes SVG: the icon's scalable form comes from the same drawing as
// its pixels. Text is written in the program's font family.
class SvgDrawSurface : public IDrawSurface
{
public:
    SvgDrawSurface(int width, int height);
    // The whole document.
    QString Document() const;

    void SetClip(int x, int y, int width, int height) override;
    void ResetClip() override;
    void SetPen(Color color, int width, PenStyle style) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Polyline(const std::vector<Point>& points) override;
    void FillRect(int x, int y, int width, int height, Color color) override;
    void FillEllipse(int x, int y, int width, int height, Color color) override;
    void FillPolygon(const std::vector<Point>& points, Color color) override;
    void Polygon(const std::vector<Point>& points, Color fill) override;
    void Text(int x, int y, const QString& text, int height, Weight weight, Color color) override;
    void TextBox(int x1, int y1, int x2, int y2, const QString& text, int height, Align align,
                 Color color) override;
    int TextWidth(const QString& text, int height) override;
    void Circle(int cx, int cy, int radius, Color fill) override;
    void FrameRect(int x1, int y1, int x2, int y2) override;

private:
    QString Stroke() const;
    QString Points(const std::vector<Point>& points) const;
    void Add(const QString& tag, const QString& attributes, const QString& content = QString());

    int m_width;
    int m_height;
    QString m_body;
    QString m_clip; // the clip-path attribute while a clip is set
    int m_clips = 0;
    Color m_pen;
    int m_penWidth = 1;
    PenStyle m_penStyle = PenStyle::Solid;
};
