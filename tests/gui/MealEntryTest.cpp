#include "controls/CStripedListCtrl.h"
#include "diary/ActivityTable.h"
#include "diary/ui/CExerciseDatabaseDlg.h"
#include "diary/ui/CExercisePropertiesDlg.h"
#include "diary/ui/CFoodDBView.h"
#include "diary/ui/CMealPropertiesDlg.h"
#include "diary/ui/CRecentFoodsDlg.h"
#include "storage/CMeasuresTable.h"
#include "support/GuiFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class MealEntryTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        // Bread with two serving sizes.
        CFoodTable foods(m_env->Store());
        foods.NewRecord(1001);
        foods.Load();
        foods.Buffer().name = QStringLiteral("Bread");
        foods.Buffer().referenceWeight = 100;
        foods.Save();
        CMeasuresTable sizes(m_env->Store());
        for (const auto& [name, grams] : {std::pair{"slice", 40.0}, std::pair{"loaf", 500.0}}) {
            sizes.NewRecord(1001);
            sizes.Buffer().description = QString::fromLatin1(name);
            sizes.Buffer().weight = grams;
            sizes.Save();
        }
    }

    IMealPropertiesDialog::Values Meal(double grams, double servings, const char* serving, int hour = 12,
                                       int minute = 0)
    {
        return {1001, QStringLiteral("Bread"), grams, servings, QString::fromLatin1(serving), hour, minute};
    }

    static QComboBox* Combo(QWidget* w, int id) { return Control<QComboBox>(w, id); }
};

// An entry as stored, what the dialog shows, and what OK stores when the servings are set.
struct MealCase
{
    const char* name;
    double grams;
    double servings;
    const char* serving;
    const char* shownServings;
    const char* shownWeight;
    const char* chooseServings; // nullptr: left as shown
    double storedGrams;
    double storedServings;
};

// A failing case is named by its name, not by its bytes.
void PrintTo(const MealCase& c, std::ostream* os)
{
    *os << c.name;
}

const MealCase kMealCases[] = {
    {"twoAndAHalf", 100, 2.5, "slice", "2.50", "40", "1.00", 40, 1},
    {"two", 80, 2, "slice", "2.00", "40", nullptr, 80, 2},
    {"noServings", 50, 0, "slice", "1.00", "0", nullptr, 0, 1},
    {"unknownName", 30, 1, "mug", "1.00", "30", nullptr, 30, 1},
    {"otherAmount", 33, 1.1, "", "1.10", "30", nullptr, 33, 1.1},
};

class MealPropertiesCaseTest : public MealEntryTest, public ::testing::WithParamInterface<MealCase>
{
};

} // namespace

TEST_P(MealPropertiesCaseTest, ShowsAndStoresTheAmount)
{
    const MealCase& c = GetParam();
    CMealPropertiesDlg dialog(QStringLiteral("Meal properties"), Meal(c.grams, c.servings, c.serving), true,
                              m_env->Store(), m_box);
    EXPECT_EQ(Combo(&dialog, 1119)->currentText(), QString::fromLatin1(c.shownServings));
    EXPECT_EQ(Control<QLineEdit>(&dialog, 1006)->text(), QString::fromLatin1(c.shownWeight));
    QComboBox* sizes = Combo(&dialog, 1121);
    EXPECT_EQ(sizes->count(), 2);
    EXPECT_EQ(sizes->currentText(), QString::fromLatin1(c.serving));
    EXPECT_EQ(sizes->currentIndex(), sizes->findText(QString::fromLatin1(c.serving)));
    if (c.chooseServings)
        Combo(&dialog, 1119)->setCurrentText(QString::fromLatin1(c.chooseServings));
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog.Result().grams, c.storedGrams);
    EXPECT_DOUBLE_EQ(dialog.Result().servings, c.storedServings);
    EXPECT_EQ(dialog.Result().servingName, QString::fromLatin1(c.serving));
}

