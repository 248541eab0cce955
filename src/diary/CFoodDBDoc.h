#pragma once

#include "fooddb/FoodRecords.h"
#include "platform/Clock.h"
#include "profile/PlanCalculator.h"
#include "storage/CDiaryTable.h"
#include "storage/CFoodTable.h"
#include "storage/CLruFoodsTable.h"
#include "storage/CMealTable.h"
#include "storage/CMeasuresTable.h"
#include "storage/CProfileTable.h"
#include "storage/CSubFoodTable.h"
#include "storage/NutrientValues.h"

#include <array>
#include <vector>

class IDatePicker;
class IDocumentObserver;
class IExerciseDatabaseDialog;
class IExercisePropertiesDialog;
class IFoodChooser;
class IMealPropertiesDialog;

// The diary document: the open profile, the displayed day and its figures, and every change
// to the diary. Views attach as observers and are told to update after each change.
class CFoodDBDoc
{
public:
    static constexpr int kMaxRecentFoods = CLruFoodsTable::kMaxRecords;

    // The serving a new meal starts with.
    struct Serving
    {
        QString name;
        double grams = 0.0;
    };

    CFoodDBDoc(RecordStore& store, const Clock& clock);
    ~CFoodDBDoc();
    CFoodDBDoc(const CFoodDBDoc&) = delete;
    CFoodDBDoc& operator=(const CFoodDBDoc&) = delete;

    // Dialogs the document runs; any may be null, which cancels that step.
    void SetFoodChooser(IFoodChooser* d) { m_foodChooser = d; }
    void SetMealPropertiesDialog(IMealPropertiesDialog* d) { m_mealDialog = d; }
    void SetExerciseDatabaseDialog(IExerciseDatabaseDialog* d) { m_exerciseDbDialog = d; }
    void SetExercisePropertiesDialog(IExercisePropertiesDialog* d) { m_exerciseDialog = d; }

    void AddObserver(IDocumentObserver* view);
    void RemoveObserver(IDocumentObserver* view);
    void UpdateAllViews();

    // ---- the open profile ----
    bool HasOpenProfile() const { return m_profileOpen; }
    const ProfileRecord& Profile() const { return m_profiles.Buffer(); }
    ProfileRecord& Profile() { return m_profiles.Buffer(); }
    // Writes the open profile's buffer to its record.
    bool SaveProfile();
    // Opens the profile that carries the open mark, if any.
    bool OpenMarkedProfile();
    // Marks a profile as the open one (clearing the others) and opens it.
    bool OpenProfile(quint32 id);
    quint32 NewProfile();
    void ClearOpenMarks();
    // Deletes a profile with its whole diary (every day record and its entries), in one step.
    // When it was the open profile, no profile is open afterwards.
    bool DeleteProfile(quint32 id);

    // ---- the displayed day ----
    FileTime CurrentDate() const { return m_currentDate; }
    void SetCurrentDate(FileTime date) { m_currentDate = date.Date(); }
    void SetCurrentDate(const IDatePicker& picker);
    void ShowCurrentDate(IDatePicker& picker) const;
    void OpenDay();
    void SaveDay(double weightKg, const std::array<double, 4>& params);
    // Saves the day with the weight and parameters it has.
    void SaveDay();
    void ComputeDay(quint32 dayId);
    // When another program changed the data file since the day was last computed, the day is
    // opened and computed anew from what is stored; true when it was.
    bool RefreshIfChangedElsewhere();
    const DayRecord& Day() const { return m_diary.Buffer(); }

    // Figures of the last ComputeDay.
    const NutrientValues& DayTotals() const { return m_totals; }
    double Expenditure() const { return m_expenditure; }
    double Weight() const { return m_weight; }
    double RequiredCalories() const { return m_requiredCalories; }
    double CalorieFigure() const { return m_calorieFigure; }
    double Fraction() const { return m_fraction; }

