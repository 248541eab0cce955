#include "controls/CColorEdit.h"
#include "diary/ui/CFoodDBView.h"
#include "diary/ui/COptionPropertySheet.h"
#include "support/GuiFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

class OptionsTest : public GuiTest
{
protected:
    ProfileRecord Stored()
    {
        CProfileTable profiles(m_env->Store(), m_env->TheClock());
        profiles.FindId(Doc().Profile().id);
        profiles.Load();
        return profiles.Buffer();
    }
    CFoodDBView& Diary() { return *qobject_cast<CFoodDBView*>(Frame().CurrentView()); }

    // Runs Options with an edit of the sheet, then OK (or Cancel).
    void RunOptions(std::function<void(COptionPropertySheet*)> edit, bool ok = true)
    {
        OnNextModal([edit, ok](QWidget* w) {
            auto* sheet = qobject_cast<COptionPropertySheet*>(w);
            ASSERT_TRUE(sheet);
            edit(sheet);
            if (ok)
                sheet->accept();
            else
                sheet->reject();
        });
        Frame().RunCommand(32795);
    }
};

} // namespace

TEST_F(OptionsTest, DisplayChoicesReachTheDiary)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    RunOptions([](COptionPropertySheet* sheet) {
        auto* line2 = Control<QComboBox>(sheet, 1055);
        line2->setCurrentIndex(line2->findText(QStringLiteral("Calorie budget")));
        Control<QComboBox>(sheet, 1052)->setCurrentText(QStringLiteral("Mood"));
        Control<QComboBox>(sheet, 1119)->setCurrentText(QStringLiteral("points"));
        Control<QCheckBox>(sheet, 1085)->setChecked(true);
        const int shown = sheet->Pages()->currentIndex();
        // Every tab whole and side by side within the sheet.
        QTabBar* tabs = sheet->Pages()->tabBar();
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect r = tabs->tabRect(i);
            EXPECT_LE(tabs->mapTo(sheet, r.topRight()).x(), sheet->width()) << tabs->tabText(i).toStdString();
            EXPECT_GE(r.width(), tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)))
                << tabs->tabText(i).toStdString();
        }
        for (int i = 0; i < sheet->Pages()->count(); ++i) {
            sheet->Pages()->setCurrentIndex(i);
            Shot(sheet, QStringLiteral("options-%1").arg(sheet->Pages()->tabText(i).toLower()));
        }
        sheet->Pages()->setCurrentIndex(shown);
    });
    const ProfileRecord p = Stored();
    EXPECT_EQ(p.summaryLines[1], 15);
    EXPECT_EQ(p.paramNames[1], QStringLiteral("Mood"));
    EXPECT_EQ(p.paramUnits[1], QStringLiteral("points"));
    EXPECT_EQ(p.warningsMask, 66u | 1u);
    EXPECT_TRUE(Diary().ParameterField(1)->isVisibleTo(&Diary()));
}

TEST_F(OptionsTest, MeasuresBackAndForthKeepTheWeightsAndCancelChangesNothing)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    Diary().WeightField()->setText(QStringLiteral("154.0")); // US: lbs
    const auto setMetric = [this](bool metric) {
        RunOptions([metric](COptionPropertySheet* sheet) {
            Control<QRadioButton>(sheet, metric ? 1100 : 1101)->click();
        });
    };
    setMetric(true);
    EXPECT_NEAR(Doc().StoredWeightOnDay(m_env->TheClock().Today()), 69.8544, 1e-9);
    EXPECT_EQ(Diary().WeightField()->text(), QStringLiteral(" 69.9"));
    setMetric(false);
    setMetric(true);
    EXPECT_NEAR(Doc().StoredWeightOnDay(m_env->TheClock().Today()), 69.8544, 1e-9);

    const ProfileRecord before = Stored();
    RunOptions(
        [](COptionPropertySheet* sheet) {
            Control<QRadioButton>(sheet, 1101)->click();
            Control<QComboBox>(sheet, 1184)->setCurrentIndex(0);
        },
        false);
    const ProfileRecord after = Stored();
    EXPECT_EQ(after.flags, before.flags);
    EXPECT_EQ(after.summaryLines, before.summaryLines);
}

TEST_F(OptionsTest, RequiredCaloriesMethodAndTheCompanionButton)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    RunOptions([](COptionPropertySheet* sheet) {
        Control<QRadioButton>(sheet, 1208)->click();
        Control<QLineEdit>(sheet, 1005)->setText(QStringLiteral("1800"));
        Control<QCheckBox>(sheet, 1058)->setChecked(true);
    });
    EXPECT_EQ(Stored().userCalories, 1800);
    EXPECT_EQ(Frame().CommandButtons(), (QList<int>{32812, 32869, 32814, 32815}));
    // "Specified by user" with 0: stored as 0, and the next opening shows the flag's method.
    RunOptions([](COptionPropertySheet* sheet) {
        EXPECT_TRUE(Control<QRadioButton>(sheet, 1208)->isChecked());
        Control<QLineEdit>(sheet, 1005)->setText(QStringLiteral("0"));
    });
    EXPECT_EQ(Stored().userCalories, 0);
    RunOptions([](COptionPropertySheet* sheet) {
        EXPECT_TRUE(Control<QRadioButton>(sheet, 1182)->isChecked());
        EXPECT_FALSE(Control<QLineEdit>(sheet, 1005)->isEnabled());
    });
}