INSTANTIATE_TEST_SUITE_P(Meals, MealPropertiesCaseTest, ::testing::ValuesIn(kMealCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MealEntryTest, ServingSizeTimeAndRefusedWeight)
{
    CMealPropertiesDlg dialog(QStringLiteral("Meal properties"), Meal(40, 1, "slice", 9, 5), true,
                              m_env->Store(), m_box);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Meal properties"));
    EXPECT_EQ(Control<QLineEdit>(&dialog, 1005)->text(), QStringLiteral("Bread"));
    EXPECT_EQ(Combo(&dialog, 1118)->currentText(), QStringLiteral("09"));
    EXPECT_EQ(Combo(&dialog, 1123)->currentText(), QStringLiteral("05"));
    EXPECT_EQ(Combo(&dialog, 1123)->count(), 7);
    dialog.show();
    Shot(&dialog, QStringLiteral("meal-properties"));

    // Choosing "loaf" brings its weight; two of them at 13:50.
    QComboBox* sizes = Combo(&dialog, 1121);
    sizes->setCurrentIndex(1);
    emit sizes->activated(1);
    EXPECT_EQ(Control<QLineEdit>(&dialog, 1006)->text(), QStringLiteral("500"));
    Combo(&dialog, 1119)->setCurrentText(QStringLiteral("2.00"));
    Combo(&dialog, 1118)->setCurrentText(QStringLiteral("13"));
    Combo(&dialog, 1123)->setCurrentText(QStringLiteral("50"));

    Control<QLineEdit>(&dialog, 1006)->setText(QStringLiteral("a lot"));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Please enter a number."));
    Control<QLineEdit>(&dialog, 1006)->setText(QStringLiteral("72,5,1"));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(m_box.Texts().size(), 2);
    Control<QLineEdit>(&dialog, 1006)->setText(QStringLiteral("500,5")); // a decimal comma
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Result().servingName, QStringLiteral("loaf"));
    EXPECT_EQ(dialog.Result().grams, 1001);
    EXPECT_EQ(dialog.Result().hour, 13);
    EXPECT_EQ(dialog.Result().minute, 50);
}

TEST_F(MealEntryTest, FoodServingSizeHasNoTimeOfDay)
{
    CMealPropertiesDlg full(QStringLiteral("Meal properties"), Meal(40, 1, "slice"), true, m_env->Store(),
                            m_box);
    CMealPropertiesDlg shorter(QStringLiteral("Food Serving Size"), Meal(40, 1, "slice"), false,
                               m_env->Store(), m_box);
    EXPECT_EQ(full.height() - shorter.height(), 64);
    EXPECT_EQ(shorter.windowTitle(), QStringLiteral("Food Serving Size"));
    for (int id : {1118, 1123, 1124, 1125, 1126})
        EXPECT_TRUE(Control<QWidget>(&shorter, id)->isHidden()) << id;
    EXPECT_LE(Control<QPushButton>(&shorter, 1)->geometry().bottom(), shorter.height());
}

TEST_F(MealEntryTest, ExerciseDatabaseListsByNameAndTakesTypedMinutes)
{
    CExerciseDatabaseDlg dialog;
    QTreeWidget* list = dialog.Activities();
    ASSERT_EQ(list->topLevelItemCount(), 68);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("Aerobic dance"));
    EXPECT_EQ(list->topLevelItem(67)->text(0), QStringLiteral("Yoga"));
    EXPECT_EQ(Combo(&dialog, 1140)->currentText(), QStringLiteral("15"));
    dialog.accept(); // no activity chosen: as cancelled
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    CExerciseDatabaseDlg chosen;
    chosen.Activities()->topLevelItem(67)->setSelected(true);
    Combo(&chosen, 1140)->setEditText(QStringLiteral("120"));
    chosen.show();
    Shot(&chosen, QStringLiteral("exercise-database"));
    chosen.accept();
    EXPECT_EQ(chosen.result(), QDialog::Accepted);
    EXPECT_EQ(chosen.Activity(), 43u);
    EXPECT_EQ(chosen.Minutes(), 120u);
}

TEST_F(MealEntryTest, ExercisePropertiesKeepTheEntrysOwnValues)
{
    CExercisePropertiesDlg dialog(QStringLiteral("Yoga"), 7, 14, 37);
    EXPECT_EQ(Control<QLineEdit>(&dialog, 1142)->text(), QStringLiteral("Yoga"));
    EXPECT_EQ(Combo(&dialog, 1140)->currentText(), QStringLiteral("7"));
    EXPECT_EQ(Combo(&dialog, 1118)->currentText(), QStringLiteral("14"));
    EXPECT_EQ(Combo(&dialog, 1123)->currentText(), QStringLiteral("37"));
    EXPECT_EQ(Combo(&dialog, 1123)->count(), 7);
    dialog.show();
    Shot(&dialog, QStringLiteral("exercise-properties"));
    dialog.accept();
    EXPECT_EQ(dialog.Minutes(), 7u);
    EXPECT_EQ(dialog.Hour(), 14);
    EXPECT_EQ(dialog.Minute(), 37);
}

