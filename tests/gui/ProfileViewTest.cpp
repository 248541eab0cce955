#include "diary/ui/CMealsPatternDlg.h"
#include "profile/DateRules.h"
#include "profile/ui/CViewProfile.h"
#include "support/GuiFixture.h"

#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class ProfileViewTest : public GuiTest
{
protected:
    CViewProfile& View() { return *qobject_cast<CViewProfile*>(Frame().CurrentView()); }
};

} // namespace

TEST_F(ProfileViewTest, DerivedFiguresAndApply)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    ProfileRecord& p = Doc().Profile();
    p.Set(CProfileTable::kMetric, true);
    p.height = 170;
    p.age = 40;
    p.startWeight = 90;
    p.targetWeight = 80;
    p.weeklyLoss = 0.7;
    p.startDate = FileTime::FromDate(2026, 1, 1);
    Doc().SaveProfile();
    Frame().RunCommand(32779);
    ASSERT_EQ(Frame().CurrentViewType(), CMainFrame::kProfileView);
    EXPECT_EQ(View().Edit(1014)->text(), DateText(AddDays(FileTime::FromDate(2026, 1, 1), 100), false));
    EXPECT_EQ(View().Edit(1016)->text(), QStringLiteral("4900"));
    EXPECT_EQ(View().Edit(1007)->text(), QStringLiteral("90"));
    Shot(&Frame(), QStringLiteral("profile-view"));
    ClickAndType(View().StartDatePicker(), 9, QStringLiteral("2025"));
    EXPECT_EQ(View().StartDatePicker()->date(), QDate(2025, 1, 1));

    // A height out of range: told, nothing stored.
    View().Edit(1006)->setText(QStringLiteral("1000000"));
    View().Edit(1005)->setText(QStringLiteral("Anna B."));
    EXPECT_FALSE(View().Apply());
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Please enter a number between 0 and 999999."));
    EXPECT_EQ(Doc().Profile().height, 170);
    EXPECT_EQ(Doc().Profile().name, QStringLiteral("Anna"));

    View().Edit(1006)->setText(QStringLiteral("172"));
    View().Edit(1008)->setText(QStringLiteral("75"));
    Frame().RunCommand(32806);
    CProfileTable profiles(m_env->Store(), m_env->TheClock());
    ASSERT_TRUE(profiles.FindId(Doc().Profile().id));
    profiles.Load();
    EXPECT_EQ(profiles.Buffer().height, 172);
    EXPECT_EQ(profiles.Buffer().targetWeight, 75);
    EXPECT_EQ(profiles.Buffer().name, QStringLiteral("Anna B."));
}

TEST_F(ProfileViewTest, MealsPatternFromTheViewIsKept)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    Frame().RunCommand(32779);
    OnNextModal([](QWidget* w) {
        auto* dialog = qobject_cast<CMealsPatternDlg*>(w);
        ASSERT_TRUE(dialog);
        dialog->Share(0)->setText(QStringLiteral("20"));
        dialog->Share(1)->setText(QStringLiteral("10"));
        dialog->accept();
    });
    Frame().RunCommand(32800);
    CProfileTable profiles(m_env->Store(), m_env->TheClock());
    ASSERT_TRUE(profiles.FindId(Doc().Profile().id));
    profiles.Load();
    EXPECT_EQ(profiles.Buffer().mealShare[0], 20);
    EXPECT_EQ(profiles.Buffer().mealShare[1], 10);
}

TEST_F(ProfileViewTest, LongFiguresShowTheirFirstDigits)
{
    // 180 cm and 90 kg in US units are 70.866… in and 198.416… lbs: fifteen digits that the
    // field can show only in part.
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    ProfileRecord& p = Doc().Profile();
    p.Set(CProfileTable::kMetric, false);
    p.height = 180;
    p.age = 40;
    p.startWeight = 90;
    p.targetWeight = 80.3;
    p.weeklyLoss = 0.7;
    Doc().SaveProfile();
    Frame().RunCommand(32779);
    ASSERT_EQ(Frame().CurrentViewType(), CMainFrame::kProfileView);
    const struct
    {
        int id;
        const char* starts;
    } fields[] = {{1006, "70.866"}, {1007, "198.41"}, {1008, "177.0"}, {1009, ""}, {1023, ""}};
    for (const auto& f : fields) {
        QLineEdit* e = View().Edit(f.id);
        ASSERT_TRUE(e) << f.id;
        EXPECT_TRUE(e->text().startsWith(QString::fromLatin1(f.starts)))
            << f.id << ": " << e->text().toStdString();
        EXPECT_EQ(e->cursorPosition(), 0)
            << f.id << " shows the end of \"" << e->text().toStdString() << "\"";
    }
    Shot(&Frame(), QStringLiteral("profile-view-us"));
}

TEST_F(ProfileViewTest, WhatIsTypedStaysWhenGoalsOrPatternAreConfirmed)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    Frame().RunCommand(32779);
    for (int command : {32798, 32800}) {
        View().Edit(1006)->setText(QStringLiteral("171.5"));
        View().Edit(1007)->setText(QStringLiteral("93"));
        View().Male()->setChecked(true);
        OnNextModal([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
        Frame().RunCommand(command);
        EXPECT_EQ(View().Edit(1006)->text(), QStringLiteral("171.5")) << command;
        EXPECT_EQ(View().Edit(1007)->text(), QStringLiteral("93")) << command;
        EXPECT_TRUE(View().Male()->isChecked()) << command;
    }
    // Apply then keeps them.
    Frame().RunCommand(32806);
    EXPECT_NEAR(Doc().Profiles().StartWeightForDisplay(), 93, 1e-9);
}
