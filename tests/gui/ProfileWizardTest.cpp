#include "controls/CTransparentStatic.h"
#include "diary/ui/CMealsPatternDlg.h"
#include "platform/LocalDateTime.h"
#include "profile/DateRules.h"
#include "profile/ui/CBmiChartDlg.h"
#include "profile/ui/CDietGoalsDlg.h"
#include "profile/ui/CProfilePage.h"
#include "profile/ui/CProfilePropertySheet.h"
#include "support/GuiFixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const FileTime kStart = FileTime::FromDate(2004, 3, 5);

class ProfileWizardTest : public GuiTest
{
protected:
    // An open metric day-month-year profile starting at 88 kg.
    void SetUp() override
    {
        GuiTest::SetUp();
        AddProfile(QStringLiteral("Anna"), true);
        Start();
        ProfileRecord& p = Doc().Profile();
        p.flags |= CProfileTable::kMetric | CProfileTable::kDayMonthYear;
        p.height = 180;
        p.age = 35;
        p.gender = 0;
        p.startWeight = 88;
        p.targetWeight = 80;
        p.weeklyLoss = 0.5;
        p.startDate = kStart;
        Doc().SaveProfile();
    }

    static QString Text(CProfilePropertySheet& sheet, int page, int id)
    {
        return Control<QLabel>(sheet.Page(page), id)->text();
    }
    static void Click(CProfilePropertySheet& sheet, int id)
    {
        Control<QPushButton>(sheet.Page(sheet.ActivePage()), id)->click();
    }
    static void Pick(CProfilePropertySheet& sheet, int page, int id, FileTime date)
    {
        const LocalDateTime t = date.ToLocal();
        Control<QDateEdit>(sheet.Page(page), id)->setDate(QDate(t.year, t.month, t.day));
    }

    ProfileRecord Stored()
    {
        CProfileTable profiles(m_env->Store(), m_env->TheClock());
        EXPECT_TRUE(profiles.FindId(Doc().Profile().id));
        profiles.Load();
        return profiles.Buffer();
    }
};

} // namespace

// Target weight and the days from start to the chosen target date, with what the last page says.
struct WizardPlan
{
    const char* name;
    const char* targetWeight;
    int days;
    double weeklyLoss;
    const char* label;
    const char* change;
    const char* sentence;
};

// A failing case is named by its name, not by its bytes.
void PrintTo(const WizardPlan& c, std::ostream* os)
{
    *os << c.name;
}

class WizardPlanTest : public ProfileWizardTest, public ::testing::WithParamInterface<WizardPlan>
{
};

TEST_P(WizardPlanTest, PagesStoreThePlanAndTheSheetWritesIt)
{
    const WizardPlan& c = GetParam();
    const bool shots = std::string(c.name) == "loss";
    CProfilePropertySheet sheet(QStringLiteral("Profile Settings"), Doc(), m_box);
    sheet.show();
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Profile Settings"));
    EXPECT_EQ(sheet.ActivePage(), 0);
    EXPECT_EQ(Control<QLineEdit>(sheet.Page(0), 1005)->text(), QStringLiteral("Anna"));
    EXPECT_EQ(Control<QLineEdit>(sheet.Page(0), 1195)->text(), QStringLiteral("180"));
    EXPECT_EQ(Text(sheet, 0, 1107), QStringLiteral("cm"));
    EXPECT_TRUE(Control<QRadioButton>(sheet.Page(0), 1046)->isChecked());
    Control<QRadioButton>(sheet.Page(0), 1045)->click();
    if (shots)
        Shot(&sheet, QStringLiteral("wizard-personal"));
    Click(sheet, 1013);

    ASSERT_EQ(sheet.ActivePage(), 1);
    EXPECT_EQ(Control<QDateEdit>(sheet.Page(1), 1196)->text(), QStringLiteral("05-03-2004"));
    EXPECT_EQ(Control<QDateEdit>(sheet.Page(1), 1196)->geometry(), QRect(82, 80, 88, 22));
    EXPECT_EQ(Control<QLineEdit>(sheet.Page(1), 1197)->text(), QStringLiteral("88"));
    EXPECT_EQ(Text(sheet, 1, 1104), QStringLiteral("kg"));
    if (shots)
        Shot(&sheet, QStringLiteral("wizard-start"));
    Click(sheet, 1013);

    ASSERT_EQ(sheet.ActivePage(), 2);
    // 88 to 80 at 0.5 kg a week: 112 days.
    EXPECT_EQ(Control<QDateEdit>(sheet.Page(2), 1148)->text(), QStringLiteral("25-06-2004"));
    Control<QLineEdit>(sheet.Page(2), 1006)->setText(QString::fromLatin1(c.targetWeight));
    Pick(sheet, 2, 1148, AddDays(kStart, c.days));
    if (shots)
        Shot(&sheet, QStringLiteral("wizard-target"));
    Click(sheet, 1013);
    EXPECT_NEAR(Doc().Profile().weeklyLoss, c.weeklyLoss, 1e-12);

    ASSERT_EQ(sheet.ActivePage(), 3);
    if (shots)
        Shot(&sheet, QStringLiteral("wizard-advanced"));
    Click(sheet, 1013);

    ASSERT_EQ(sheet.ActivePage(), 4);
    EXPECT_EQ(Text(sheet, 4, 1202), QStringLiteral("5-03-2004"));
    EXPECT_EQ(Text(sheet, 4, 1203), DateText(AddDays(kStart, c.days), true));
    EXPECT_EQ(Text(sheet, 4, 1104), QStringLiteral(" 88 kg"));
    EXPECT_EQ(Text(sheet, 4, 1205), QString::fromLatin1(c.label));
    EXPECT_EQ(Text(sheet, 4, 1204), QString::fromLatin1(c.change));
    EXPECT_TRUE(Text(sheet, 4, 1150).contains(QString::fromLatin1(c.sentence)))
        << Text(sheet, 4, 1150).toStdString();
    if (shots)
        Shot(&sheet, QStringLiteral("wizard-finish"));

    // Back to the target page: the stored plan gives the chosen date again.
    Click(sheet, 1194);
    Click(sheet, 1194);
    ASSERT_EQ(sheet.ActivePage(), 2);
    EXPECT_EQ(Control<QDateEdit>(sheet.Page(2), 1148)->date(), QDate(2004, 3, 5).addDays(c.days));
    EXPECT_EQ(Stored().weeklyLoss, 0.5); // nothing written before the sheet closes
    sheet.SetActivePage(4);
    Click(sheet, 1206);
    EXPECT_FALSE(sheet.isVisible());
    const ProfileRecord stored = Stored();
    EXPECT_EQ(stored.gender, 1);
    EXPECT_NEAR(stored.weeklyLoss, c.weeklyLoss, 1e-12);
    EXPECT_EQ(stored.targetWeight, QString::fromLatin1(c.targetWeight).toDouble());
}