TEST_F(MealEntryTest, RecentFoodsLatestFirstAndANewMealFromThem)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    CFoodDBDoc& doc = Doc();
    doc.NoteRecentFood(1001, QStringLiteral("A"), 80, QStringLiteral("slice"), 2);
    TestClock().Set({2026, 12, 9, 20, 5, 0, 0});
    doc.NoteRecentFood(1002, QStringLiteral("B"), 150, QString(), 1.5);
    TestClock().Set({2026, 12, 9, 20, 10, 0, 0});
    doc.NoteRecentFood(1001, QStringLiteral("A"), 80, QStringLiteral("slice"), 2);
    {
        CRecentFoodsDlg dialog(m_env->Store());
        QTreeWidget* list = dialog.Foods();
        ASSERT_EQ(list->topLevelItemCount(), 2);
        EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("A"));
        EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("  2.00 x slice"));
        EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("B"));
        EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("  1.50 x  100.0 g"));
        dialog.accept(); // nothing chosen
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }

    // The arrow of New meal: B again, with its last amount.
    OnNextModal([](QWidget* w) {
        auto* dialog = qobject_cast<CRecentFoodsDlg*>(w);
        ASSERT_TRUE(dialog);
        Shot(dialog, QStringLiteral("recent-foods"));
        dialog->Foods()->setCurrentItem(dialog->Foods()->topLevelItem(1)); // as a tap does
        dialog->accept();
    });
    Frame().DropDown(32812);
    auto* diary = qobject_cast<CFoodDBView*>(Frame().CurrentView());
    ASSERT_TRUE(diary);
    ASSERT_EQ(diary->List()->topLevelItemCount(), 1);
    EXPECT_EQ(diary->List()->topLevelItem(0)->text(3), QStringLiteral("  1.50 x  100.0 g"));
    EXPECT_EQ(diary->List()->topLevelItem(0)->text(0), QStringLiteral("20:10"));
}

TEST_F(MealEntryTest, ALongFoodNameShowsItsStart)
{
    IMealPropertiesDialog::Values values = Meal(40, 1, "slice");
    values.name =
        QStringLiteral("Cereals ready-to-eat, GENERAL MILLS, CHEERIOS, ARCHWAY Homestyle, Honey Nut");
    CMealPropertiesDlg dialog(QStringLiteral("Meal properties"), values, true, m_env->Store(), m_box);
    EXPECT_EQ(Control<QLineEdit>(&dialog, 1005)->cursorPosition(), 0);
}

TEST_F(MealEntryTest, DownAndEnterChooseFromTheLists)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    Doc().NoteRecentFood(1001, QStringLiteral("A"), 80, QStringLiteral("slice"), 2);
    const auto keys = [](QDialog& dialog) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus);
        if (!focus)
            return;
        QTest::keyClick(focus, Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    CRecentFoodsDlg recent(m_env->Store());
    keys(recent);
    EXPECT_EQ(recent.result(), QDialog::Accepted);
    EXPECT_EQ(recent.ChosenFood(), 1001u);

    // The list opens on its first row; Down goes to the second.
    CExerciseDatabaseDlg exercises;
    keys(exercises);
    EXPECT_EQ(exercises.result(), QDialog::Accepted);
    EXPECT_EQ(ActivityName(exercises.Activity()), exercises.Activities()->topLevelItem(1)->text(0));
}

TEST_F(MealEntryTest, EnterIsOkAndEscapeIsCancel)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        const QDialog::DialogCode expected = key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected;
        CExercisePropertiesDlg exercise(QStringLiteral("Yoga"), 7, 14, 37);
        CMealPropertiesDlg meal(QStringLiteral("Meal properties"), Meal(40, 1, "slice"), true, m_env->Store(),
                                m_box);
        for (QDialog* dialog : {static_cast<QDialog*>(&exercise), static_cast<QDialog*>(&meal)}) {
            dialog->show();
            QApplication::setActiveWindow(dialog);
            QTest::keyClick(QApplication::focusWidget(), key);
            EXPECT_EQ(dialog->result(), expected) << dialog->windowTitle().toStdString() << ' ' << key;
            EXPECT_FALSE(dialog->isVisible());
        }
    }
}