    // ---- changes ----
    void AddMeal();
    void AddExercise();
    // A meal of a recently used food with the amount of its last use, at the current time;
    // returns the new entry's id, 0 when the food is not among the recent ones.
    quint32 AddMealFromRecent(quint32 foodId);
    void EditEntry(quint32 entryId, const QString& name);
    void DeleteEntry(quint32 entryId);
    void NoteRecentFood(quint32 foodId, const QString& foodName, double grams, const QString& servingName,
                        double servings);
    // Writes a meal or exercise entry of the displayed day; returns its id (0 when not written).
    quint32 AddMealEntry(quint32 foodId, double grams, double servings, const QString& servingName,
                         FileTime time);
    quint32 AddExerciseEntry(quint32 activity, quint32 minutes, FileTime time);
    // Copies entries of a day (the ones listed, or every one when none is) to another day, each
    // with its food, serving size, servings, grams or its activity and minutes, at its time of
    // day; the entries already there stay. All or nothing, in the open profile's diary. Returns
    // the new ids, or nothing with a message for the user in *error. The target day is computed
    // and saved, and left displayed.
    std::vector<quint32> CopyEntries(FileTime from, const std::vector<quint32>& ids, FileTime to,
                                     QString* error);
    // The default serving of a food: its default serving size, or "Reference weight" with the
    // reference weight when that serving weighs nothing.
    Serving DefaultServing(quint32 foodId);

    // ---- rules ----
    double MealsPatternFraction(int hour) const;
    quint32 CheckRequirements(quint32 mask, const NutrientValues& amounts) const;
    // Whether a food's default serving, added to the day, breaks none of the selected filters.
    bool FoodFitsFilters(const FoodRecord& food);
    double WeightOnDay(FileTime day) { return m_plan.WeightOnDay(Profile(), day); }
    double StoredWeightOnDay(FileTime day) { return m_plan.StoredWeightOnDay(Profile(), day); }
    double RequiredCaloriesOn(FileTime day) { return m_plan.RequiredCalories(Profile(), day); }
    bool LoadFood(quint32 id, FoodData* food) { return m_foodRecords.LoadFood(id, food); }

    // The tables, for views and dialogs that read them directly.
    CMealTable& Meals() { return m_meals; }
    CFoodTable& Foods() { return m_foods; }
    CMeasuresTable& Measures() { return m_measures; }
    CLruFoodsTable& RecentFoods() { return m_recent; }
    CProfileTable& Profiles() { return m_profiles; }
    CDiaryTable& Diary() { return m_diary; }
    const Clock& TheClock() const { return m_clock; }

private:
    void ProfileOpened();
    // Writes a new entry of the displayed day with these fields.
    quint32 AddEntry(const EntryRecord& fields);
    FileTime WithTimeOfDay(FileTime date, int hour, int minute) const;

    RecordStore& m_store;
    const Clock& m_clock;
    CLruFoodsTable m_recent;
    CMeasuresTable m_measures;
    CFoodTable m_foods;
    CMealTable m_meals;
    CProfileTable m_profiles;
    CDiaryTable m_diary;
    // Tables of their own for summing foods, so a day's sum never moves the dialogs' cursors.
    CFoodTable m_sumFoods;
    CSubFoodTable m_subFoods;
    FoodRecords m_foodRecords;
    PlanCalculator m_plan;

    bool m_profileOpen = false;
    qint64 m_seenVersion = -1; // the store's data version the day was computed at
    FileTime m_currentDate;
    NutrientValues m_totals;
    double m_expenditure = 0.0;
    double m_weight = 0.0;
    double m_requiredCalories = 0.0;
    double m_calorieFigure = 0.0;
    double m_fraction = 0.0;

    std::vector<IDocumentObserver*> m_views;
    IFoodChooser* m_foodChooser = nullptr;
    IMealPropertiesDialog* m_mealDialog = nullptr;
    IExerciseDatabaseDialog* m_exerciseDbDialog = nullptr;
    IExercisePropertiesDialog* m_exerciseDialog = nullptr;
};