INSTANTIATE_TEST_SUITE_P(
    Plans, WizardPlanTest,
    ::testing::Values(
        WizardPlan{"loss", "65", 161, 1.0, "Weekly weight loss:", "1.0 kg", "eat 1000 fewer calories"},
        WizardPlan{"gain", "91.5", 49, -0.5, "Weekly weight gain:", "0.5 kg", "eat 500 more calories"},
        WizardPlan{"sameDay", "65", 0, 0.0, "Weekly weight loss:", "0.0 kg", "eat   0 fewer calories"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileWizardTest, NameLimitAndRefusedNumbers)
{
    CProfilePropertySheet sheet(QStringLiteral("Profile Settings"), Doc(), m_box);
    sheet.show();
    auto* name = Control<QLineEdit>(sheet.Page(0), 1005);
    name->clear();
    QTest::keyClicks(name, QString(70, QLatin1Char('n')));
    EXPECT_EQ(name->text().size(), 64);
    // A refused number keeps the page, and the sheet, as they are.
    Control<QLineEdit>(sheet.Page(0), 1022)->setText(QStringLiteral("3x"));
    Click(sheet, 1013);
    EXPECT_EQ(sheet.ActivePage(), 0);
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Please enter an integer."));
    sheet.close();
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(Stored().name, QStringLiteral("Anna"));
    Control<QLineEdit>(sheet.Page(0), 1022)->setText(QStringLiteral("36"));
    sheet.close(); // closing stores the page in view and writes the profile
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(Stored().name, QString(64, QLatin1Char('n')));
    EXPECT_EQ(Stored().age, 36);
}

TEST_F(ProfileWizardTest, BmiChartGoalsAndPatternFromThePages)
{
    Doc().SaveDay(84, {}); // today's weight
    CProfilePropertySheet sheet(QStringLiteral("Profile Settings"), Doc(), m_box);
    sheet.show();
    sheet.SetActivePage(2);
    bool chart = false;
    OnNextModal([&chart](QWidget* w) {
        auto* dialog = qobject_cast<CBmiChartDlg*>(w);
        chart = dialog != nullptr;
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->Chart().HeightAt(0), BmiChart(180, 84).HeightAt(0));
        EXPECT_EQ(dialog->Chart().CurrentWeightKg(), 84);
        dialog->accept();
    });
    Click(sheet, 1010);
    EXPECT_TRUE(chart);

    sheet.SetActivePage(3);
    QStringList opened;
    OnNextModal([&opened](QWidget* w) {
        opened << w->metaObject()->className();
        qobject_cast<QDialog*>(w)->reject();
    });
    Click(sheet, 1010);
    OnNextModal([&opened](QWidget* w) {
        opened << w->metaObject()->className();
        qobject_cast<QDialog*>(w)->reject();
    });
    Click(sheet, 1012);
    EXPECT_EQ(opened, (QStringList{QStringLiteral("CDietGoalsDlg"), QStringLiteral("CMealsPatternDlg")}));
    sheet.close();
}

TEST_F(ProfileWizardTest, ProfileSettingsAndNewProfileOpenTheSheet)
{
    QString title;
    OnNextModal([&title](QWidget* w) {
        title = w->windowTitle();
        Control<QLineEdit>(w, 1005)->setText(QStringLiteral("Anna K."));
        w->close();
    });
    Frame().RunCommand(32877);
    EXPECT_EQ(title, QStringLiteral("Profile Settings"));
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kDiary);
    EXPECT_EQ(Stored().name, QStringLiteral("Anna K."));

    OnNextModal([](QWidget* w) {
        auto* sheet = qobject_cast<CProfilePropertySheet*>(w);
        ASSERT_TRUE(sheet);
        EXPECT_EQ(Control<QLineEdit>(sheet, 1005)->text(), QStringLiteral("New profile"));
        Control<QLineEdit>(sheet, 1005)->setText(QStringLiteral("Ben"));
        sheet->SetActivePage(4);
        Control<QPushButton>(sheet->Page(4), 1206)->click();
    });
    Frame().RunCommand(32775);
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kDiary);
    EXPECT_EQ(Doc().Profile().id, 2u);
    EXPECT_EQ(Stored().name, QStringLiteral("Ben"));
}

