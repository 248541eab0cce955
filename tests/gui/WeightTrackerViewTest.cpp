#include "analysis/ui/CGraphForm.h"
#include "analysis/ui/CViewWeightTracker.h"
#include "controls/CColorEdit.h"
#include "profile/DateRules.h"
#include "support/ChartPaintRecorder.h"
#include "support/GuiFixture.h"

#include <QFileDialog>
#include <QImage>
#include <QScrollBar>

TEST_F(GuiTest, WeightTrackerWithAYearOfWeights)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    const FileTime today = m_env->TheClock().Today();
    const FileTime start = AddDays(today, -365);
    ProfileRecord& p = Doc().Profile();
    p.Set(CProfileTable::kMetric, true);
    p.startWeight = 92;
    p.targetWeight = 75;
    p.weeklyLoss = 0.5;
    p.startDate = start;
    Doc().SaveProfile();
    {
        CDiaryTable days(m_env->Store(), m_env->TheClock());
        RecordStore::Batch batch(m_env->Store());
        for (int d = 0; d <= 365; d += 3) {
            days.NewRecord();
            days.Buffer().date = AddDays(start, d);
            days.Buffer().profileId = p.id;
            days.Buffer().weight = 92 - d * 0.04 + (d % 7) * 0.1;
            days.Save();
        }
    }
    Frame().RunCommand(32780);
    auto* view = qobject_cast<CViewWeightTracker*>(Frame().CurrentView());
    ASSERT_TRUE(view);
    EXPECT_EQ(view->Tracker().Actual().Count(), 1 + 122);
    EXPECT_EQ(view->Field(1008)->text(), QStringLiteral("75"));
    EXPECT_EQ(view->ScrollBar()->maximum(), view->Chart().ScrollMax());
    // The trend over the plan's lines, and the day it reaches the target at its rate (falling
    // 0.04 kg a day from about 78 kg: near the 75 kg target within months).
    EXPECT_GT(view->Tracker().Trend().Count(), 100);
    EXPECT_FALSE(view->Field(CViewWeightTracker::kTrendEndId)->text().isEmpty());
    Shot(&Frame(), QStringLiteral("weight-tracker"));
    // Scrolling a week on repaints at once: the day labels move by the week.
    ChartPaintRecorder painted(view, view->Chart());
    view->update();
    QApplication::processEvents();
    const QStringList days = painted.DayLabels();
    ASSERT_GE(days.size(), 2);
    view->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(view->Chart().FirstVisibleDay(), 7);
    QApplication::processEvents();
    EXPECT_EQ(painted.DayLabels().first(), QString::number(days.first().toInt() + 7));
    // So does a drag of the thumb.
    view->ScrollBar()->setSliderPosition(28);
    QApplication::processEvents();
    EXPECT_EQ(view->Chart().FirstVisibleDay(), 28);
    EXPECT_EQ(painted.DayLabels().first(), QString::number(days.first().toInt() + 28));
}

TEST_F(GuiTest, SavePictureWritesTheChartAtTwiceTheScreensPixels)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    EXPECT_FALSE(Frame().Command(CFormView::kSavePicture)->isEnabled()) << "the diary has no chart";
    const auto save = [&](const QString& path) {
        OnNextModal([path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_TRUE(dialog);
            ChooseFile(dialog, path);
        });
        Frame().RunCommand(CFormView::kSavePicture);
    };
    for (int view : {32854, 32780}) {
        Frame().RunCommand(view);
        ASSERT_TRUE(Frame().Command(CFormView::kSavePicture)->isEnabled());
        const QString png = m_dir.filePath(QStringLiteral("chart%1.png").arg(view));
        save(png);
        QImage picture(png);
        ASSERT_FALSE(picture.isNull()) << view;
        const double scale = 2 * Frame().devicePixelRatioF();
        const CChartCtrl& chart = view == 32854
                                      ? qobject_cast<CGraphForm*>(Frame().CurrentView())->Chart()
                                      : qobject_cast<CViewWeightTracker*>(Frame().CurrentView())->Chart();
        EXPECT_EQ(picture.size(), QSize(qRound(chart.Width() * scale), qRound(chart.Height() * scale)))
            << view;
    }
    // A name ending in .svg: the drawing itself.
    const QString svg = m_dir.filePath(QStringLiteral("tracker.svg"));
    save(svg);
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray document = f.readAll();
    EXPECT_TRUE(document.startsWith("<svg") || document.startsWith("<?xml"))
        << document.left(80).toStdString();
    EXPECT_TRUE(document.contains("Planned"));
    // A folder that does not exist: told, nothing written.
    save(m_dir.filePath(QStringLiteral("none/chart.png")));
    ASSERT_FALSE(m_box.Texts().isEmpty());
    EXPECT_TRUE(m_box.Texts().last().startsWith(QStringLiteral("The picture could not be saved as ")));
}
