#include "RequirementChecks.h"

namespace Requirements {

namespace {

const char* const kMessages[kLastCheck + 1] = {
    nullptr,
    "Energy intake exceeded",
    "Protein exceeded",
    "Protein/energy-pct exceeded",
    "Protein/energy-pct to small",
    "Fat exceeded",
    "Fat/energy-pct exceeded",
    "Saturates/energy-pct exceeded",
    "Monounsaturates/energy-pct to small",
    "Polyunsaturates/energy-pct to small",
    "Cabohydrate exceeded",
    "Cabohydrate/energy-pct exceeded",
    "Cabohydrate/energy-pct to small",
    "Alcohol exceeded",
    "Alcohol/energy-pct exceeded",
    "Amount of sodium exceeded",
    "Amount of cholesterol exceeded",
};

} // namespace

quint32 Check(quint32 mask, const NutrientValues& a, const Limits& limits)
{
    const ProfileRecord& p = limits.profile;
    const double f = limits.fraction;
    auto pct = [&](EnergyShare s) { return a.Share(s); };
    auto pctGoal = [&](EnergyShare s) { return p.shareGoals[static_cast<int>(s)]; };
    auto gramGoal = [&](EnergyShare s) { return p.amountGoals[static_cast<int>(s)]; };
    const bool violated[kLastCheck + 1] = {
        false,
        a[Nutrient::Energy] > f * limits.calorieFigure,
        a[Nutrient::Protein] > f * gramGoal(EnergyShare::Protein),
        pct(EnergyShare::Protein) > pctGoal(EnergyShare::Protein),
        pct(EnergyShare::Protein) < pctGoal(EnergyShare::Protein),
        a[Nutrient::Fat] > f * gramGoal(EnergyShare::Fat),
        pct(EnergyShare::Fat) > pctGoal(EnergyShare::Fat),
        pct(EnergyShare::Saturates) > pctGoal(EnergyShare::Saturates),
        pct(EnergyShare::Monounsaturates) < pctGoal(EnergyShare::Monounsaturates),
        pct(EnergyShare::Polyunsaturates) < pctGoal(EnergyShare::Polyunsaturates),
        a[Nutrient::Carbohydrate] > f * gramGoal(EnergyShare::Carbohydrate),
        pct(EnergyShare::Carbohydrate) > pctGoal(EnergyShare::Carbohydrate),
        pct(EnergyShare::Carbohydrate) < pctGoal(EnergyShare::Carbohydrate),
        a[Nutrient::Alcohol] > f * gramGoal(EnergyShare::Alcohol),
        pct(EnergyShare::Alcohol) > pctGoal(EnergyShare::Alcohol),
        a[Nutrient::Sodium] > f * p.sodiumGoal,
        a[Nutrient::Cholesterol] > f * p.cholesterolGoal,
    };
    quint32 r = 0;
    for (int bit = kFirstCheck; bit <= kLastCheck; ++bit) {
        if ((mask & (1u << bit)) && violated[bit])
            r |= 1u << bit;
    }
    return r;
}

QString Message(int bit)
{
    return bit >= kFirstCheck && bit <= kLastCheck ? QString::fromLatin1(kMessages[bit]) : QString();
}

QStringList Messages(quint32 violated)
{
    QStringList out;
    for (int bit = kFirstCheck; bit <= kLastCheck; ++bit) {
        if (violated & (1u << bit))
            out << Message(bit);
    }
    return out;
}

} // namespace Requirements
