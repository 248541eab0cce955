#include "diary/ui/CMealsPatternDlg.h"
#include "support/GuiFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

class MealsPatternTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        m_profile = CProfileTable::Defaults(1, m_env->TheClock().Today());
    }
    ProfileRecord m_profile;
};

} // namespace

TEST_F(MealsPatternTest, TheEnabledSharesMustMakeAHundred)
{
    struct Case
    {
        const char* name;
        std::function<void(CMealsPatternDlg&)> edit;
        bool accepted;
    };
    const Case cases[] = {
        {"default pattern", [](CMealsPatternDlg&) {}, true},
        {"snacks off: 85",
         [](CMealsPatternDlg& d) {
             for (int i : {1, 3, 5})
                 d.Enabled(i)->setChecked(false);
         },
         false},
        {"snacks off, 30/35/35",
         [](CMealsPatternDlg& d) {
             for (int i : {1, 3, 5})
                 d.Enabled(i)->setChecked(false);
             d.Share(0)->setText(QStringLiteral("30"));
             d.Share(2)->setText(QStringLiteral("35"));
             d.Share(4)->setText(QStringLiteral("35"));
         },
         true},
        {"a disabled 50 does not count",
         [](CMealsPatternDlg& d) {
             d.Enabled(5)->setChecked(false);
             d.Share(5)->setText(QStringLiteral("50"));
             d.Share(4)->setText(QStringLiteral("35"));
         },
         true},
        {"all off",
         [](CMealsPatternDlg& d) {
             for (int i = 0; i < CMealsPatternDlg::kMeals; ++i)
                 d.Enabled(i)->setChecked(false);
         },
         false},
    };
    for (const Case& c : cases) {
        ProfileRecord profile = m_profile;
        m_box = RecordingMessageBox();
        CMealsPatternDlg dialog(profile, m_box);
        c.edit(dialog);
        dialog.Hour(0)->setCurrentIndex(7);
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.name;
        if (c.accepted) {
            EXPECT_TRUE(m_box.Texts().isEmpty()) << c.name;
            EXPECT_EQ(profile.mealHour[0], 7) << c.name;
        } else {
            EXPECT_EQ(m_box.Texts(), QStringList{QStringLiteral("Sum of percentage values must be 100%")})
                << c.name;
            EXPECT_EQ(m_box.ShownBoxes().back().icon, IMessageBox::Icon::Stop);
            EXPECT_EQ(profile.mealOn, m_profile.mealOn) << c.name; // nothing stored
            EXPECT_EQ(profile.mealHour, m_profile.mealHour) << c.name;
        }
    }
}

TEST_F(MealsPatternTest, ListsTextsAndCancel)
{
    ProfileRecord profile = m_profile;
    CMealsPatternDlg dialog(profile, m_box);
    EXPECT_EQ(dialog.Hour(0)->count(), 24);
    EXPECT_EQ(dialog.Hour(0)->itemText(8), QStringLiteral(" 8:00"));
    EXPECT_EQ(dialog.Hour(0)->currentIndex(), 8);
    EXPECT_EQ(dialog.Share(2)->text(), QStringLiteral("30"));
    EXPECT_EQ(Control<QCheckBox>(&dialog, 1066)->text(), QStringLiteral("Lunch"));
    Shot(&dialog, QStringLiteral("meals-pattern"));

    dialog.Share(0)->setText(QStringLiteral("2.5"));
    dialog.accept();
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Please enter an integer."));
    // Cancel asks; its own Cancel keeps the dialog, OK leaves with nothing stored.
    dialog.show();
    m_box.Answer(IMessageBox::Result::Cancel);
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(m_box.Texts().last(),
              QStringLiteral("Are you sure you want to cancel dialog. Changes will be lost."));
    dialog.reject();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(profile.mealShare, m_profile.mealShare);
}
