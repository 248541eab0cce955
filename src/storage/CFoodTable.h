#pragma once

#include "storage/CRecordTable.h"
#include "storage/NutrientValues.h"

struct FoodRecord
{
    quint32 id = 0;
    quint32 folderId = 0; // 0 = Root
    QString name;
    NutrientValues values; // amounts per 100 g
    quint32 componentCount = 0;
    double referenceWeight = 0.0; // g
    quint32 defaultServingId = 0;
};

// ZELFood: one record per food, values per 100 g.
class CFoodTable : public CRecordTable<FoodRecord>
{
public:
    static constexpr quint16 kFolderProp = 202;
    static constexpr quint16 kNameProp = 203;
    static constexpr quint16 kComponentCountProp = 216;
    static constexpr quint16 kReferenceWeightProp = 217;
    static constexpr quint16 kDefaultServingProp = 218;
    // Written as 0, read by nobody: 220 to 229.
    static constexpr quint16 kFirstReservedProp = 220;
    static constexpr int kReservedCount = 10;
    static constexpr int kPropertyCount = 29;
    // ZELFood property of each nutrient amount, in Nutrient order.
    static constexpr std::array<quint16, kNutrientCount> kNutrientProps = {219, 204, 205, 209, 210, 211,
                                                                           206, 212, 207, 208, 214, 215};

    explicit CFoodTable(RecordStore& store);

    quint32 NewRecord() override { return NewRecord(0); }
    // id 0 takes NextId.
    quint32 NewRecord(quint32 id);

private:
    std::vector<PropVal> Props() const override;
    void FromProps(const RecordReader& r) override;
};
