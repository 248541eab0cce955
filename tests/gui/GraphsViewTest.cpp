#include "analysis/ui/CGraphForm.h"
#include "profile/DateRules.h"
#include "support/ChartPaintRecorder.h"
#include "support/GuiFixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QScrollBar>

TEST_F(GuiTest, GraphsPlotChosenQuantitiesAndRememberTheChoices)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    ProfileRecord& p = Doc().Profile();
    p.Set(CProfileTable::kMetric, true);
    p.targetWeight = 70;
    Doc().SaveProfile();
    const FileTime today = m_env->TheClock().Today();
    {
        CDiaryTable days(m_env->Store(), m_env->TheClock());
        RecordStore::Batch batch(m_env->Store());
        for (int d = 1; d <= 22; ++d) {
            days.NewRecord();
            days.Buffer().date = AddDays(today, -d);
            days.Buffer().profileId = p.id;
            days.Buffer().weight = 78 + d * 0.1;
            days.Buffer().values[Nutrient::Energy] = 1800 + (d % 5) * 150;
            days.Save();
        }
    }
    Frame().RunCommand(32854);
    auto* graphs = qobject_cast<CGraphForm*>(Frame().CurrentView());
    ASSERT_TRUE(graphs);
    // A new profile: both "<None>", both bars; an empty chart without a right axis.
    EXPECT_EQ(graphs->Quantity(0)->currentText(), QStringLiteral("<None>"));
    EXPECT_EQ(graphs->Style(1)->currentText(), QStringLiteral("Bar"));
    EXPECT_FALSE(graphs->Chart().HasRightAxis());
    EXPECT_EQ(graphs->FromPicker()->date().daysTo(graphs->ToPicker()->date()), 21);

    graphs->Quantity(0)->setCurrentIndex(1); // weight
    graphs->Style(0)->setCurrentIndex(0);    // line
    graphs->Quantity(1)->setCurrentIndex(2); // calories, as bars against the right axis
    EXPECT_EQ(graphs->Graph().Series(0).Count(), 22);
    EXPECT_EQ(graphs->Graph().Series(1).Count(), 22);
    EXPECT_TRUE(graphs->Chart().HasRightAxis());
    // A scroll step repaints the chart at once: the day labels and the bars move by the step.
    ChartPaintRecorder painted(graphs, graphs->Chart());
    graphs->update();
    QApplication::processEvents();
    EXPECT_EQ(painted.DayLabels().first(), QStringLiteral("0"));
    const QStringList bars = painted.Drawn(QStringLiteral("rect 42,"));
    graphs->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(graphs->Chart().FirstVisibleDay(), 2);
    QApplication::processEvents();
    EXPECT_EQ(painted.DayLabels().first(), QStringLiteral("2"));
    ASSERT_FALSE(bars.isEmpty());
    EXPECT_EQ(painted.Drawn(QStringLiteral("rect 26,")).first(),
              QString(bars.first()).replace(5, 2, QStringLiteral("26")))
        << "the third day's bar now stands first";
    graphs->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    Shot(&Frame(), QStringLiteral("graphs"));

    // Kept with the profile: the next visit shows the same choices.
    Frame().RunCommand(32778);
    Frame().RunCommand(32854);
    graphs = qobject_cast<CGraphForm*>(Frame().CurrentView());
    EXPECT_EQ(graphs->Quantity(0)->currentText(), QStringLiteral("Weight (kg)"));
    EXPECT_EQ(graphs->Style(0)->currentText(), QStringLiteral("Line"));
    EXPECT_EQ(graphs->Quantity(1)->currentText(), QStringLiteral("Calories (kcal)"));
    EXPECT_EQ(graphs->Style(1)->currentText(), QStringLiteral("Bar"));
}
