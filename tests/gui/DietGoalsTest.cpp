#include "profile/ui/CDietGoalsDlg.h"
#include "support/GuiFixture.h"

#include <QLabel>
#include <QLineEdit>

TEST_F(GuiTest, DietGoalsShowNamedParametersAndKeepTheHiddenSugar)
{
    ProfileRecord profile = CProfileTable::Defaults(1, m_env->TheClock().Today());
    profile.paramNames[1] = QStringLiteral("Pulse");
    profile.paramUnits[1] = QStringLiteral("b/min");
    profile.paramGoals[0] = 12; // unnamed: kept as it is
    profile.amountGoals[static_cast<int>(EnergyShare::Sugar)] = 40;
    const ProfileRecord before = profile;
    {
        CDietGoalsDlg dialog(profile, m_box);
        EXPECT_FALSE(dialog.Field(1010)->isVisibleTo(&dialog));
        EXPECT_TRUE(dialog.Field(1009)->isVisibleTo(&dialog));
        EXPECT_FALSE(dialog.Field(1030)->isVisibleTo(&dialog));
        EXPECT_EQ(Control<QLabel>(&dialog, 1174)->text(), QStringLiteral("Pulse:"));
        EXPECT_EQ(Control<QLabel>(&dialog, 1110)->text(), QStringLiteral("b/min"));
        EXPECT_EQ(Control<QLabel>(&dialog, 1173)->text(), QString());
        EXPECT_EQ(dialog.Field(1041)->text(), QStringLiteral("10"));
        Shot(&dialog, QStringLiteral("diet-goals"));
        // Cancel, confirmed: nothing stored.
        dialog.Field(1022)->setText(QStringLiteral("99"));
        dialog.show();
        dialog.reject();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(profile.amountGoals, before.amountGoals);
    }
    CDietGoalsDlg dialog(profile, m_box);
    dialog.Field(1022)->setText(QStringLiteral("abc"));
    dialog.accept();
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Please enter a number."));
    dialog.Field(1022)->setText(QStringLiteral("-5"));
    dialog.Field(1042)->setText(QStringLiteral("120"));
    dialog.Field(1009)->setText(QStringLiteral("62.5"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(profile.amountGoals[static_cast<int>(EnergyShare::Protein)], -5);
    EXPECT_EQ(profile.shareGoals[static_cast<int>(EnergyShare::Fat)], 120);
    EXPECT_EQ(profile.paramGoals[1], 62.5);
    EXPECT_EQ(profile.paramGoals[0], 12);
    EXPECT_EQ(profile.amountGoals[static_cast<int>(EnergyShare::Sugar)], 40);
    EXPECT_EQ(profile.shareGoals[static_cast<int>(EnergyShare::Sugar)],
              before.shareGoals[static_cast<int>(EnergyShare::Sugar)]);
}
