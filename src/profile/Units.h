#pragma once

// Factors between the stored metric units and the US units shown when the metric flag is clear.
namespace Units {

constexpr double kKgToLbs = 2.204585537918871;
constexpr double kLbsToKg = 0.4536;
constexpr double kCmToIn = 0.39370078740157477;
constexpr double kInToCm = 2.54;

} // namespace Units
