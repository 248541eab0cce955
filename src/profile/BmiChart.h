#pragma once

#include <array>

class IDrawSurface;

// The body-mass-index chart: weight against height with the BMI bands, centred on the ideal
// weight (BMI 22) and the profile's height, with markers for the ideal and the current weight.
class BmiChart
{
public:
    static constexpr int kLeft = 25;
    static constexpr int kTop = 15;
    static constexpr int kRight = 230;
    static constexpr int kBottom = 162;
    static constexpr int kPositions = 8;
    static constexpr int kTextHeight = 13;

    // Height in cm and current weight in kg; units follow the measures in use.
    BmiChart(double heightCm, double currentWeightKg);

    double IdealWeight() const { return m_ideal; }
    double CurrentWeightKg() const { return m_currentKg; }
    // Weight (display units) and height (cm) of grid position i.
    double WeightAt(int i) const { return m_w0 + i * m_weightStep; }
    double HeightAt(int i) const { return m_h0 + i * m_heightStep; }
    int XOfWeight(double w) const;
    int YOfPosition(int i) const { return kBottom - i * ((kBottom - kTop) / 7); }

    void Paint(IDrawSurface& s) const;

private:
    double m_heightCm;
    double m_currentKg;
    bool m_metric;
    double m_ideal;
    double m_weightStep;
    double m_heightStep;
    double m_w0;
    double m_h0;
};
