#pragma once

#include "platform/Clock.h"
#include "storage/CRecordTable.h"
#include "storage/NutrientValues.h"

#include <array>

struct DayRecord
{
    quint32 id = 0;
    FileTime date; // 00:00
    quint32 profileId = 0;
    double weight = 0.0; // kg, 0 = none entered
    std::array<double, 4> params{};
    NutrientValues values; // the day's amounts as last computed
    double exercise = 0.0; // kcal spent in exercises
};

// ZELDiary: one record per profile and day. It also keeps the day figures shared with the
// companion training log in RVLZEL_EXCHANGE, which it opens only for one load or save.
class CDiaryTable : public CRecordTable<DayRecord>
{
public:
    static constexpr quint16 kDateProp = 502;
    static constexpr quint16 kProfileProp = 503;
    static constexpr quint16 kWeightProp = 504;
    // The four body parameters' values, 506 to 509.
    static constexpr quint16 kFirstParamProp = 506;
    static constexpr quint16 kExerciseProp = 529;
    // Written as 0, read by nobody.
    static constexpr std::array<quint16, 9> kReservedProps = {521, 522, 523, 524, 525, 526, 527, 528, 530};
    static constexpr int kPropertyCount = 30;
    // ZELDiary property of each nutrient amount, in Nutrient order.
    static constexpr std::array<quint16, kNutrientCount> kNutrientProps = {505, 510, 511, 515, 516, 517,
                                                                           512, 518, 513, 514, 519, 520};
    static constexpr const char* kExchangeName = "RVLZEL_EXCHANGE";
    static constexpr quint16 kExDateProp = 1000;
    static constexpr quint16 kExStampProp = 1001;
    static constexpr quint16 kExProfileProp = 1002;
    static constexpr quint16 kExIntakeProp = 1003;
    static constexpr quint16 kExExpenditureProp = 1004;
    static constexpr quint16 kExWeightProp = 1005;

    // One record of the exchange database.
    struct Exchange
    {
        FileTime date;
        quint32 stamp = 0; // seconds since 1970, local time
        quint32 profileId = 0;
        double intake = 0.0;
        double expenditure = 0.0;
        double weight = 0.0;
    };

    CDiaryTable(RecordStore& store, const Clock& clock);

    bool OpenTable() override;
    quint32 NewRecord() override;
    // Reads the day record; with companion exercises on, merges the companion's figures.
    bool Load() override;
    // Writes the day record and offers its figures to the companion in the same transaction.
    bool Save() override;

    bool FindDay(FileTime date, quint32 profileId);
    bool SeekDay(FileTime date, quint32 profileId);
    bool PreviousDayOfProfile(quint32 profileId);
    bool NextDayOfProfile(quint32 profileId);

    // The open profile's "Use exercises from Ravelin" setting, which Load follows.
    void SetUseCompanionExercises(bool on) { m_useCompanion = on; }

    // With companion exercises on, takes the companion's expenditure (0 without a record) and,
    // when it has one, its weight into the buffer.
    void MergeCompanionFigures();
    // The exchange record of a profile's day, looked up in one opening of the exchange database.
    bool LookUpExchange(FileTime date, quint32 profileId, Exchange* out);

    // Exchange steps; the exchange handle must be open.
    bool FindExchange(FileTime date, quint32 profileId);
    void AddExchange(FileTime date, quint32 profileId);
    void UpdateExchange();

private:
    std::vector<PropVal> Props() const override;
    void FromProps(const RecordReader& r) override;
    bool OpenExchange();
    void CloseExchange();

    const Clock& m_clock;
    bool m_useCompanion = false;
    DbHandle m_exHandle;
    RecordOid m_exOid = 0;
    Exchange m_exchange;
};
