#include "diary/ActivityTable.h"
#include "diary/CFoodDBDoc.h"
#include "diary/IDocumentObserver.h"
#include "diary/IExerciseDatabaseDialog.h"
#include "diary/IExercisePropertiesDialog.h"
#include "diary/IFoodChooser.h"
#include "diary/IMealPropertiesDialog.h"
#include "profile/DateRules.h"
#include "profile/EnergyRules.h"
#include "profile/Measures.h"
#include "support/TestStore.h"

#include <functional>

namespace {

const FileTime kToday = FileTime::FromDate(2026, 12, 9);

struct ScriptedChooser : IFoodChooser
{
    bool ChooseFood(bool filtered, Choice* choice) override
    {
        lastFiltered = filtered;
        if (!answer)
            return false;
        *choice = *answer;
        return true;
    }
    std::optional<Choice> answer;
    bool lastFiltered = false;
};

struct ScriptedMealDialog : IMealPropertiesDialog
{
    bool Run(const QString& caption, Values* v) override
    {
        captions << caption;
        shown = *v;
        if (!edit)
            return false;
        edit(*v);
        return true;
    }
    std::function<void(Values&)> edit;
    QStringList captions;
    Values shown;
};

struct ScriptedExerciseDialogs : IExerciseDatabaseDialog, IExercisePropertiesDialog
{
    bool Run(quint32* activity, quint32* minutes) override
    {
        *activity = 0;
        *minutes = 30;
        return true;
    }
    bool Run(const QString& name, quint32* minutes, int* hour, int* minute) override
    {
        shownName = name;
        *minutes = 45;
        *hour = 18;
        *minute = 5;
        return true;
    }
    QString shownName;
};

struct CountingView : IDocumentObserver
{
    void OnDocumentUpdate() override { ++updates; }
    int updates = 0;
};

class FoodDBDocTest : public TestStore
{
protected:
    void SetUp() override
    {
        TestStore::SetUp();
        m_doc = std::make_unique<CFoodDBDoc>(Store(), m_clock);
        m_doc->SetFoodChooser(&m_chooser);
        m_doc->SetMealPropertiesDialog(&m_mealDialog);
        m_doc->SetExerciseDatabaseDialog(&m_exercises);
        m_doc->SetExercisePropertiesDialog(&m_exercises);
        m_doc->AddObserver(&m_view);
        ASSERT_EQ(m_doc->NewProfile(), 1u);
        ProfileRecord& p = m_doc->Profile();
        p.name = QStringLiteral("Anna");
        p.startWeight = 80;
        p.height = 170;
        p.age = 40;
        p.Set(CProfileTable::kMetric, true);
        m_doc->SaveProfile();
        AddFood(1, QStringLiteral("Rye bread"), 250, 40);
    }

    // A food with a default serving size of servingGrams (0: none).
    void AddFood(quint32 id, const QString& name, double energy, double servingGrams)
    {
        CFoodTable& foods = m_doc->Foods();
        foods.NewRecord(id);
        foods.Buffer().name = name;
        foods.Buffer().values[Nutrient::Energy] = energy;
        foods.Buffer().values[Nutrient::Protein] = 8;
        foods.Buffer().referenceWeight = 100;
        if (servingGrams > 0) {
            CMeasuresTable& m = m_doc->Measures();
            const quint32 serving = m.NewRecord(id);
            m.Buffer().description = QStringLiteral("slice");
            m.Buffer().weight = servingGrams;
            m.Save();
            foods.Buffer().defaultServingId = serving;
        }
        foods.Save();
    }

    void ShowDay(FileTime date)
    {
        m_doc->SetCurrentDate(date);
        m_doc->OpenDay();
        m_doc->ComputeDay(m_doc->Day().id);
    }

    std::vector<EntryRecord> Entries()
    {
        std::vector<EntryRecord> out;
        CMealTable& meals = m_doc->Meals();
        for (RecordOid o = meals.FirstOfDay(m_doc->Day().id); o; o = meals.NextOfDay(m_doc->Day().id))
            if (meals.Load())
                out.push_back(meals.Buffer());
        return out;
    }

    RecentFoodRecord Recent(quint32 foodId)
    {
        CLruFoodsTable& r = m_doc->RecentFoods();
        r.Reopen(CDbTable::kIdProp);
        RecentFoodRecord rec;
        if (r.FindId(foodId) && r.Load())
            rec = r.Buffer();
        r.Reopen(CLruFoodsTable::kLastUseProp);
        return rec;
    }

