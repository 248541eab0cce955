#include "ProductPicture.h"

#include "platform/IDrawSurface.h"

#include <QCoreApplication>
#include <algorithm>

namespace ProductPicture {

namespace {

using Color = IDrawSurface::Color;

// Sky blue at the top fading to white, in bands so the picture is the same on every surface.
void Sky(IDrawSurface& s, int height)
{
    const int bands = 20;
    const int band = kBannerHeight / bands;
    for (int i = 0; i < bands && i * band < height; ++i) {
        const int t = 255 * i / (bands - 1);
        const Color c{64 + (191 * t) / 255, 128 + (127 * t) / 255, 255};
        s.FillRect(0, i * band, kWidth, std::min(band, height - i * band), c);
    }
}

// A bowl with an apple and a leaf, the program's mark, moved by (dx, dy) from its place in the
// picture (it spans x 70 to 170 and y 34 to 118 there).
void Mark(IDrawSurface& s, int dx, int dy)
{
    const Color green{60, 150, 60};
    const Color red{210, 40, 40};
    const Color bowl{0, 0, 128};
    s.FillEllipse(92 + dx, 52 + dy, 40, 38, red);
    s.FillEllipse(110 + dx, 50 + dy, 36, 40, Color{230, 60, 50});
    s.FillPolygon({{121 + dx, 52 + dy}, {136 + dx, 34 + dy}, {146 + dx, 38 + dy}, {131 + dx, 54 + dy}},
                  green);
    s.SetPen(Color{90, 60, 20}, 2);
    s.Line(120 + dx, 54 + dy, 118 + dx, 40 + dy);
    s.FillPolygon({{70 + dx, 84 + dy}, {170 + dx, 84 + dy}, {158 + dx, 112 + dy}, {82 + dx, 112 + dy}}, bowl);
    s.FillRect(104 + dx, 112 + dy, 32, 6, bowl);
}

} // namespace

void DrawIcon(IDrawSurface& s)
{
    // The mark on a pale sky disc, centred in the square.
    s.FillEllipse(2, 2, kIconSize - 4, kIconSize - 4, Color{214, 232, 255});
    Mark(s, kIconSize / 2 - 120, kIconSize / 2 - 76);
}

void Draw(IDrawSurface& s, int height, bool caption)
{
    height = std::clamp(height, 0, kHeight);
    if (height == 0)
        return;
    s.SetClip(0, 0, kWidth, height);
    Sky(s, height);
    if (height > kBannerHeight)
        s.FillRect(0, kBannerHeight, kWidth, height - kBannerHeight, Color{255, 255, 255});
    Mark(s, 0, 0);
    if (caption) {
        s.Text(70, 124, QStringLiteral("Vellamo"), 24, IDrawSurface::Weight::Bold, Color{0, 0, 128});
        s.Text(58, 152, QCoreApplication::translate("ProductPicture", "Nutrition and diet diary"), 13,
               IDrawSurface::Weight::Normal, Color{0, 0, 0});
    }
    s.ResetClip();
}

void PaintStartView(IDrawSurface& s)
{
    Draw(s, kHeight);
    s.SetPen(Color{0, 0, 0}, 1);
    s.Line(0, 0, kWidth, 0);
    s.Line(0, kBannerHeight, kWidth, kBannerHeight);
}

} // namespace ProductPicture
