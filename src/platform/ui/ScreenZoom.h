#pragma once

class QScreen;
class Registry;

// The zoom of the windows: the 240 x 320 screen shown a whole number of times as large, on top of
// the scale the user's environment already asks for (QT_SCALE_FACTOR, the screen's pixel ratio),
// which the programs Vellamo starts keep as the user set it.
namespace ScreenZoom {

constexpr int kMin = 1;
constexpr int kMax = 8;

// The largest zoom whose window fits in 85 % of an available height (in pixels of the user's
// scale), from 1 to 8; and of the screen's.
int FitHeight(int availableHeight);
int FitScreen(const QScreen* screen);
// Scales every window by the zoom from now on; a shown window is to be shown anew.
void Apply(int zoom);
int Current();
// The zoom the user last chose in the program, kept for the next start; 0 when none.
int Kept(const Registry& registry);
void Keep(Registry& registry, int zoom);

} // namespace ScreenZoom