    std::unique_ptr<CFoodDBDoc> m_doc;
    ScriptedChooser m_chooser;
    ScriptedMealDialog m_mealDialog;
    ScriptedExerciseDialogs m_exercises;
    CountingView m_view;
};

} // namespace

TEST_F(FoodDBDocTest, AnEmptyDay)
{
    m_doc->Profile().weeklyLoss = 0.5;
    ShowDay(kToday);
    EXPECT_EQ(m_doc->DayTotals(), NutrientValues());
    EXPECT_EQ(m_doc->Expenditure(), 0);
    EXPECT_EQ(m_doc->Weight(), 80);
    const double required = HarrisBenedict(170, 80, 40, false) * 1.55;
    EXPECT_DOUBLE_EQ(m_doc->RequiredCalories(), required);
    EXPECT_DOUBLE_EQ(m_doc->CalorieFigure(), required - 500);

    m_doc->Profile().userCalories = 1800;
    ShowDay(kToday);
    EXPECT_EQ(m_doc->CalorieFigure(), 1800);
}

TEST_F(FoodDBDocTest, ExercisesAreCostedWithTodaysWeight)
{
    // Today's weight is 70; a past day of 90 kg is shown.
    ShowDay(kToday);
    m_doc->SaveDay(70, {});
    ShowDay(AddDays(kToday, -3));
    m_doc->SaveDay(90, {});
    m_doc->AddExercise(); // 30 min of activity 0
    m_doc->AddExerciseEntry(5, 45, m_clock.NowFileTime());
    ShowDay(AddDays(kToday, -3));
    EXPECT_EQ(m_doc->Weight(), 70);
    EXPECT_DOUBLE_EQ(m_doc->Expenditure(), 0.14 * 30 * 70 + 0.03 * 45 * 70);
    EXPECT_EQ(m_doc->DayTotals(), NutrientValues());
    EXPECT_DOUBLE_EQ(m_doc->Day().exercise, m_doc->Expenditure());

    // User calories 500 with 300 kcal of exercise.
    m_doc->Profile().userCalories = 500;
    m_doc->DeleteEntry(Entries().back().id);
    m_doc->AddExerciseEntry(0, 30, m_clock.NowFileTime()); // 294 more
    ShowDay(AddDays(kToday, -3));
    EXPECT_DOUBLE_EQ(m_doc->CalorieFigure(), 500 + 294 + 294);
}

TEST_F(FoodDBDocTest, CompanionExercisesReplaceTheOwnOnes)
{
    m_doc->Profile().Set(CProfileTable::kCompanionExercises, true);
    m_doc->SaveProfile();
    ShowDay(kToday);
    m_doc->AddExerciseEntry(0, 30, m_clock.NowFileTime());
    ShowDay(kToday);
    EXPECT_EQ(m_doc->Expenditure(), 0); // no companion record

    // The companion records 350 kcal and 72.5 kg for tomorrow before the diary shows it.
    DbHandle h;
    Store().OpenDb(h, QString::fromLatin1(CDiaryTable::kExchangeName), 0);
    Store().WriteProps(h, RecordStore::WriteTarget::New,
                       {PropVal::Time(1000, AddDays(kToday, 1)), PropVal::UI4(1001, 0), PropVal::UI4(1002, 1),
                        PropVal::R8(1003, 0), PropVal::R8(1004, 350), PropVal::R8(1005, 72.5)});
    ShowDay(AddDays(kToday, 1));
    EXPECT_EQ(m_doc->Expenditure(), 350);
    EXPECT_EQ(m_doc->Day().weight, 72.5);
    m_doc->SaveDay();
    CDiaryTable::Exchange ex;
    ASSERT_TRUE(m_doc->Diary().LookUpExchange(AddDays(kToday, 1), 1, &ex));
    EXPECT_EQ(ex.weight, 72.5); // opening and saving the day kept the companion's weight
    EXPECT_EQ(ex.expenditure, 350);
}

TEST_F(FoodDBDocTest, MealsAreSummedFromTheirFoods)
{
    AddFood(2, QStringLiteral("Apple"), 52, 0);
    ShowDay(kToday);
    m_doc->AddMealEntry(1, 80, 2, QStringLiteral("slice"), m_clock.NowFileTime());
    m_doc->AddMealEntry(2, 150, 1, QString(), m_clock.NowFileTime());
    m_doc->AddMealEntry(99, 100, 1, QString(), m_clock.NowFileTime()); // a food that is gone
    ShowDay(kToday);
    EXPECT_DOUBLE_EQ(m_doc->DayTotals()[Nutrient::Energy], 250 * 0.8 + 52 * 1.5);
    EXPECT_DOUBLE_EQ(m_doc->DayTotals()[Nutrient::Protein], 8 * 2.3);
    EXPECT_EQ(m_doc->DayTotals().Share(EnergyShare::Protein), 100);
    EXPECT_DOUBLE_EQ(m_doc->Day().values[Nutrient::Energy], 278);
}

