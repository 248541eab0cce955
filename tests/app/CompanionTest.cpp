#include "analysis/ui/CFoodDBViewDetails.h"
#include "app/CompanionLink.h"
#include "controls/CColorEdit.h"
#include "controls/CStripedListCtrl.h"
#include "diary/ui/CFoodDBView.h"
#include "platform/ExchangeChannel.h"
#include "support/GuiFixture.h"
#include "support/StandIn.h"

#include <QElapsedTimer>
#include <QFile>

namespace {

class CompanionTest : public GuiTest
{
protected:
    QString LogPath() const { return m_dir.filePath(QStringLiteral("standin.log")); }
    QStringList Log() const
    {
        QFile f(LogPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    CFoodDBView& Diary() { return *qobject_cast<CFoodDBView*>(Frame().CurrentView()); }
    QString Today() const
    {
        const LocalDateTime t = m_env->TheClock().Now();
        return QStringLiteral("%1-%2-%3")
            .arg(t.year)
            .arg(t.month, 2, 10, QLatin1Char('0'))
            .arg(t.day, 2, 10, QLatin1Char('0'));
    }
};

} // namespace

TEST_F(CompanionTest, WithoutACompanionNothingHappensAndNothingIsShown)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    CompanionLink& link = m_app->Companion();
    EXPECT_FALSE(link.NotifyCompanion(m_env->TheClock().Today()));
    EXPECT_EQ(link.LaunchCompanion(), QString::fromLatin1(CompanionLink::kDefaultProgram));
    // Installed somewhere else: started from there.
    Registry::Key key;
    m_env->TheRegistry().CreateKey(Registry::Hive::LocalMachine,
                                   QString::fromLatin1(CompanionLink::kInstallKey), &key);
    key.SetString(QStringLiteral("InstallDir"), QStringLiteral("/nowhere/Ravelin"));
    EXPECT_EQ(link.LaunchCompanion(), QStringLiteral("/nowhere/Ravelin/ravelin"));
    EXPECT_TRUE(m_box.Texts().isEmpty());
}

TEST_F(CompanionTest, ARunningCompanionIsRaisedAndHearsTheDay)
{
    StandIn standIn;
    ASSERT_TRUE(standIn.Start(m_dir.path(), {QStringLiteral("--log"), LogPath()}));
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    // Vellamo published its endpoint in the key the companion made.
    Registry::Key key;
    quint32 published = 0;
    ASSERT_TRUE(m_env->TheRegistry().OpenKey(Registry::Hive::CurrentUser,
                                             QStringLiteral("Software\\Vellamo\\Vellamo"), &key));
    EXPECT_TRUE(key.QueryDword(QStringLiteral("HWND"), &published));
    EXPECT_EQ(published, m_app->EndpointNumber());

    CompanionLink& link = m_app->Companion();
    EXPECT_EQ(link.LaunchCompanion(), QString()); // only brought to the front
    const FileTime today = m_env->TheClock().Today();
    EXPECT_TRUE(link.NotifyCompanion(today));
    // The diary tells it after a change of the weight.
    Diary().WeightField()->setText(QStringLiteral("150.0"));
    Frame().RunCommand(32857);
    QApplication::setActiveWindow(&Frame());
    Diary().WeightField()->setFocus();
    Diary().List()->setFocus();
    const QString day = QStringLiteral("exchange %1").arg(today.SecondsSince1970());
    EXPECT_EQ(Log(), (QStringList{QStringLiteral("raise"), day, day}));
}

// The companion writes 350 kcal and 72.5 kg for today while the diary shows it.
class CompanionFiguresTest : public CompanionTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(CompanionFiguresTest, ReachTheOpenDiaryWhenItUsesThem)
{
    const bool useCompanion = GetParam();
    StandIn standIn;
    ASSERT_TRUE(standIn.Start(m_dir.path()));
    const quint32 profile = AddProfile(QStringLiteral("Anna"), true);
    Start();
    Doc().Profile().Set(CProfileTable::kMetric, true);
    Doc().Profile().Set(CProfileTable::kCompanionExercises, useCompanion);
    Doc().SaveProfile();
    Frame().ShowView(101);
    Doc().AddExerciseEntry(0, 30, m_env->TheClock().NowFileTime());
    Diary().WeightField()->setText(QStringLiteral("70.0"));
    Diary().SaveDay();
    Doc().UpdateAllViews();

    const QByteArray answer =
        standIn.Ask(QStringLiteral("write %1 %2 350 72.5").arg(profile).arg(Today()).toUtf8());
    EXPECT_EQ(answer, QByteArray("done written told"));
    CStripedListCtrl* list = Diary().List();
    if (useCompanion) {
        ASSERT_EQ(list->topLevelItemCount(), 2);
        EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("RVL"));
        EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral("-350.0"));
        EXPECT_EQ(Diary().WeightField()->text(), QStringLiteral(" 72.5"));
        EXPECT_EQ(Doc().Expenditure(), 350);
    } else {
        ASSERT_EQ(list->topLevelItemCount(), 1);
        EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("Running 12 min/mile"));
        EXPECT_EQ(Diary().WeightField()->text(), QStringLiteral(" 70.0"));
        EXPECT_NEAR(Doc().Expenditure(), 294, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(UseOrNot, CompanionFiguresTest, ::testing::Bool());

TEST_F(CompanionTest, ACompanionThatNeverAnswersDelaysAtMostTheTimeLimit)
{
    StandIn standIn;
    ASSERT_TRUE(standIn.Start(m_dir.path(), {QStringLiteral("--hang")}));
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(m_app->Companion().NotifyCompanion(m_env->TheClock().Today()));
    // Coarse on purpose: this is about not hanging, not about speed.
    EXPECT_LT(t.elapsed(), 3 * ExchangeChannel::kAnswerMs);
}

TEST_F(CompanionTest, AMessageWhileTheReportsShowUpdatesThem)
{
    StandIn standIn;
    ASSERT_TRUE(standIn.Start(m_dir.path()));
    const quint32 profile = AddProfile(QStringLiteral("Anna"), true);
    Start();
    Doc().Profile().Set(CProfileTable::kCompanionExercises, true);
    Doc().SaveProfile();
    Frame().RunCommand(32853);
    auto* reports = qobject_cast<CFoodDBViewDetails*>(Frame().CurrentView());
    ASSERT_TRUE(reports);
    EXPECT_EQ(reports->List()->topLevelItem(1)->text(1), QStringLiteral("   0.0"));
    EXPECT_EQ(standIn.Ask(QStringLiteral("write %1 %2 350 72.5").arg(profile).arg(Today()).toUtf8()),
              QByteArray("done written told"));
    EXPECT_EQ(reports->List()->topLevelItem(1)->text(0), QStringLiteral("Expenditure (kcal)"));
    EXPECT_EQ(reports->List()->topLevelItem(1)->text(1), QStringLiteral(" 350.0"));
}
