#pragma once

#include "CRecordTable.h"
#include "Clock.h"
#include "NutrientValues.h"

#include <array>

struct ProfileRecord
{
    static constexpr int kMeals = 6;
    static constexpr int kParams = 4;
    static constexpr int kSummaryLines = 5;
    static constexpr int kMaxNameLength = 64; // as the profile dialogs take it
    static constexpr std::array<int, kSummaryLines> kDefaultSummaryLines = {4, 5, 6, 10, 11};

    quint32 id = 0;
    QString name;
    double startWeight = 0.0;  // kg
    double targetWeight = 0.0; // kg
    double reserved405 = 0.0;  // kept as read
    double height = 0.0;       // cm
    qint16 gender = 0;         // 1 = male, 0 = female
    qint16 age = 0;
    double weeklyLoss = 0.0; // kg per week, negative = gain
    FileTime startDate;
    // Goals as shares of energy (%), in EnergyShare order.
    std::array<double, kEnergyShareCount> shareGoals{};
    double fiberGoal = 0.0;       // g
    double sodiumGoal = 0.0;      // mg
    double cholesterolGoal = 0.0; // mg
    quint32 warningsMask = 0;
    quint32 filtersMask = 0;
    std::array<qint16, kMeals> mealOn{};
    std::array<qint16, kMeals> mealHour{};
    std::array<qint16, kMeals> mealShare{}; // % of the day's energy
    quint32 flags = 0;
    // Goals as amounts (g), in EnergyShare order.
    std::array<double, kEnergyShareCount> amountGoals{};
    std::array<QString, kParams> paramNames; // "" = not used
    std::array<QString, kParams> paramUnits;
    std::array<double, kParams> paramGoals{};
    std::array<qint16, 2> graphQuantity{};
    double userCalories = 0.0; // kcal per day, 0 = not specified
    std::array<int, kSummaryLines> summaryLines = kDefaultSummaryLines;
    QString columnOrder;

    bool Has(quint32 flag) const { return (flags & flag) != 0; }
    void Set(quint32 flag, bool on) { flags = on ? (flags | flag) : (flags & ~flag); }
};

// ZELProfile: one record per person keeping a diary, with the plan, goals and settings.
class CProfileTable : public CRecordTable<ProfileRecord>
{
public:
    static constexpr int kPropertyCount = 78;
    static constexpr int kMeals = ProfileRecord::kMeals;
    static constexpr int kParams = ProfileRecord::kParams;
    static constexpr int kSummaryLines = ProfileRecord::kSummaryLines;

    // Flags (property 443).
    static constexpr quint32 kMetric = 0x1;
    static constexpr quint32 kOpen = 0x2;
    static constexpr quint32 kPlanning = 0x4;
    static constexpr quint32 kShowMealProperties = 0x8;
    static constexpr quint32 kDayMonthYear = 0x10;
    static constexpr quint32 kSeries1Line = 0x20;
    static constexpr quint32 kSeries1Smooth = 0x40;
    static constexpr quint32 kSeries2Line = 0x80;
    static constexpr quint32 kSeries2Smooth = 0x100;
    static constexpr quint32 kCaloriesFromIntake = 0x200;
    static constexpr quint32 kCompanionExercises = 0x400;
    static constexpr quint32 kNewProfileFlags = kPlanning;

    static constexpr std::array<int, kSummaryLines> kDefaultSummaryLines =
        ProfileRecord::kDefaultSummaryLines;
    static constexpr const char* kDefaultColumnOrder = "000102030405060708091011121314";

    CProfileTable(RecordStore& store, const Clock& clock);

    // Writes a profile with the defaults of a new profile (start date today) and a new id.
    quint32 NewRecord() override;

    static Record Defaults(quint32 id, FileTime today);
    static QString EncodeSummaryLines(const std::array<int, kSummaryLines>& codes);
    static std::array<int, kSummaryLines> DecodeSummaryLines(const QString& text);

    // Body figures in the units the profile shows (kg/cm when metric, else lbs/in).
    double HeightForDisplay() const;
    double StartWeightForDisplay() const;
    double TargetWeightForDisplay() const;
    double WeeklyLossForDisplay() const;
    void SetHeightFromDisplay(double v);
    void SetStartWeightFromDisplay(double v);
    void SetTargetWeightFromDisplay(double v);
    void SetWeeklyLossFromDisplay(double v);
    // Any body weight of this profile, kg to the units it shows and back.
    double WeightForDisplay(double kg) const;
    double WeightFromDisplay(double v) const;

private:
    std::vector<PropVal> Props() const override;
    void FromProps(const RecordReader& r) override;

    const Clock& m_clock;
};
