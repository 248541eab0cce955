#include "CProfileTable.h"

#include "platform/NumberText.h"
#include "profile/Units.h"
#include "storage/RecordReader.h"

namespace {

constexpr std::array<double, kEnergyShareCount> kShareGoalDefaults = {10, 30, 10, 13, 7, 60, 10, 0};
constexpr std::array<qint16, CProfileTable::kMeals> kMealHours = {8, 10, 12, 15, 18, 20};
constexpr std::array<qint16, CProfileTable::kMeals> kMealShares = {25, 5, 30, 5, 30, 5};

} // namespace

CProfileTable::CProfileTable(RecordStore& store, const Clock& clock)
    : CRecordTable(store, QStringLiteral("ZELProfile"), 400, {{kIdProp, PropType::UI4}}, kIdProp),
      m_clock(clock)
{
    OpenTable();
}

CProfileTable::Record CProfileTable::Defaults(quint32 id, FileTime today)
{
    Record r;
    r.id = id;
    r.name = QStringLiteral("New profile");
    r.startDate = today.Date();
    r.shareGoals = kShareGoalDefaults;
    r.warningsMask = 66;
    r.filtersMask = 2;
    r.mealOn.fill(1);
    r.mealHour = kMealHours;
    r.mealShare = kMealShares;
    r.flags = kNewProfileFlags;
    r.summaryLines = kDefaultSummaryLines;
    r.columnOrder = QString::fromLatin1(kDefaultColumnOrder);
    return r;
}

QString CProfileTable::EncodeSummaryLines(const std::array<int, kSummaryLines>& codes)
{
    QString text;
    for (int code : codes)
        text += QString::number(code).rightJustified(2, QLatin1Char(' '), true);
    return text;
}

std::array<int, CProfileTable::kSummaryLines> CProfileTable::DecodeSummaryLines(const QString& text)
{
    std::array<int, kSummaryLines> codes = kDefaultSummaryLines;
    if (text.isEmpty())
        return codes;
    for (int i = 0; i < kSummaryLines && 2 * i < text.size(); ++i)
        codes[i] = static_cast<int>(NumberText::ToInt(text.mid(2 * i, 2)));
    return codes;
}

std::vector<PropVal> CProfileTable::Props() const
{
    const Record& r = m_rec;
    std::vector<PropVal> p;
    p.reserve(kPropertyCount);
    p.push_back(PropVal::UI4(kIdProp, r.id));
    p.push_back(PropVal::Text(kNameProp, r.name));
    p.push_back(PropVal::R8(kStartWeightProp, r.startWeight));
    p.push_back(PropVal::R8(kTargetWeightProp, r.targetWeight));
    p.push_back(PropVal::R8(kReserved405Prop, r.reserved405));
    p.push_back(PropVal::R8(kHeightProp, r.height));
    p.push_back(PropVal::I2(kGenderProp, r.gender));
    p.push_back(PropVal::I2(kAgeProp, r.age));
    p.push_back(PropVal::R8(kWeeklyLossProp, r.weeklyLoss));
    p.push_back(PropVal::Time(kStartDateProp, r.startDate));
    for (int i = 0; i < 7; ++i) // 411 to 417
        p.push_back(PropVal::R8(kShareGoalProps[i], r.shareGoals[i]));
    p.push_back(PropVal()); // the slot of the absent 418 stays the empty property
    p.push_back(PropVal::R8(kShareGoalProps[static_cast<int>(EnergyShare::Alcohol)],
                            r.shareGoals[static_cast<int>(EnergyShare::Alcohol)]));
    p.push_back(PropVal::R8(kFiberGoalProp, r.fiberGoal));
    p.push_back(PropVal::R8(kSodiumGoalProp, r.sodiumGoal));
    p.push_back(PropVal::R8(kCholesterolGoalProp, r.cholesterolGoal));
    p.push_back(PropVal::UI4(kWarningsProp, r.warningsMask));
    p.push_back(PropVal::UI4(kFiltersProp, r.filtersMask));
    for (int i = 0; i < kMeals; ++i)
        p.push_back(PropVal::I2(static_cast<quint16>(kFirstMealOnProp + i), r.mealOn[i]));
    for (int i = 0; i < kMeals; ++i)
        p.push_back(PropVal::I2(static_cast<quint16>(kFirstMealHourProp + i), r.mealHour[i]));
    for (int i = 0; i < kMeals; ++i)
        p.push_back(PropVal::I2(static_cast<quint16>(kFirstMealShareProp + i), r.mealShare[i]));
    p.push_back(PropVal::UI4(kFlagsProp, r.flags));
    for (int i = 0; i < kEnergyShareCount; ++i)
        p.push_back(PropVal::R8(static_cast<quint16>(kFirstAmountGoalProp + i), r.amountGoals[i]));
    for (int i = 0; i < kParams; ++i)
        p.push_back(PropVal::Text(static_cast<quint16>(kFirstParamNameProp + i), r.paramNames[i]));
    for (int i = 0; i < kParams; ++i)
        p.push_back(PropVal::Text(static_cast<quint16>(kFirstParamUnitProp + i), r.paramUnits[i]));
    for (int i = 0; i < kParams; ++i)
        p.push_back(PropVal::R8(static_cast<quint16>(kFirstParamGoalProp + i), r.paramGoals[i]));
    p.push_back(PropVal::I2(kGraphQuantity1Prop, r.graphQuantity[0]));
    p.push_back(PropVal::I2(kGraphQuantity2Prop, r.graphQuantity[1]));
    for (int i = 0; i < kReservedCount; ++i)
        p.push_back(PropVal::R8(static_cast<quint16>(kFirstReservedProp + i), 0.0));
    p.push_back(PropVal::R8(kUserCaloriesProp, r.userCalories));
    p.push_back(PropVal::Text(kSummaryLinesProp, EncodeSummaryLines(r.summaryLines)));
    p.push_back(PropVal::Text(kColumnOrderProp, r.columnOrder));
    p.push_back(PropVal::Text(kReservedTextProp, QString()));
    return p;
}

