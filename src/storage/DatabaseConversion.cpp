#include "DatabaseConversion.h"

#include "platform/IMessageBox.h"
#include "platform/NumberText.h"
#include "platform/WaitCursorScope.h"
#include "profile/EnergyRules.h"
#include "storage/CDiaryTable.h"
#include "storage/CFoodTable.h"
#include "storage/CMealTable.h"
#include "storage/CMeasuresTable.h"
#include "storage/CProfileTable.h"
#include "storage/CSubFoodTable.h"
#include "storage/CTreeTable.h"
#include "storage/RecordReader.h"

#include <QCoreApplication>
#include <map>
#include <set>

namespace {

// A number of an old record: kept as text there, as a double in the current format.
double Number(const RecordReader& r, quint16 id)
{
    const PropVal* p = r.Find(id);
    if (!p)
        return 0.0;
    return p->Type() == PropType::LpWstr ? NumberText::ToDouble(p->ToText()) : p->ToDouble();
}

std::vector<PropVal> Read(CDbTable& table)
{
    std::vector<PropVal> props;
    table.Store().ReadProps(table.Handle(), &props);
    return props;
}

// Removes the listed properties of the current record one by one, whatever their old type.
void RemoveOld(CDbTable& table, const std::vector<PropVal>& props, const std::vector<quint16>& ids)
{
    for (quint16 id : ids) {
        for (const PropVal& p : props) {
            if (p.Id() == id)
                table.Store().RemoveProps(table.Handle(), {{id, p.Type()}});
        }
    }
}

std::vector<quint16> Range(quint16 first, quint16 last)
{
    std::vector<quint16> ids;
    for (quint16 id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

template <typename T> std::vector<T> Join(std::vector<T> a, const std::vector<T>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

DatabaseConversion::DatabaseConversion(RecordStore& store, const Clock& clock, IMessageBox* messages,
                                       IWaitCursor* waitCursor)
    : m_store(store), m_clock(clock), m_messages(messages), m_waitCursor(waitCursor)
{
}

bool DatabaseConversion::Run()
{
    const bool converted = ConvertTo20();
    const bool tree = ConvertTreeTo31();
    const bool repaired = RepairTree();
    // Folders that imports before wrote among the foods are gathered, so that the two checks
    // above read a few pages of the file at the next start, not most of it.
    CTreeTable folders(m_store);
    if (folders.Reopen(CTreeTable::kNodeProp))
        m_store.GatherRecords(folders.Handle());
    return converted || tree || repaired;
}

bool DatabaseConversion::ConvertTo20()
{
    {
        CFoodTable foods(m_store);
        if (!foods.First() || Read(foods).size() == CFoodTable::kPropertyCount)
            return false;
    }
    if (m_messages)
        m_messages->Tell(QCoreApplication::translate(
                             "DatabaseConversion",
                             "Vellamo databases will be converted to version 2.0 format. Please wait!"),
                         IMessageBox::Icon::None);
    WaitCursorScope wait(m_waitCursor);
    RecordStore::Batch batch(m_store);
    ConvertFoods();
    ConvertComponents();
    ConvertDays();
    ConvertEntries();
    ConvertServings();
    ConvertProfiles();
    return batch.Commit();
}

void DatabaseConversion::ConvertFoods()
{
    CFoodTable foods(m_store);
    // Every number was text, and the energy was not kept.
    static const std::vector<quint16> changed = Join(
        std::vector<quint16>(CFoodTable::kNutrientProps.begin() + 1, CFoodTable::kNutrientProps.end()),
        {CFoodTable::kReferenceWeightProp, CFoodTable::kComponentCountProp, CFoodTable::kDefaultServingProp});
    for (RecordOid o = foods.First(); o; o = foods.Next()) {
        const std::vector<PropVal> props = Read(foods);
        if (props.size() == CFoodTable::kPropertyCount)
            continue;
        const RecordReader r(props);
        FoodRecord& f = foods.Buffer();
        f = FoodRecord();
        f.id = r.UInt(CDbTable::kIdProp);
        f.folderId = r.UInt(CFoodTable::kFolderProp);
        f.name = r.Text(CFoodTable::kNameProp);
        for (int n = 0; n < kNutrientCount; ++n)
            f.values.amounts[n] = Number(r, CFoodTable::kNutrientProps[n]);
        f.values[Nutrient::Energy] =
            FoodEnergyFromMacros(f.values[Nutrient::Protein], f.values[Nutrient::Fat],
                                 f.values[Nutrient::Carbohydrate], f.values[Nutrient::Alcohol]);
        f.referenceWeight = Number(r, CFoodTable::kReferenceWeightProp);
        f.componentCount = r.UInt(CFoodTable::kComponentCountProp);
        f.defaultServingId = r.UInt(CFoodTable::kDefaultServingProp);
        RemoveOld(foods, props, changed);
        foods.Save();
    }
}

void DatabaseConversion::ConvertComponents()
{
    CSubFoodTable parts(m_store);
    std::set<quint32> composites;
    for (RecordOid o = parts.First(); o; o = parts.Next())
        composites.insert(RecordReader(Read(parts)).UInt(CSubFoodTable::kCompositeProp));
    for (quint32 id : composites) {
        const PropVal key = PropVal::UI4(CSubFoodTable::kCompositeProp, id);
        std::vector<ComponentRecord> rows;
        std::vector<RecordOid> oids;
        for (RecordOid o = m_store.FindFirstEqual(parts.Handle(), key); o;
             o = m_store.FindNextEqual(parts.Handle(), key)) {
            oids.push_back(o);
            if (rows.size() >= 64)
                continue;
            const std::vector<PropVal> props = Read(parts);
            const RecordReader r(props);
            rows.push_back({id, r.UInt(CSubFoodTable::kComponentProp), Number(r, CSubFoodTable::kWeightProp),
                            r.Text(CSubFoodTable::kServingNameProp),
                            Number(r, CSubFoodTable::kServingsProp)});
        }
        for (RecordOid o : oids)
            m_store.RemoveRecord(parts.Handle(), o);
        for (const ComponentRecord& row : rows) {
            parts.Buffer() = row;
            parts.NewRecord();
        }
    }
}

void DatabaseConversion::ConvertDays()
{
    CDiaryTable days(m_store, m_clock);
    days.Reopen(CDbTable::kIdProp);
    for (RecordOid o = days.First(); o; o = days.Next()) {
        const std::vector<PropVal> props = Read(days);
        if (props.size() == CDiaryTable::kPropertyCount)
            continue;
        const RecordReader r(props);
        DayRecord& d = days.Buffer();
        d = DayRecord();
        d.id = r.UInt(CDbTable::kIdProp);
        const quint16 energy = CDiaryTable::kNutrientProps[static_cast<int>(Nutrient::Energy)];
        d.date = r.Time(CDiaryTable::kDateProp);
        d.profileId = r.UInt(CDiaryTable::kProfileProp);
        d.weight = Number(r, CDiaryTable::kWeightProp);
        d.values[Nutrient::Energy] = Number(r, energy);
        RemoveOld(days, props,
                  {CDiaryTable::kWeightProp, energy, CDiaryTable::kDateProp, CDiaryTable::kProfileProp});
        days.Save(); // offers the day to the companion, as every day save does
    }
    days.Reopen(CDiaryTable::kDateProp);
}

void DatabaseConversion::ConvertEntries()
{
    CMealTable entries(m_store);
    entries.Reopen(CDbTable::kIdProp);
    for (RecordOid o = entries.First(); o; o = entries.Next()) {
        const std::vector<PropVal> props = Read(entries);
        const RecordReader r(props);
        const PropVal* weight = r.Find(CMealTable::kWeightProp);
        if (!weight || weight->Type() != PropType::LpWstr)
            continue;
        EntryRecord& e = entries.Buffer();
        e = EntryRecord();
        e.id = r.UInt(CDbTable::kIdProp);
        e.dayId = r.UInt(CMealTable::kDayProp);
        e.foodId = r.UInt(CMealTable::kFoodProp);
        e.weight = Number(r, CMealTable::kWeightProp);
        e.time = r.Time(CMealTable::kTimeProp);
        e.servings = Number(r, CMealTable::kServingsProp);
        e.servingName = r.Text(CMealTable::kServingNameProp);
        e.activity = r.UInt(CMealTable::kActivityProp);
        e.minutes = r.UInt(CMealTable::kMinutesProp);
        RemoveOld(entries, props,
                  {CMealTable::kTimeProp, CMealTable::kServingNameProp, CMealTable::kActivityProp,
                   CMealTable::kMinutesProp, CMealTable::kWeightProp, CMealTable::kServingsProp});
        entries.Save();
    }
    entries.Reopen(CMealTable::kDayProp);
}

void DatabaseConversion::ConvertServings()
{
    CMeasuresTable servings(m_store);
    servings.Reopen(CDbTable::kIdProp);
    for (RecordOid o = servings.First(); o; o = servings.Next()) {
        const std::vector<PropVal> props = Read(servings);
        const RecordReader r(props);
        const PropVal* weight = r.Find(CMeasuresTable::kWeightProp);
        if (!weight || weight->Type() != PropType::LpWstr)
            continue;
        ServingRecord& s = servings.Buffer();
        s = {r.UInt(CDbTable::kIdProp), r.UInt(CMeasuresTable::kFoodProp),
             r.Text(CMeasuresTable::kDescriptionProp), Number(r, CMeasuresTable::kWeightProp)};
        RemoveOld(servings, props, {CMeasuresTable::kDescriptionProp, CMeasuresTable::kWeightProp});
        servings.Save();
    }
    servings.Reopen(CMeasuresTable::kFoodProp);
}

void DatabaseConversion::ConvertProfiles()
{
    CProfileTable profiles(m_store, m_clock);
    std::vector<RecordOid> oids;
    for (RecordOid o = profiles.First(); o && oids.size() < kMaxProfiles; o = profiles.Next())
        oids.push_back(o);
    // Every number was text.
    using P = CProfileTable;
    static const std::vector<quint16> changed =
        Join(Join(std::vector<quint16>{P::kReserved405Prop, P::kStartWeightProp, P::kTargetWeightProp,
                                       P::kHeightProp, P::kGenderProp, P::kAgeProp, P::kWeeklyLossProp,
                                       P::kStartDateProp},
                  std::vector<quint16>(P::kShareGoalProps.begin(), P::kShareGoalProps.end())),
             Join(Range(P::kSodiumGoalProp, P::kCholesterolGoalProp),
                  Join(Range(P::kFirstAmountGoalProp, P::kFirstAmountGoalProp + kEnergyShareCount - 1),
                       {P::kWarningsProp, P::kFiltersProp, P::kFlagsProp})));
    for (RecordOid o : oids) {
        if (!profiles.GoTo(o))
            continue;
        const std::vector<PropVal> props = Read(profiles);
        if (props.size() == CProfileTable::kPropertyCount)
            continue;
        const RecordReader r(props);
        ProfileRecord& p = profiles.Buffer();
        p = ProfileRecord();
        p.id = r.UInt(CDbTable::kIdProp);
        p.name = r.Text(P::kNameProp);
        p.startWeight = Number(r, P::kStartWeightProp);
        p.targetWeight = Number(r, P::kTargetWeightProp);
        p.reserved405 = Number(r, P::kReserved405Prop);
        p.height = Number(r, P::kHeightProp);
        p.gender = static_cast<qint16>(r.Int(P::kGenderProp));
        p.age = static_cast<qint16>(r.Int(P::kAgeProp));
        p.weeklyLoss = Number(r, P::kWeeklyLossProp);
        p.startDate = r.Time(P::kStartDateProp);
        for (int i = 0; i < kEnergyShareCount; ++i) {
            p.shareGoals[i] = Number(r, P::kShareGoalProps[i]);
            p.amountGoals[i] = Number(r, static_cast<quint16>(P::kFirstAmountGoalProp + i));
        }
        p.fiberGoal = Number(r, P::kFiberGoalProp);
        p.sodiumGoal = Number(r, P::kSodiumGoalProp);
        p.cholesterolGoal = Number(r, P::kCholesterolGoalProp);
        p.warningsMask = r.UInt(P::kWarningsProp);
        p.filtersMask = r.UInt(P::kFiltersProp);
        for (int i = 0; i < ProfileRecord::kMeals; ++i) {
            p.mealOn[i] = static_cast<qint16>(r.Int(static_cast<quint16>(P::kFirstMealOnProp + i)));
            p.mealHour[i] = static_cast<qint16>(r.Int(static_cast<quint16>(P::kFirstMealHourProp + i)));
            p.mealShare[i] = static_cast<qint16>(r.Int(static_cast<quint16>(P::kFirstMealShareProp + i)));
        }
        p.flags = r.UInt(P::kFlagsProp);
        RemoveOld(profiles, props, changed);
        profiles.Save();
    }
}

bool DatabaseConversion::ConvertTreeTo31()
{
    if (!CTreeTable(m_store).HasRootRecord())
        return false;
    if (m_messages)
        m_messages->Tell(QCoreApplication::translate(
                             "DatabaseConversion",
                             "Nutrient Database will be converted from version 3.0 or earlier to version "
                             "3.1. Only two levels of folders are allowed in version 3.1. Folders at "
                             "deeper levels will be moved to Root folder."),
                         IMessageBox::Icon::None);
    RebuildTree();
    return true;
}

bool DatabaseConversion::RepairTree()
{
    if (!CTreeTable(m_store).HasDuplicateIds())
        return false;
    if (m_messages)
        m_messages->Tell(QCoreApplication::translate(
                             "DatabaseConversion",
                             "An error in the Nutrient Database has been detected. The program will "
                             "attempt to correct the problem."),
                         IMessageBox::Icon::None);
    RebuildTree();
    return true;
}

void DatabaseConversion::RebuildTree()
{
    CTreeTable tree(m_store);
    tree.Reopen(CTreeTable::kNodeProp);
    if (!tree.First())
        return;
    WaitCursorScope wait(m_waitCursor);
    RecordStore::Batch batch(m_store);

    // The stored Root: its id becomes 0, its records go.
    quint32 rootId = 0;
    std::vector<RecordOid> roots;
    for (RecordOid o = tree.First(); o; o = tree.Next()) {
        if (tree.Load() && tree.Buffer().name == QLatin1String("Root")) {
            rootId = tree.Buffer().id;
            roots.push_back(o);
        }
    }
    for (RecordOid o : roots)
        m_store.RemoveRecord(tree.Handle(), o);

    std::map<quint32, quint32> ids{{rootId, 0}};
    std::vector<FolderRecord> folders;
    for (RecordOid o = tree.First(); o && folders.size() < static_cast<size_t>(kMaxFolders);
         o = tree.Next()) {
        if (!tree.Load() || ids.count(tree.Buffer().id))
            continue; // a duplicate id, or one equal to Root's
        ids[tree.Buffer().id] = tree.Buffer().originId;
        folders.push_back(tree.Buffer());
    }
    for (FolderRecord& f : folders) {
        f.id = f.originId;
        const auto parent = ids.find(f.parentId);
        if (parent != ids.end())
            f.parentId = parent->second;
    }
    std::set<quint32> firstLevel;
    for (const FolderRecord& f : folders) {
        if (f.parentId == 0)
            firstLevel.insert(f.id);
    }
    for (FolderRecord& f : folders) {
        if (f.parentId != 0 && !firstLevel.count(f.parentId))
            f.parentId = 0;
    }

    m_store.DeleteAllRecords(tree.Handle());
    for (const FolderRecord& f : folders) {
        tree.NewRecord(f.id);
        tree.Buffer() = f;
        tree.Save();
    }
    batch.Commit();
}
