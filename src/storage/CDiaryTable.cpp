#include "CDiaryTable.h"

#include "storage/RecordReader.h"

namespace {

const QString kExchangeDb = QString::fromLatin1(CDiaryTable::kExchangeName);

} // namespace

CDiaryTable::CDiaryTable(RecordStore& store, const Clock& clock)
    : CRecordTable(store, QStringLiteral("ZELDiary"), 500,
                   {{kIdProp, PropType::UI4}, {kDateProp, PropType::FileTime}}, kDateProp),
      m_clock(clock)
{
    CDiaryTable::OpenTable();
}

bool CDiaryTable::OpenTable()
{
    const bool ok = CDbTable::OpenTable();
    m_store.CreateDb(kExchangeDb, 1000, {{kExDateProp, PropType::FileTime}, {kExProfileProp, PropType::UI4}});
    return ok;
}

std::vector<PropVal> CDiaryTable::Props() const
{
    std::vector<PropVal> p;
    p.reserve(kPropertyCount);
    p.push_back(PropVal::UI4(kIdProp, m_rec.id));
    p.push_back(PropVal::Time(kDateProp, m_rec.date));
    p.push_back(PropVal::UI4(kProfileProp, m_rec.profileId));
    p.push_back(PropVal::R8(kWeightProp, m_rec.weight));
    for (int i = 0; i < 4; ++i)
        p.push_back(PropVal::R8(static_cast<quint16>(kFirstParamProp + i), m_rec.params[i]));
    for (int i = 0; i < kNutrientCount; ++i)
        p.push_back(PropVal::R8(kNutrientProps[i], m_rec.values.amounts[i]));
    for (size_t i = 0; i < 7; ++i)
        p.push_back(PropVal::R8(kReservedProps[i], 0.0));
    p.push_back(PropVal::R8(kExerciseProp, m_rec.exercise));
    for (size_t i = 7; i < kReservedProps.size(); ++i)
        p.push_back(PropVal::R8(kReservedProps[i], 0.0)); // after the exercise, as stored
    return p;
}

quint32 CDiaryTable::NewRecord()
{
    return AddRecord([&] { return NextIdThenReopen(kDateProp); });
}

void CDiaryTable::FromProps(const RecordReader& r)
{
    m_rec.id = r.UInt(kIdProp);
    m_rec.date = r.Time(kDateProp);
    m_rec.profileId = r.UInt(kProfileProp);
    m_rec.weight = r.Double(kWeightProp);
    for (int i = 0; i < 4; ++i)
        m_rec.params[i] = r.Double(static_cast<quint16>(kFirstParamProp + i));
    m_rec.values = NutrientValues();
    for (int i = 0; i < kNutrientCount; ++i)
        m_rec.values.amounts[i] = r.Double(kNutrientProps[i]);
    m_rec.exercise = r.Double(kExerciseProp);
}

bool CDiaryTable::Load()
{
    if (!CRecordTable::Load())
        return false;
    MergeCompanionFigures();
    return true;
}

void CDiaryTable::MergeCompanionFigures()
{
    if (!m_useCompanion)
        return;
    Exchange found;
    if (LookUpExchange(m_rec.date, m_rec.profileId, &found)) {
        m_rec.exercise = found.expenditure;
        if (found.weight > 0)
            m_rec.weight = found.weight;
    } else {
        m_rec.exercise = 0;
    }
}

bool CDiaryTable::LookUpExchange(FileTime date, quint32 profileId, Exchange* out)
{
    if (!OpenExchange())
        return false;
    const bool found = FindExchange(date, profileId);
    if (found && out)
        *out = m_exchange;
    CloseExchange();
    return found;
}

bool CDiaryTable::Save()
{
    // One transaction, so a companion write between the look-up and the update is not lost.
    RecordStore::Batch batch(m_store);
    if (!CRecordTable::Save()) {
        batch.Abandon();
        return false;
    }
    if (OpenExchange()) {
        if (FindExchange(m_rec.date, m_rec.profileId))
            UpdateExchange();
        else
            AddExchange(m_rec.date, m_rec.profileId);
        CloseExchange();
    }
    return batch.Commit();
}

bool CDiaryTable::OpenExchange()
{
    return m_store.OpenDb(m_exHandle, kExchangeDb, kExDateProp);
}