quint32 CProfileTable::NewRecord()
{
    return AddRecord([&] { return NextId(); }, [&](quint32 id) { return Defaults(id, m_clock.Today()); });
}

void CProfileTable::FromProps(const RecordReader& rd)
{
    Record& r = m_rec;
    r.id = rd.UInt(kIdProp);
    r.name = rd.Text(kNameProp);
    r.startWeight = rd.Double(kStartWeightProp);
    r.targetWeight = rd.Double(kTargetWeightProp);
    r.reserved405 = rd.Double(kReserved405Prop);
    r.height = rd.Double(kHeightProp);
    r.gender = static_cast<qint16>(rd.Int(kGenderProp));
    r.age = static_cast<qint16>(rd.Int(kAgeProp));
    r.weeklyLoss = rd.Double(kWeeklyLossProp);
    r.startDate = rd.Time(kStartDateProp);
    for (int i = 0; i < kEnergyShareCount; ++i)
        r.shareGoals[i] = rd.Double(kShareGoalProps[i]);
    r.fiberGoal = rd.Double(kFiberGoalProp);
    r.sodiumGoal = rd.Double(kSodiumGoalProp);
    r.cholesterolGoal = rd.Double(kCholesterolGoalProp);
    r.warningsMask = rd.UInt(kWarningsProp);
    r.filtersMask = rd.UInt(kFiltersProp);
    for (int i = 0; i < kMeals; ++i) {
        r.mealOn[i] = static_cast<qint16>(rd.Int(static_cast<quint16>(kFirstMealOnProp + i)));
        r.mealHour[i] = static_cast<qint16>(rd.Int(static_cast<quint16>(kFirstMealHourProp + i)));
        r.mealShare[i] = static_cast<qint16>(rd.Int(static_cast<quint16>(kFirstMealShareProp + i)));
    }
    r.flags = rd.UInt(kFlagsProp);
    for (int i = 0; i < kEnergyShareCount; ++i)
        r.amountGoals[i] = rd.Double(static_cast<quint16>(kFirstAmountGoalProp + i));
    for (int i = 0; i < kParams; ++i) {
        r.paramNames[i] = rd.Text(static_cast<quint16>(kFirstParamNameProp + i));
        r.paramUnits[i] = rd.Text(static_cast<quint16>(kFirstParamUnitProp + i));
        r.paramGoals[i] = rd.Double(static_cast<quint16>(kFirstParamGoalProp + i));
    }
    r.graphQuantity[0] = static_cast<qint16>(rd.Int(kGraphQuantity1Prop));
    r.graphQuantity[1] = static_cast<qint16>(rd.Int(kGraphQuantity2Prop));
    r.userCalories = rd.Double(kUserCaloriesProp);
    r.summaryLines = DecodeSummaryLines(rd.Text(kSummaryLinesProp));
    r.columnOrder = rd.Text(kColumnOrderProp);
}

double CProfileTable::WeightForDisplay(double kg) const
{
    return m_rec.Has(kMetric) ? kg : kg * Units::kKgToLbs;
}

double CProfileTable::WeightFromDisplay(double v) const
{
    return m_rec.Has(kMetric) ? v : v * Units::kLbsToKg;
}

double CProfileTable::HeightForDisplay() const
{
    return m_rec.Has(kMetric) ? m_rec.height : m_rec.height * Units::kCmToIn;
}

double CProfileTable::StartWeightForDisplay() const
{
    return WeightForDisplay(m_rec.startWeight);
}

double CProfileTable::TargetWeightForDisplay() const
{
    return WeightForDisplay(m_rec.targetWeight);
}

double CProfileTable::WeeklyLossForDisplay() const
{
    return WeightForDisplay(m_rec.weeklyLoss);
}

void CProfileTable::SetHeightFromDisplay(double v)
{
    m_rec.height = m_rec.Has(kMetric) ? v : v * Units::kInToCm;
}

void CProfileTable::SetStartWeightFromDisplay(double v)
{
    m_rec.startWeight = WeightFromDisplay(v);
}

void CProfileTable::SetTargetWeightFromDisplay(double v)
{
    m_rec.targetWeight = WeightFromDisplay(v);
}

void CProfileTable::SetWeeklyLossFromDisplay(double v)
{
    m_rec.weeklyLoss = WeightFromDisplay(v);
}
