#include "BmiChart.h"

#include "platform/IDrawSurface.h"
#include "profile/EnergyRules.h"
#include "profile/Measures.h"
#include "profile/NumberFormat.h"

#include <QCoreApplication>

namespace {

using Color = IDrawSurface::Color;
const Color kBlack{0, 0, 0};
const Color kWhite{255, 255, 255};

struct Band
{
    double limit;
    Color colour;
    const char* name;
};
// Severe underweight lies below 15 and is the plot's own colour.
const Band kBands[] = {
    {15, {230, 230, 230}, "Moderate underweight"},
    {20, {255, 255, 255}, "Normal"},
    {25, {230, 230, 140}, "Moderate obesity"},
    {30, {230, 140, 140}, "Severe obesity"},
};
const Color kSevereUnderweight{220, 220, 220};

} // namespace

BmiChart::BmiChart(double heightCm, double currentWeightKg)
    : m_heightCm(heightCm), m_currentKg(currentWeightKg), m_metric(IsMetric())
{
    m_ideal = RoundTo(KgToDisplay(WeightForBmi(heightCm * 0.01, 22)), 0);
    m_weightStep = m_metric ? 20 : 40;
    m_heightStep = m_metric ? 20 : 10;
    m_w0 = m_ideal - kPositions * m_weightStep * 0.5;
    m_h0 = heightCm - kPositions * m_heightStep * 0.5;
}

int BmiChart::XOfWeight(double w) const
{
    return kLeft + static_cast<int>(((kRight - kLeft) / 7) * (w - m_w0) / m_weightStep);
}

void BmiChart::Paint(IDrawSurface& s) const
{
    // The plot area in the colour of the lowest band.
    s.FillRect(kLeft, kTop, kRight - kLeft, kBottom - kTop, kSevereUnderweight);
    // Legend.
    s.SetPen(kBlack, 1);
    s.Circle(8, 194, 4, kWhite);
    s.Text(19, 190, QCoreApplication::translate("BmiChart", "Ideal Weight"), kTextHeight,
           IDrawSurface::Weight::Normal, kBlack);
    s.Circle(8, 209, 4, kBlack);
    s.Text(19, 205, QCoreApplication::translate("BmiChart", "Current Weight"), kTextHeight,
           IDrawSurface::Weight::Normal, kBlack);
    const std::array<std::pair<Color, const char*>, 5> legend = {
        {{kBands[3].colour, "Severe obesity"},
         {kBands[2].colour, "Moderate obesity"},
         {kBands[1].colour, "Normal"},
         {kBands[0].colour, "Moderate underweight"},
         {kSevereUnderweight, "Severe underweight"}}};
    for (size_t i = 0; i < legend.size(); ++i) {
        const int y = 190 + 15 * static_cast<int>(i);
        s.FillRect(110, y, 13, 13, legend[i].first);
        s.FrameRect(110, y, 123, y + 13);
        s.Text(128, y, QString::fromLatin1(legend[i].second), kTextHeight, IDrawSurface::Weight::Normal,
               kBlack);
    }
    // Bands, higher ones over lower ones.
    s.SetClip(kLeft + 1, kTop + 1, kRight - kLeft - 2, kBottom - kTop - 2);
    for (const Band& band : kBands) {
        std::vector<IDrawSurface::Point> points;
        for (int i = 0; i < kPositions; ++i) {
            const double w = RoundTo(KgToDisplay(WeightForBmi(HeightAt(i) * 0.01, band.limit)), 0);
            points.push_back({XOfWeight(w), YOfPosition(i)});
        }
        points.push_back({kRight, points.back().y});
        points.push_back({kRight, kBottom});
        s.SetPen(kBlack, 1);
        s.Polygon(points, band.colour);
    }
    // Grid.
    s.ResetClip();
    s.SetPen(kBlack, 1);
    for (int i = 1; i < kPositions; ++i)
        s.Line(kLeft, YOfPosition(i), kRight, YOfPosition(i));
    for (int i = 0; i < kPositions - 1; ++i) {
        const int x = kLeft + i * ((kRight - kLeft) / 7);
        s.Line(x, kTop, x, kBottom);
    }
    // Labels.
    for (int i = 0; i < kPositions; ++i) {
        const QString h = i == kPositions - 1 ? (m_metric ? QStringLiteral("cm") : QStringLiteral("in"))
                                              : FormatFixed(CmToDisplay(HeightAt(i)), 3, 0);
        s.Text(4, YOfPosition(i) - 7, h, kTextHeight, IDrawSurface::Weight::Normal, kBlack);
    }
    for (int i = 1; i < kPositions; ++i) {
        const int x = kLeft + i * ((kRight - kLeft) / 7);
        const QString w = i == kPositions - 1 ? (m_metric ? QStringLiteral("kg") : QStringLiteral("lbs"))
                                              : FormatFixed(WeightAt(i), 3, 0);
        s.Text(x - 12, kBottom + 2, w, kTextHeight, IDrawSurface::Weight::Normal, kBlack);
    }
    // Markers on the row of the profile's height; not clipped.
    const int y = kBottom - static_cast<int>(((kBottom - kTop) / 7) * (m_heightCm - m_h0) / m_heightStep);
    const double current = KgToDisplay(m_currentKg);
    const QString unit = m_metric ? QStringLiteral(" kg") : QStringLiteral(" lbs");
    const int idealX = XOfWeight(m_ideal);
    const int currentX = XOfWeight(current);
    s.Circle(idealX, y, 4, kWhite);
    s.Circle(currentX, y, 4, kBlack);
    const QString idealText = FormatFixed(m_ideal, 3, 0) + unit;
    const QString currentText = FormatFixed(current, 3, 0) + unit;
    // The larger weight's label to the right of its marker, the smaller's to the left.
    const bool currentRight = current >= m_ideal;
    const auto right = [&](int x, const QString& t) {
        s.Text(x + 7, y - 12, t, kTextHeight, IDrawSurface::Weight::Normal, kBlack);
    };
    const auto left = [&](int x, const QString& t) {
        s.Text(x - 7 - s.TextWidth(t, kTextHeight), y - 12, t, kTextHeight, IDrawSurface::Weight::Normal,
               kBlack);
    };
    if (currentRight) {
        right(currentX, currentText);
        left(idealX, idealText);
    } else {
        right(idealX, idealText);
        left(currentX, currentText);
    }
}