TEST_F(GuiTest, ProfileSettingsIsGreyedWithoutAnOpenProfile)
{
    // However the start view was reached: no profile at the start, Close profile, Delete profile.
    AddProfile(QStringLiteral("Anna"), false);
    AddProfile(QStringLiteral("Ben"), true);
    Start();
    EXPECT_TRUE(Frame().Command(32877)->isEnabled());
    Frame().RunCommand(32777); // Close profile
    ASSERT_EQ(Frame().CurrentViewType(), CMainFrame::kStartView);
    ASSERT_FALSE(Frame().Command(32877)->isEnabled()) << "the closed profile's settings would open";
    Frame().RunCommand(32877);
    EXPECT_TRUE(m_box.Texts().isEmpty());
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kStartView);
}

TEST_F(GuiTest, OpeningAProfileClearsEveryOtherOpenMark)
{
    // 70 profiles, the 67th open: after opening the 68th only it carries the mark.
    for (int i = 1; i <= 70; ++i)
        AddProfile(QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')), i == 67);
    Start();
    ASSERT_EQ(Doc().Profile().id, 67u);
    OnNextModal([](QWidget* w) {
        auto* list = Control<QComboBox>(w, 1051);
        list->setCurrentIndex(list->findText(QStringLiteral("P68")));
        qobject_cast<QDialog*>(w)->accept();
    });
    Frame().RunCommand(32776);
    ASSERT_EQ(Doc().Profile().id, 68u);
    CProfileTable profiles(m_env->Store(), m_env->TheClock());
    QList<quint32> open;
    for (RecordOid o = profiles.First(); o; o = profiles.Next())
        if (profiles.Load() && profiles.Buffer().Has(CProfileTable::kOpen))
            open << profiles.Buffer().id;
    EXPECT_EQ(open, QList<quint32>{68});
}

TEST_F(ProfileWizardTest, APlanThatContradictsItselfIsRefused)
{
    CProfilePropertySheet sheet(QStringLiteral("Profile Settings"), Doc(), m_box);
    sheet.show();
    // A negative age, as low as the field's type goes.
    Control<QLineEdit>(sheet.Page(0), 1022)->setText(QStringLiteral("-32768"));
    Click(sheet, 1013);
    EXPECT_EQ(sheet.ActivePage(), 0);
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Please enter a number between 0 and 32767."));
    Control<QLineEdit>(sheet.Page(0), 1022)->setText(QStringLiteral("35"));
    Click(sheet, 1013);
    Click(sheet, 1013);
    ASSERT_EQ(sheet.ActivePage(), 2);
    // A target date before the start date: told, and the page keeps the date chosen.
    Control<QLineEdit>(sheet.Page(2), 1006)->setText(QStringLiteral("65"));
    Pick(sheet, 2, 1148, AddDays(kStart, -30));
    Click(sheet, 1013);
    EXPECT_EQ(sheet.ActivePage(), 2);
    EXPECT_EQ(m_box.ShownBoxes().back().icon, IMessageBox::Icon::Stop);
    EXPECT_EQ(m_box.Texts().last(),
              QStringLiteral("The target date cannot be before the start date of the diet."));
    EXPECT_EQ(Control<QDateEdit>(sheet.Page(2), 1148)->date(), QDate(2004, 3, 5).addDays(-30));
    EXPECT_EQ(Doc().Profile().weeklyLoss, 0.5);
}

TEST_F(ProfileWizardTest, DateFieldsTakeDigitsTypedWhereTheUserPoints)
{
    CProfilePropertySheet sheet(QStringLiteral("Profile Settings"), Doc(), m_box);
    sheet.show();
    sheet.SetActivePage(1);
    auto* start = Control<QDateEdit>(sheet.Page(1), 1196);
    ClickAndType(start, 8, QStringLiteral("2005")); // the year of 05-03-2004
    EXPECT_EQ(start->date(), QDate(2005, 3, 5));
    ClickAndType(start, 1, QStringLiteral("17"));
    EXPECT_EQ(start->date(), QDate(2005, 3, 17));
    sheet.SetActivePage(2);
    auto* target = Control<QDateEdit>(sheet.Page(2), 1148);
    ClickAndType(target, 4, QStringLiteral("09"));
    EXPECT_EQ(target->date().month(), 9);
}
