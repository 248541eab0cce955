#pragma once

#include "platform/Clock.h"
#include "storage/CRecordTable.h"
#include "storage/NutrientValues.h"

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
    // Properties of a profile record.
    static constexpr quint16 kNameProp = 402;
    static constexpr quint16 kStartWeightProp = 403;
    static constexpr quint16 kTargetWeightProp = 404;
    static constexpr quint16 kReserved405Prop = 405;
    static constexpr quint16 kHeightProp = 406;
    static constexpr quint16 kGenderProp = 407;
    static constexpr quint16 kAgeProp = 408;
    static constexpr quint16 kWeeklyLossProp = 409;
    static constexpr quint16 kStartDateProp = 410;
    // Property of each share-of-energy goal, in EnergyShare order (418 does not exist).
    static constexpr std::array<quint16, kEnergyShareCount> kShareGoalProps = {411, 412, 413, 414,
                                                                               415, 416, 417, 419};
    static constexpr quint16 kSodiumGoalProp = 420;
    static constexpr quint16 kFiberGoalProp = 421;
    static constexpr quint16 kCholesterolGoalProp = 422;
    static constexpr quint16 kWarningsProp = 423;
    static constexpr quint16 kFiltersProp = 424;
    // Six meals' on/off, hour and share: 425-430, 431-436, 437-442.
    static constexpr quint16 kFirstMealOnProp = 425;
    static constexpr quint16 kFirstMealHourProp = 431;
    static constexpr quint16 kFirstMealShareProp = 437;
    static constexpr quint16 kFlagsProp = 443;
    static constexpr quint16 kFirstAmountGoalProp = 444; // 444-451, in EnergyShare order
    // Four body parameters' names, units and goals: 452-455, 456-459, 460-463.
    static constexpr quint16 kFirstParamNameProp = 452;
    static constexpr quint16 kFirstParamUnitProp = 456;
    static constexpr quint16 kFirstParamGoalProp = 460;
    static constexpr quint16 kFirstReservedProp = 464; // 464-472, written as 0
    static constexpr int kReservedCount = 9;
    static constexpr quint16 kUserCaloriesProp = 473;
    static constexpr quint16 kGraphQuantity1Prop = 474;
    static constexpr quint16 kGraphQuantity2Prop = 475;
    static constexpr quint16 kSummaryLinesProp = 476;
    static constexpr quint16 kColumnOrderProp = 477;
    static constexpr quint16 kReservedTextProp = 478; // written empty
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
