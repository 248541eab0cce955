#include "CFoodDBDoc.h"

#include "diary/ActivityTable.h"
#include "diary/IDatePicker.h"
#include "diary/IDocumentObserver.h"
#include "diary/IExerciseDatabaseDialog.h"
#include "diary/IExercisePropertiesDialog.h"
#include "diary/IFoodChooser.h"
#include "diary/IMealPropertiesDialog.h"
#include "diary/MealsPattern.h"
#include "diary/RequirementChecks.h"
#include "profile/EnergyRules.h"
#include "profile/Measures.h"

#include <QCoreApplication>
#include <algorithm>

CFoodDBDoc::CFoodDBDoc(RecordStore& store, const Clock& clock)
    : m_store(store), m_clock(clock), m_recent(store), m_measures(store), m_foods(store), m_meals(store),
      m_profiles(store, clock), m_diary(store, clock), m_sumFoods(store), m_subFoods(store),
      m_foodRecords(m_sumFoods, m_subFoods), m_plan(store, clock), m_currentDate(clock.Today())
{
}

CFoodDBDoc::~CFoodDBDoc() = default;

void CFoodDBDoc::AddObserver(IDocumentObserver* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CFoodDBDoc::RemoveObserver(IDocumentObserver* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CFoodDBDoc::UpdateAllViews()
{
    const std::vector<IDocumentObserver*> views = m_views; // a view may detach while updating
    for (IDocumentObserver* v : views)
        v->OnDocumentUpdate();
}

// ---- profiles ----------------------------------------------------------------------------------

void CFoodDBDoc::ProfileOpened()
{
    m_profileOpen = true;
    SetMeasures(Profile().flags);
    m_diary.SetUseCompanionExercises(Profile().Has(CProfileTable::kCompanionExercises));
}

bool CFoodDBDoc::SaveProfile()
{
    if (!m_profileOpen || !m_profiles.FindId(Profile().id))
        return false;
    const bool ok = m_profiles.Save();
    ProfileOpened(); // settings may have changed units or the companion option
    return ok;
}

bool CFoodDBDoc::OpenMarkedProfile()
{
    for (RecordOid o = m_profiles.First(); o; o = m_profiles.Next()) {
        if (m_profiles.Load() && Profile().Has(CProfileTable::kOpen)) {
            ProfileOpened();
            return true;
        }
    }
    m_profileOpen = false;
    return false;
}

bool CFoodDBDoc::OpenProfile(quint32 id)
{
    if (!m_profiles.FindId(id))
        return false;
    ClearOpenMarks();
    if (!m_profiles.FindId(id) || !m_profiles.Load())
        return false;
    Profile().Set(CProfileTable::kOpen, true);
    m_profiles.Save();
    ProfileOpened();
    UpdateAllViews();
    return true;
}

quint32 CFoodDBDoc::NewProfile()
{
    ClearOpenMarks();
    const quint32 id = m_profiles.NewRecord();
    if (id == 0)
        return 0;
    Profile().Set(CProfileTable::kOpen, true);
    m_profiles.Save();
    ProfileOpened();
    UpdateAllViews();
    return id;
}

void CFoodDBDoc::ClearOpenMarks()
{
    // Every profile: a mark left behind would open the wrong profile at the next start.
    for (RecordOid o = m_profiles.First(); o; o = m_profiles.Next()) {
        if (!m_profiles.Load() || !Profile().Has(CProfileTable::kOpen))
            continue;
        Profile().Set(CProfileTable::kOpen, false);
        m_profiles.Save();
    }
    m_profileOpen = false;
}

bool CFoodDBDoc::DeleteProfile(quint32 id)
{
    // Tables of our own: the document's cursors stay valid for what remains.
    CDiaryTable days(m_store, m_clock);
    CMealTable entries(m_store);
    CProfileTable profiles(m_store, m_clock);
    if (!profiles.FindId(id))
        return false;
    RecordStore::Batch batch(m_store);
    RecordOid o = days.First();
    while (o) {
        if (!days.Load() || days.Buffer().profileId != id) {
            o = days.Next();
            continue;
        }
        const quint32 dayId = days.Buffer().id;
        while (entries.FirstOfDay(dayId))
            entries.DeleteCurrent();
        days.DeleteCurrent();
        o = days.Next(); // the cursor keeps its place in the order after its record is gone
    }
    if (profiles.FindId(id))
        profiles.DeleteCurrent();
    if (!batch.Commit())
        return false;
    if (m_profileOpen && Profile().id == id)
        m_profileOpen = false;
    return true;
}

// ---- the displayed day -----------------------------------------------------------------------

void CFoodDBDoc::SetCurrentDate(const IDatePicker& picker)
{
    SetCurrentDate(picker.Date());
}

void CFoodDBDoc::ShowCurrentDate(IDatePicker& picker) const
{
    picker.SetDate(m_currentDate);
}

void CFoodDBDoc::OpenDay()
{
    const quint32 profile = Profile().id;
    // Looked up and made under one write lock: another writer cannot make the same day between.
    RecordStore::Batch batch(m_store);
    if (m_diary.FindDay(m_currentDate, profile))
        return;
    if (!m_diary.NewRecord()) {
        batch.Abandon();
        return;
    }
    DayRecord& day = m_diary.Buffer();
    day.date = m_currentDate;
    day.profileId = profile;
    // A new day takes what the companion already recorded for it, so the first save keeps it.
    m_diary.MergeCompanionFigures();
    if (!m_diary.Save())
        batch.Abandon();
    if (!batch.Commit())
        m_diary.FindDay(m_currentDate, profile); // nothing made: the cursor leaves the rolled-back record
}

bool CFoodDBDoc::RefreshIfChangedElsewhere()
{
    if (!m_profileOpen || m_store.DataVersion() == m_seenVersion)
        return false;
    OpenDay();
    ComputeDay(m_diary.Buffer().id);
    return true;
}

void CFoodDBDoc::SaveDay(double weightKg, const std::array<double, 4>& params)
{
    // Figures computed before another program added to the day would overwrite its work; under
    // the write lock no other program can add between the look and the write.
    RecordStore::Batch batch(m_store);
    RefreshIfChangedElsewhere();
    DayRecord& day = m_diary.Buffer();
    day.date = m_currentDate;
    day.profileId = Profile().id;
    day.weight = weightKg;
    day.params = params;
    m_diary.Save();
}

void CFoodDBDoc::SaveDay()
{
    SaveDay(m_diary.Buffer().weight, m_diary.Buffer().params);
}

void CFoodDBDoc::ComputeDay(quint32 dayId)
{
    RecordStore::Snapshot snapshot(m_store);
    m_seenVersion = m_store.DataVersion();
    const LocalDateTime now = m_clock.Now();
    const FileTime today = FileTime::FromLocal(now).Date();
    m_weight = m_plan.WeightOnDay(Profile(), today);
    m_requiredCalories = m_plan.RequiredCalories(Profile(), today);
    m_diary.FindDay(m_currentDate, Profile().id);

    m_totals = NutrientValues();
    m_expenditure = 0.0;
    m_meals.ForEachOfDay(dayId, [this](const EntryRecord& e) {
        if (e.IsExercise()) {
            m_expenditure += ExerciseCalories(e.activity, e.minutes, m_weight);
        } else {
            FoodData food;
            m_foodRecords.LoadFood(e.foodId, &food);
            AddScaledFood(m_totals, food.values, e.weight);
        }
        return true;
    });
    if (Profile().Has(CProfileTable::kCompanionExercises)) {
        CDiaryTable::Exchange found;
        m_expenditure = m_diary.LookUpExchange(m_currentDate, Profile().id, &found) ? found.expenditure : 0.0;
    }
    if (Profile().userCalories > 0)
        m_calorieFigure = Profile().userCalories + m_expenditure;
    else
        m_calorieFigure = m_requiredCalories -
                          Profile().weeklyLoss * (1.0 / 7) * Energy::kKcalPerKgBodyWeight + m_expenditure;
    m_fraction = MealsPatternFraction(now.hour);

    DayRecord& day = m_diary.Buffer();
    day.values.amounts = m_totals.amounts;
    day.exercise = m_expenditure;
}

// ---- changes -----------------------------------------------------------------------------------

FileTime CFoodDBDoc::WithTimeOfDay(FileTime date, int hour, int minute) const
{
    LocalDateTime t = date.ToLocal();
    t.hour = hour;
    t.minute = minute;
    return FileTime::FromLocal(t);
}

CFoodDBDoc::Serving CFoodDBDoc::DefaultServing(quint32 foodId)
{
    Serving s;
    if (!m_foods.FindId(foodId) || !m_foods.Load())
        return s;
    const FoodRecord& food = m_foods.Buffer();
    const double weight = m_measures.ServingWeight(food.defaultServingId);
    if (weight == 0) {
        s.name = QStringLiteral("Reference weight");
        s.grams = food.referenceWeight;
    } else {
        s.name = m_measures.ServingName(food.defaultServingId);
        s.grams = weight;
    }
    return s;
}

quint32 CFoodDBDoc::AddEntry(const EntryRecord& fields)
{
    if (!m_diary.CurrentRecord())
        return 0;
    // The entry is written whole or not at all.
    RecordStore::Batch batch(m_store);
    const quint32 id = m_meals.NewRecord();
    EntryRecord& e = m_meals.Buffer();
    e = fields;
    e.id = id;
    e.dayId = m_diary.Buffer().id;
    if (id == 0 || !m_meals.Save())
        batch.Abandon();
    return batch.Commit() ? id : 0;
}

quint32 CFoodDBDoc::AddMealEntry(quint32 foodId, double grams, double servings, const QString& servingName,
                                 FileTime time)
{
    EntryRecord e;
    e.foodId = foodId;
    e.weight = grams;
    e.servings = servings;
    e.servingName = servingName;
    e.time = time;
    return AddEntry(e);
}

std::vector<quint32> CFoodDBDoc::CopyEntries(FileTime from, const std::vector<quint32>& ids, FileTime to,
                                             QString* error)
{
    if (from.Date() == to.Date()) {
        *error = QCoreApplication::translate(
            "CFoodDBDoc", "The entries are on that day already: please choose another day.");
        return {};
    }
    SetCurrentDate(from);
    OpenDay();
    const quint32 sourceDay = m_diary.Buffer().id;
    std::vector<EntryRecord> copied;
    for (RecordOid o = m_meals.FirstOfDay(sourceDay); o; o = m_meals.NextOfDay(sourceDay))
        if (m_meals.Load() &&
            (ids.empty() || std::find(ids.begin(), ids.end(), m_meals.Buffer().id) != ids.end()))
            copied.push_back(m_meals.Buffer());
    for (quint32 id : ids) {
        if (std::none_of(copied.begin(), copied.end(), [id](const EntryRecord& e) { return e.id == id; })) {
            *error =
                QCoreApplication::translate("CFoodDBDoc", "There is no entry with the id %1 on that day.")
                    .arg(id);
            return {};
        }
    }
    if (copied.empty()) {
        *error = QCoreApplication::translate("CFoodDBDoc", "There is nothing to copy on that day.");
        return {};
    }
    SetCurrentDate(to);
    std::vector<quint32> made;
    RecordStore::Batch batch(m_store);
    OpenDay();
    for (EntryRecord e : copied) {
        // The same time of day on the other date.
        e.time = FileTime(to.Date().Ticks() + (e.time.Ticks() - from.Date().Ticks()));
        const quint32 id = AddEntry(e);
        if (id == 0) {
            batch.Abandon();
            break;
        }
        made.push_back(id);
    }
    if (!batch.Commit()) {
        *error = QCoreApplication::translate("CFoodDBDoc", "The entries could not be written.");
        return {};
    }
    // The target day's figures, and its record for the companion.
    ComputeDay(m_diary.Buffer().id);
    SaveDay();
    UpdateAllViews();
    return made;
}

quint32 CFoodDBDoc::AddExerciseEntry(quint32 activity, quint32 minutes, FileTime time)
{
    EntryRecord e;
    e.activity = activity;
    e.minutes = minutes;
    e.time = time;
    return AddEntry(e);
}

void CFoodDBDoc::AddMeal()
{
    IFoodChooser::Choice choice;
    if (!m_foodChooser || !m_foodChooser->ChooseFood((Profile().filtersMask & 1) != 0, &choice))
        return;
    const Serving serving = DefaultServing(choice.foodId);
    const quint32 id = AddMealEntry(choice.foodId, serving.grams, 1.0, serving.name, m_clock.NowFileTime());
    if (id == 0)
        return;
    if (Profile().Has(CProfileTable::kShowMealProperties))
        EditEntry(id, choice.name);
    NoteRecentFood(choice.foodId, choice.name, serving.grams, serving.name, 1.0);
    UpdateAllViews();
}

quint32 CFoodDBDoc::AddMealFromRecent(quint32 foodId)
{
    m_recent.Reopen(CDbTable::kIdProp);
    quint32 id = 0;
    if (m_recent.FindId(foodId) && m_recent.Load()) {
        RecentFoodRecord& r = m_recent.Buffer();
        r.lastUse = m_clock.NowFileTime();
        const RecentFoodRecord used = r;
        m_recent.Save();
        id = AddMealEntry(foodId, used.weight, used.servings, used.servingName, used.lastUse);
        if (id != 0 && Profile().Has(CProfileTable::kShowMealProperties))
            EditEntry(id, used.name);
        UpdateAllViews();
    }
    m_recent.Reopen(CLruFoodsTable::kLastUseProp);
    return id;
}

void CFoodDBDoc::AddExercise()
{
    quint32 activity = 0;
    quint32 minutes = 0;
    if (!m_exerciseDbDialog || !m_exerciseDbDialog->Run(&activity, &minutes))
        return;
    AddExerciseEntry(activity, minutes, m_clock.NowFileTime());
    UpdateAllViews();
}

void CFoodDBDoc::EditEntry(quint32 entryId, const QString& name)
{
    m_meals.Reopen(CDbTable::kIdProp);
    if (m_meals.FindId(entryId) && m_meals.Load()) {
        EntryRecord& e = m_meals.Buffer();
        const LocalDateTime at = e.time.ToLocal();
        if (!e.IsExercise()) {
            IMealPropertiesDialog::Values v{e.foodId,      name,    e.weight, e.servings,
                                            e.servingName, at.hour, at.minute};
            if (m_mealDialog &&
                m_mealDialog->Run(QCoreApplication::translate("CFoodDBDoc", "Meal properties"), &v)) {
                e.time = WithTimeOfDay(e.time, v.hour, v.minute);
                e.weight = v.grams;
                e.servingName = v.servingName;
                e.servings = v.servings;
                const EntryRecord saved = e;
                m_meals.Save();
                NoteRecentFood(saved.foodId, name, saved.weight, saved.servingName, saved.servings);
            }
        } else {
            quint32 minutes = e.minutes;
            int hour = at.hour;
            int minute = at.minute;
            if (m_exerciseDialog &&
                m_exerciseDialog->Run(ActivityName(e.activity), &minutes, &hour, &minute)) {
                e.time = WithTimeOfDay(e.time, hour, minute);
                e.minutes = minutes;
                m_meals.Save();
            }
        }
    }
    m_meals.Reopen(CMealTable::kDayProp);
    UpdateAllViews();
}

void CFoodDBDoc::DeleteEntry(quint32 entryId)
{
    m_meals.Reopen(CDbTable::kIdProp);
    if (m_meals.FindId(entryId))
        m_meals.DeleteCurrent();
    m_meals.Reopen(CMealTable::kDayProp);
    UpdateAllViews();
}

void CFoodDBDoc::NoteRecentFood(quint32 foodId, const QString& foodName, double grams,
                                const QString& servingName, double servings)
{
    m_recent.Reopen(CDbTable::kIdProp);
    if (!(m_recent.FindId(foodId) && m_recent.Load()) && !m_recent.NewRecord(foodId)) {
        m_recent.Reopen(CLruFoodsTable::kLastUseProp);
        return;
    }
    RecentFoodRecord& r = m_recent.Buffer();
    r.name = foodName;
    r.weight = grams;
    r.servingName = servingName;
    r.servings = servings;
    r.lastUse = m_clock.NowFileTime();
    m_recent.Save();
    m_recent.Reopen(CLruFoodsTable::kLastUseProp);
    if (m_recent.Count() > static_cast<quint32>(kMaxRecentFoods) && m_recent.First())
        m_recent.DeleteCurrent();
}

// ---- rules ------------------------------------------------------------------------------------

double CFoodDBDoc::MealsPatternFraction(int hour) const
{
    return MealsPattern::Fraction(Profile(), hour);
}

quint32 CFoodDBDoc::CheckRequirements(quint32 mask, const NutrientValues& amounts) const
{
    return Requirements::Check(mask, amounts, {Profile(), m_calorieFigure, m_fraction});
}

bool CFoodDBDoc::FoodFitsFilters(const FoodRecord& food)
{
    // One serving on top of the day, by the food's stored values; a default serving size that
    // is gone weighs nothing.
    const double serving =
        food.defaultServingId == 0 ? food.referenceWeight : m_measures.ServingWeight(food.defaultServingId);
    NutrientValues amounts = m_totals;
    AddScaledFood(amounts, food.values, serving);
    return CheckRequirements(Profile().filtersMask, amounts) == 0;
}
