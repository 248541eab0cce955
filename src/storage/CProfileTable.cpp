#include "CProfileTable.h"

#include "NumberText.h"
#include "RecordReader.h"
#include "profile/Units.h"

namespace {

// Property of each share-of-energy goal, in EnergyShare order (418 does not exist).
constexpr std::array<quint16, kEnergyShareCount> kShareGoalProps = {411, 412, 413, 414, 415, 416, 417, 419};
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
    p.push_back(PropVal::Text(402, r.name));
    p.push_back(PropVal::R8(403, r.startWeight));
    p.push_back(PropVal::R8(404, r.targetWeight));
    p.push_back(PropVal::R8(405, r.reserved405));
    p.push_back(PropVal::R8(406, r.height));
    p.push_back(PropVal::I2(407, r.gender));
    p.push_back(PropVal::I2(408, r.age));
    p.push_back(PropVal::R8(409, r.weeklyLoss));
    p.push_back(PropVal::Time(410, r.startDate));
    for (int i = 0; i < 7; ++i) // 411..417
        p.push_back(PropVal::R8(kShareGoalProps[i], r.shareGoals[i]));
    p.push_back(PropVal()); // the slot of the absent 418 stays the empty property
    p.push_back(PropVal::R8(419, r.shareGoals[static_cast<int>(EnergyShare::Alcohol)]));
    p.push_back(PropVal::R8(421, r.fiberGoal));
    p.push_back(PropVal::R8(420, r.sodiumGoal));
    p.push_back(PropVal::R8(422, r.cholesterolGoal));
    p.push_back(PropVal::UI4(423, r.warningsMask));
    p.push_back(PropVal::UI4(424, r.filtersMask));
    for (int i = 0; i < kMeals; ++i)
        p.push_back(PropVal::I2(static_cast<quint16>(425 + i), r.mealOn[i]));
    for (int i = 0; i < kMeals; ++i)
        p.push_back(PropVal::I2(static_cast<quint16>(431 + i), r.mealHour[i]));
    for (int i = 0; i < kMeals; ++i)
        p.push_back(PropVal::I2(static_cast<quint16>(437 + i), r.mealShare[i]));
    p.push_back(PropVal::UI4(443, r.flags));
    for (int i = 0; i < kEnergyShareCount; ++i)
        p.push_back(PropVal::R8(static_cast<quint16>(444 + i), r.amountGoals[i]));
    for (int i = 0; i < kParams; ++i)
        p.push_back(PropVal::Text(static_cast<quint16>(452 + i), r.paramNames[i]));
    for (int i = 0; i < kParams; ++i)
        p.push_back(PropVal::Text(static_cast<quint16>(456 + i), r.paramUnits[i]));
    for (int i = 0; i < kParams; ++i)
        p.push_back(PropVal::R8(static_cast<quint16>(460 + i), r.paramGoals[i]));
    p.push_back(PropVal::I2(474, r.graphQuantity[0]));
    p.push_back(PropVal::I2(475, r.graphQuantity[1]));
    for (quint16 id = 464; id <= 472; ++id)
        p.push_back(PropVal::R8(id, 0.0));
    p.push_back(PropVal::R8(473, r.userCalories));
    p.push_back(PropVal::Text(476, EncodeSummaryLines(r.summaryLines)));
    p.push_back(PropVal::Text(477, r.columnOrder));
    p.push_back(PropVal::Text(478, QString()));
    return p;
}

quint32 CProfileTable::NewRecord()
{
    RecordStore::Batch batch(m_store); // the highest id read and the new record written under one lock
    const quint32 id = NextId();
    m_rec = Defaults(id, m_clock.Today());
    if (!Write(RecordStore::WriteTarget::New, Props()))
        batch.Abandon();
    if (!batch.Commit())
        return 0;
    FindId(id);
    return id;
}

void CProfileTable::FromProps(const RecordReader& rd)
{
    Record& r = m_rec;
    r.id = rd.UInt(kIdProp);
    r.name = rd.Text(402);
    r.startWeight = rd.Double(403);
    r.targetWeight = rd.Double(404);
    r.reserved405 = rd.Double(405);
    r.height = rd.Double(406);
    r.gender = static_cast<qint16>(rd.Int(407));
    r.age = static_cast<qint16>(rd.Int(408));
    r.weeklyLoss = rd.Double(409);
    r.startDate = rd.Time(410);
    for (int i = 0; i < kEnergyShareCount; ++i)
        r.shareGoals[i] = rd.Double(kShareGoalProps[i]);
    r.fiberGoal = rd.Double(421);
    r.sodiumGoal = rd.Double(420);
    r.cholesterolGoal = rd.Double(422);
    r.warningsMask = rd.UInt(423);
    r.filtersMask = rd.UInt(424);
    for (int i = 0; i < kMeals; ++i) {
        r.mealOn[i] = static_cast<qint16>(rd.Int(static_cast<quint16>(425 + i)));
        r.mealHour[i] = static_cast<qint16>(rd.Int(static_cast<quint16>(431 + i)));
        r.mealShare[i] = static_cast<qint16>(rd.Int(static_cast<quint16>(437 + i)));
    }
    r.flags = rd.UInt(443);
    for (int i = 0; i < kEnergyShareCount; ++i)
        r.amountGoals[i] = rd.Double(static_cast<quint16>(444 + i));
    for (int i = 0; i < kParams; ++i) {
        r.paramNames[i] = rd.Text(static_cast<quint16>(452 + i));
        r.paramUnits[i] = rd.Text(static_cast<quint16>(456 + i));
        r.paramGoals[i] = rd.Double(static_cast<quint16>(460 + i));
    }
    r.graphQuantity[0] = static_cast<qint16>(rd.Int(474));
    r.graphQuantity[1] = static_cast<qint16>(rd.Int(475));
    r.userCalories = rd.Double(473);
    r.summaryLines = DecodeSummaryLines(rd.Text(476));
    r.columnOrder = rd.Text(477);
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