TEST_F(FoodDBDocTest, NewMealWithItsDefaultServing)
{
    ShowDay(kToday);
    const int updates = m_view.updates;
    m_chooser.answer = IFoodChooser::Choice{1, QStringLiteral("Rye bread")};
    m_doc->Profile().filtersMask = 3;
    m_doc->AddMeal();
    EXPECT_TRUE(m_chooser.lastFiltered);
    ASSERT_EQ(Entries().size(), 1u);
    EntryRecord e = Entries()[0];
    EXPECT_EQ(e.weight, 40);
    EXPECT_EQ(e.servings, 1.0);
    EXPECT_EQ(e.servingName, QStringLiteral("slice"));
    EXPECT_EQ(e.time, m_clock.NowFileTime());
    EXPECT_GT(m_view.updates, updates);
    EXPECT_TRUE(m_mealDialog.captions.isEmpty()); // the properties are shown only when asked

    // Without a serving size: the reference weight.
    AddFood(3, QStringLiteral("Muesli"), 360, 0);
    EXPECT_EQ(m_doc->DefaultServing(3).name, QStringLiteral("Reference weight"));
    EXPECT_EQ(m_doc->DefaultServing(3).grams, 100);

    // Cancelled: nothing is added.
    m_chooser.answer.reset();
    m_doc->AddMeal();
    EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(FoodDBDocTest, NewMealWithThePropertiesDialog)
{
    ShowDay(kToday);
    m_doc->Profile().Set(CProfileTable::kShowMealProperties, true);
    m_chooser.answer = IFoodChooser::Choice{1, QStringLiteral("Rye bread")};

    // Cancelled: the entry stays with one default serving.
    m_doc->AddMeal();
    ASSERT_EQ(Entries().size(), 1u);
    EXPECT_EQ(Entries()[0].weight, 40);
    EXPECT_EQ(m_mealDialog.captions, QStringList{QStringLiteral("Meal properties")});
    EXPECT_EQ(m_mealDialog.shown.grams, 40);

    // Changed: the entry keeps the change, the recent food ends with the default serving.
    m_mealDialog.edit = [](IMealPropertiesDialog::Values& v) {
        v.grams = 120;
        v.servings = 3;
        v.hour = 7;
        v.minute = 20;
    };
    m_doc->AddMeal();
    ASSERT_EQ(Entries().size(), 2u);
    const EntryRecord e = Entries()[1];
    EXPECT_EQ(e.weight, 120);
    EXPECT_EQ(e.servings, 3);
    EXPECT_EQ(e.time.ToLocal(), (LocalDateTime{2026, 12, 9, 7, 20, 0, 0}));
    const RecentFoodRecord r = Recent(1);
    EXPECT_EQ(r.weight, 40);
    EXPECT_EQ(r.servings, 1.0);
}

TEST_F(FoodDBDocTest, RecentFoodsKeepOneRecordPerFoodAndAtMostFifty)
{
    m_doc->NoteRecentFood(1, QStringLiteral("Rye bread"), 40, QStringLiteral("slice"), 1);
    m_clock.Set({2026, 12, 9, 15, 0, 0, 0});
    m_doc->NoteRecentFood(1, QStringLiteral("Rye bread"), 80, QStringLiteral("slice"), 2);
    EXPECT_EQ(m_doc->RecentFoods().Count(), 1u);
    EXPECT_EQ(Recent(1).weight, 80);
    EXPECT_EQ(Recent(1).lastUse, m_clock.NowFileTime());

    for (quint32 id = 2; id <= 51; ++id) {
        m_clock.Set(FileTime::FromLocal({2026, 12, 10, 0, 0, 0, 0}).AddDays(id).ToLocal());
        m_doc->NoteRecentFood(id, QStringLiteral("food"), 10, QString(), 1);
    }
    EXPECT_EQ(m_doc->RecentFoods().Count(), 50u);
    EXPECT_EQ(Recent(1).foodId, 0u); // the least recently used went
    EXPECT_EQ(Recent(2).foodId, 2u);
}

TEST_F(FoodDBDocTest, MealFromARecentFoodTakesItsLastAmount)
{
    ShowDay(kToday);
    m_doc->NoteRecentFood(1, QStringLiteral("Rye bread"), 100, QStringLiteral("slice"), 2.5);
    m_clock.Set({2026, 12, 9, 18, 30, 0, 0});
    EXPECT_EQ(m_doc->AddMealFromRecent(7), 0u); // not a recent food: nothing
    EXPECT_TRUE(Entries().empty());
    const int updates = m_view.updates;
    const quint32 id = m_doc->AddMealFromRecent(1);
    ASSERT_NE(id, 0u);
    ASSERT_EQ(Entries().size(), 1u);
    const EntryRecord e = Entries()[0];
    EXPECT_EQ(e.id, id);
    EXPECT_EQ(e.foodId, 1u);
    EXPECT_EQ(e.weight, 100);
    EXPECT_EQ(e.servings, 2.5);
    EXPECT_EQ(e.servingName, QStringLiteral("slice"));
    EXPECT_EQ(e.time, m_clock.NowFileTime());
    EXPECT_EQ(Recent(1).lastUse, m_clock.NowFileTime());
    EXPECT_GT(m_view.updates, updates);
    EXPECT_TRUE(m_mealDialog.captions.isEmpty());

    // With "show the properties on create" the new entry is edited at once.
    m_doc->Profile().Set(CProfileTable::kShowMealProperties, true);
    m_doc->AddMealFromRecent(1);
    EXPECT_EQ(m_mealDialog.captions, QStringList{QStringLiteral("Meal properties")});
    EXPECT_EQ(m_mealDialog.shown.name, QStringLiteral("Rye bread"));
    EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(FoodDBDocTest, EditingAndDeletingEntries)
{
    ShowDay(kToday);
    const FileTime made = FileTime::FromLocal({2026, 12, 9, 14, 37, 12, 0});
    const quint32 id = m_doc->AddExerciseEntry(43, 7, made);
    m_doc->EditEntry(id, QStringLiteral("Yoga"));
    EXPECT_EQ(m_exercises.shownName, QStringLiteral("Yoga"));
    ASSERT_EQ(Entries().size(), 1u);
    EXPECT_EQ(Entries()[0].minutes, 45u);
    EXPECT_EQ(Entries()[0].time.ToLocal(),
              (LocalDateTime{2026, 12, 9, 18, 5, 12, 0})); // date and seconds kept
    EXPECT_EQ(m_doc->Meals().Handle().SortProperty(), CMealTable::kDayProp);

    m_doc->EditEntry(999, QString()); // gone: only the order is restored
    m_doc->DeleteEntry(999);
    EXPECT_EQ(Entries().size(), 1u);
    m_doc->DeleteEntry(id);
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(m_doc->Meals().Handle().SortProperty(), CMealTable::kDayProp);
}

TEST_F(FoodDBDocTest, ProfilesCarryOneOpenMark)
{
    EXPECT_EQ(m_doc->NewProfile(), 2u);
    EXPECT_EQ(m_doc->Profile().id, 2u);
    CProfileTable all(Store(), m_clock);
    int open = 0;
    for (RecordOid o = all.First(); o; o = all.Next())
        open += all.Load() && all.Buffer().Has(CProfileTable::kOpen);
    EXPECT_EQ(open, 1);
    ASSERT_TRUE(m_doc->OpenProfile(1));
    EXPECT_EQ(m_doc->Profile().name, QStringLiteral("Anna"));
    EXPECT_TRUE(IsMetric());
    EXPECT_FALSE(m_doc->OpenProfile(9));

    // Every record loses the mark, however many there are.
    for (int i = 0; i < 68; ++i) {
        all.NewRecord();
        all.Buffer().Set(CProfileTable::kOpen, true);
        all.Save();
    }
    m_doc->ClearOpenMarks();
    std::vector<bool> marks;
    for (RecordOid o = all.First(); o; o = all.Next())
        marks.push_back(all.Load() && all.Buffer().Has(CProfileTable::kOpen));
    ASSERT_EQ(marks.size(), 70u);
    EXPECT_EQ(std::count(marks.begin(), marks.end(), true), 0);
}

TEST_F(FoodDBDocTest, DeletingAProfileTakesItsWholeDiary)
{
    // Anna (1, open) and Ben (2), days interleaved.
    for (int d = 0; d < 5; ++d) {
        ShowDay(AddDays(kToday, -d));
        m_doc->AddMealEntry(1, 100, 1, QString(), m_clock.NowFileTime());
        m_doc->SaveDay();
    }
    const quint32 ben = m_doc->NewProfile();
    for (int d = 0; d < 3; ++d) {
        ShowDay(AddDays(kToday, -d));
        m_doc->AddMealEntry(1, 50, 1, QString(), m_clock.NowFileTime());
        m_doc->SaveDay();
    }
    ASSERT_TRUE(m_doc->OpenProfile(1));
    CDiaryTable days(Store(), m_clock);
    CMealTable entries(Store());
    ASSERT_EQ(days.Count(), 8u);
    ASSERT_EQ(entries.Count(), 8u);

    EXPECT_TRUE(m_doc->DeleteProfile(1));
    EXPECT_FALSE(m_doc->HasOpenProfile());
    EXPECT_EQ(days.Count(), 3u);
    EXPECT_EQ(entries.Count(), 3u);
    for (RecordOid o = days.First(); o; o = days.Next()) {
        ASSERT_TRUE(days.Load());
        EXPECT_EQ(days.Buffer().profileId, ben);
    }
    CProfileTable profiles(Store(), m_clock);
    EXPECT_EQ(profiles.Count(), 1u);
    EXPECT_FALSE(m_doc->DeleteProfile(1)); // no such profile any more
}

TEST_F(FoodDBDocTest, EntriesAndDaysAreCopiedToAnotherDay)
{
    const FileTime monday = FileTime::FromDate(2026, 12, 7);
    const FileTime tuesday = FileTime::FromDate(2026, 12, 8);
    const auto at = [](FileTime day, int hour, int minute) {
        return FileTime(day.Ticks() +
                        static_cast<quint64>(hour * 60 + minute) * 60 * FileTime::kTicksPerSecond);
    };
    ShowDay(monday);
    const quint32 breakfast = m_doc->AddMealEntry(1, 80, 2, QStringLiteral("slice"), at(monday, 8, 5));
    const quint32 run = m_doc->AddExerciseEntry(3, 30, at(monday, 7, 0));
    m_doc->AddMealEntry(1, 150, 1, QString(), at(monday, 12, 30));
    ShowDay(monday);
    const double mondayIntake = m_doc->Day().values[Nutrient::Energy];
    // Tuesday has a meal of its own, which stays.
    ShowDay(tuesday);
    m_doc->AddMealEntry(1, 40, 1, QStringLiteral("slice"), at(tuesday, 9, 0));

    QString error;
    const std::vector<quint32> copies = m_doc->CopyEntries(monday, {}, tuesday, &error);
    ASSERT_EQ(copies.size(), 3u) << error.toStdString();
    EXPECT_EQ(m_doc->CurrentDate(), tuesday);
    m_doc->ComputeDay(m_doc->Day().id);
    EXPECT_NEAR(m_doc->Day().values[Nutrient::Energy], mondayIntake + 100, 1e-9); // 40 g of bread at 250 kcal
    const std::vector<EntryRecord> entries = Entries();
    ASSERT_EQ(entries.size(), 4u);
    bool sawMeal = false;
    bool sawRun = false;
    for (const EntryRecord& e : entries) {
        if (e.time == at(tuesday, 8, 5)) {
            sawMeal = true;
            EXPECT_EQ(e.foodId, 1u);
            EXPECT_EQ(e.weight, 80);
            EXPECT_EQ(e.servings, 2);
            EXPECT_EQ(e.servingName, QStringLiteral("slice"));
        }
        if (e.time == at(tuesday, 7, 0)) {
            sawRun = true;
            EXPECT_TRUE(e.IsExercise());
            EXPECT_EQ(e.activity, 3u);
            EXPECT_EQ(e.minutes, 30u);
        }
    }
    EXPECT_TRUE(sawMeal && sawRun);

    // Chosen entries only; a day onto itself and an entry of another day are refused.
    const std::vector<quint32> two =
        m_doc->CopyEntries(monday, {breakfast, run}, FileTime::FromDate(2026, 12, 9), &error);
    EXPECT_EQ(two.size(), 2u);
    EXPECT_TRUE(m_doc->CopyEntries(monday, {}, monday, &error).empty());
    EXPECT_EQ(error, QStringLiteral("The entries are on that day already: please choose another day."));
    EXPECT_TRUE(m_doc->CopyEntries(tuesday, {breakfast}, monday, &error).empty());
    EXPECT_EQ(error, QStringLiteral("There is no entry with the id %1 on that day.").arg(breakfast));
}