void CDiaryTable::CloseExchange()
{
    m_store.CloseDb(m_exHandle);
    m_exOid = 0;
}

bool CDiaryTable::FindExchange(FileTime date, quint32 profileId)
{
    m_exOid = 0;
    if (m_store.IsEmpty(m_exHandle))
        return false;
    m_store.GoToIndex(m_exHandle, 0, false);
    const PropVal key = PropVal::Time(kExDateProp, date);
    static const std::vector<quint16> ids = {kExDateProp,   kExStampProp,       kExProfileProp,
                                             kExIntakeProp, kExExpenditureProp, kExWeightProp};
    for (RecordOid oid = m_store.FindFirstEqual(m_exHandle, key); oid;
         oid = m_store.FindNextEqual(m_exHandle, key)) {
        m_store.GoToRecord(m_exHandle, oid);
        std::vector<PropVal> props;
        if (!m_store.ReadProps(m_exHandle, &props, &ids))
            continue;
        const RecordReader r(props);
        if (r.UInt(kExProfileProp) != profileId)
            continue;
        m_exchange.date = r.Time(kExDateProp);
        m_exchange.stamp = r.UInt(kExStampProp);
        m_exchange.profileId = r.UInt(kExProfileProp);
        m_exchange.intake = r.Double(kExIntakeProp);
        m_exchange.expenditure = r.Double(kExExpenditureProp);
        m_exchange.weight = r.Double(kExWeightProp);
        m_exOid = oid;
        return true;
    }
    return false;
}

void CDiaryTable::AddExchange(FileTime date, quint32 profileId)
{
    const double intake = m_rec.values[Nutrient::Energy];
    if (intake <= 0 && m_rec.weight <= 0)
        return;
    m_store.WriteProps(m_exHandle, RecordStore::WriteTarget::New,
                       {PropVal::Time(kExDateProp, date),
                        PropVal::UI4(kExStampProp, m_clock.NowFileTime().SecondsSince1970()),
                        PropVal::UI4(kExProfileProp, profileId), PropVal::R8(kExIntakeProp, intake),
                        PropVal::R8(kExExpenditureProp, 0.0), PropVal::R8(kExWeightProp, m_rec.weight)});
}

void CDiaryTable::UpdateExchange()
{
    if (m_exOid == 0 || !m_store.GoToRecord(m_exHandle, m_exOid))
        return;
    const double intake = m_rec.values[Nutrient::Energy];
    if (m_exchange.expenditure == 0 && intake == 0 && m_rec.weight == 0) {
        m_store.RemoveRecord(m_exHandle, m_exOid);
        return;
    }
    m_store.WriteProps(m_exHandle, RecordStore::WriteTarget::Current,
                       {PropVal::Time(kExDateProp, m_exchange.date),
                        PropVal::UI4(kExStampProp, m_clock.NowFileTime().SecondsSince1970()),
                        PropVal::UI4(kExProfileProp, m_rec.profileId), PropVal::R8(kExIntakeProp, intake),
                        PropVal::R8(kExExpenditureProp, m_exchange.expenditure),
                        PropVal::R8(kExWeightProp, m_rec.weight)});
}

bool CDiaryTable::SeekDay(FileTime date, quint32 profileId)
{
    if (m_store.IsEmpty(m_handle))
        return false;
    m_store.GoToIndex(m_handle, 0, false);
    const PropVal key = PropVal::Time(kDateProp, date);
    for (RecordOid oid = m_store.FindFirstEqual(m_handle, key); oid;
         oid = m_store.FindNextEqual(m_handle, key)) {
        if (Load() && m_rec.profileId == profileId)
            return true;
    }
    return false;
}

bool CDiaryTable::FindDay(FileTime date, quint32 profileId)
{
    const RecordOid remembered = CurrentRecord();
    if (SeekDay(date, profileId))
        return true;
    GoTo(remembered);
    return false;
}

bool CDiaryTable::PreviousDayOfProfile(quint32 profileId)
{
    while (m_store.GoPrevious(m_handle)) {
        if (Load() && m_rec.profileId == profileId)
            return true;
    }
    return false;
}

bool CDiaryTable::NextDayOfProfile(quint32 profileId)
{
    while (m_store.GoNext(m_handle)) {
        if (Load() && m_rec.profileId == profileId)
            return true;
    }
    return false;
}
