#pragma once

class IDrawSurface;

// The product picture of the start view and the About box, and the start view's painting.
namespace ProductPicture {

constexpr int kWidth = 240;
constexpr int kHeight = 280;
// The part of the picture above the start view's second line.
constexpr int kBannerHeight = 180;

// The picture with its top-left corner at (0, 0), cut to the given height; the caption is the
// name and the line under it.
void Draw(IDrawSurface& surface, int height = kHeight, bool caption = true);
// The program's icon: the picture's mark in a square of kIconSize pixels.
constexpr int kIconSize = 128;
void DrawIcon(IDrawSurface& surface);
// The start view: the picture, then lines across the width at y 0 and y 180.
void PaintStartView(IDrawSurface& surface);

} // namespace ProductPicture