namespace {

// The fields Tab reaches from the first, in the order it reaches them, with where they stand.
std::vector<std::pair<QWidget*, QPoint>> TabWalk(QDialog& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    std::vector<std::pair<QWidget*, QPoint>> walk;
    QWidget* first = QApplication::focusWidget();
    for (QWidget* w = first; w && walk.size() < 40; w = QApplication::focusWidget()) {
        if (!walk.empty() && w == first)
            break;
        walk.push_back({w, w->mapTo(&dialog, QPoint(0, 0))});
        QTest::keyClick(w, Qt::Key_Tab);
    }
    return walk;
}

} // namespace

TEST_F(MealEntryTest, TabFollowsTheReadingOrder)
{
    CMealPropertiesDlg meal(QStringLiteral("Meal properties"), Meal(40, 1, "slice"), true, m_env->Store(),
                            m_box);
    CExercisePropertiesDlg exercise(QStringLiteral("Yoga"), 7, 14, 37);
    CExerciseDatabaseDlg exercises;
    for (QDialog* dialog : {static_cast<QDialog*>(&meal), static_cast<QDialog*>(&exercise),
                            static_cast<QDialog*>(&exercises)}) {
        const auto walk = TabWalk(*dialog);
        ASSERT_GE(walk.size(), 3u) << dialog->windowTitle().toStdString();
        // From the first field reached, each next one stands lower, or on the same line to the right;
        // one wrap back to the top is allowed where the walk began below it.
        int wraps = 0;
        for (size_t i = 1; i < walk.size(); ++i) {
            const QPoint a = walk[i - 1].second;
            const QPoint b = walk[i].second;
            const bool onward = b.y() > a.y() + 4 || (std::abs(b.y() - a.y()) <= 4 && b.x() > a.x());
            if (!onward)
                ++wraps;
            EXPECT_TRUE(onward || wraps == 1)
                << dialog->windowTitle().toStdString() << ": " << walk[i - 1].first->metaObject()->className()
                << " at " << a.x() << ',' << a.y() << " then " << walk[i].first->metaObject()->className()
                << " at " << b.x() << ',' << b.y();
        }
    }
}

TEST_F(MealEntryTest, ServingsCanBeTypedAndShowTwoDecimals)
{
    const struct
    {
        const char* typed; // nullptr: left as shown
        double storedServings;
        const char* shown;
        double servings; // what OK stores; 0: refused
        const char* message;
    } cases[] = {
        {"0,5", 1, "1.00", 0.5, nullptr},
        {"2.25", 1, "1.00", 2.25, nullptr},
        {nullptr, 0.3, "0.30", 0.3, nullptr},         // stored by another path
        {nullptr, 1.0 / 3, "0.33", 1.0 / 3, nullptr}, // kept as stored when not retyped
        {"abc", 1, "1.00", 0, "Please enter a number."},
        {"0", 1, "1.00", 0, "Please enter a number between 0.01 and 999."},
        {"1000", 1, "1.00", 0, "Please enter a number between 0.01 and 999."},
    };
    for (const auto& c : cases) {
        // 40 g a serving.
        CMealPropertiesDlg dialog(QStringLiteral("Meal properties"),
                                  Meal(40 * c.storedServings, c.storedServings, "slice"), true,
                                  m_env->Store(), m_box);
        QComboBox* servings = Combo(&dialog, 1119);
        EXPECT_EQ(servings->currentText(), QString::fromLatin1(c.shown)) << c.storedServings;
        if (c.typed)
            servings->setEditText(QString::fromLatin1(c.typed));
        dialog.show();
        dialog.accept();
        if (c.servings > 0) {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.typed;
            EXPECT_DOUBLE_EQ(dialog.Result().servings, c.servings) << c.typed;
            EXPECT_NEAR(dialog.Result().grams, 40 * c.servings, 1e-9) << c.typed;
        } else {
            EXPECT_TRUE(dialog.isVisible()) << c.typed;
            EXPECT_EQ(m_box.Texts().last(), QString::fromLatin1(c.message)) << c.typed;
        }
    }
}
