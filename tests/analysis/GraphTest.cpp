#include "ReportFixture.h"
#include "analysis/CChartCtrl.h"
#include "analysis/GraphBuilder.h"

namespace {

class GraphTest : public ReportFixture
{
protected:
    void Choose(int first, int second)
    {
        m_doc->Profile().graphQuantity = {static_cast<qint16>(first), static_cast<qint16>(second)};
        m_doc->SaveProfile();
    }
};

} // namespace

TEST_F(GraphTest, TheWeightAxisFollowsTheWeightsAndTheTarget)
{
    m_doc->Profile().targetWeight = 70;
    Choose(1, 0);
    AddDay(AddDays(kToday, -3), 2000, 50, {}, 80);
    AddDay(AddDays(kToday, -2), 2000, 0, {}, 79);
    AddDay(AddDays(kToday, -1), 2000, 50, {}, 78.5);
    AddDay(kToday, 2000, 50, {}, 0); // no weight: a gap
    GraphBuilder graph(*m_doc);
    CChartCtrl chart;
    graph.Build(chart, AddDays(kToday, -3), kToday);
    EXPECT_EQ(Points(graph.Series(0)), (QStringList{"0:80", "1:79", "2:78.5"}));
    EXPECT_EQ(chart.LeftAxis().title, QStringLiteral("Weight (kg)"));
    EXPECT_EQ(chart.LeftAxis().min, 61);
    EXPECT_EQ(chart.LeftAxis().max, 86);
    EXPECT_EQ(chart.LeftAxis().step, 3);
    EXPECT_TRUE(graph.Series(0).HasReference());
    EXPECT_EQ(graph.Series(0).Reference(), 70);
    EXPECT_FALSE(chart.HasRightAxis());

    // Protein 0 is a value.
    Choose(4, 0);
    GraphBuilder protein(*m_doc);
    CChartCtrl chart2;
    protein.Build(chart2, AddDays(kToday, -3), kToday);
    EXPECT_EQ(Points(protein.Series(0)), (QStringList{"0:50", "1:0", "2:50", "3:50"}));
}

TEST_F(GraphTest, DefaultPeriodAndScrollingToItsLastDay)
{
    GraphBuilder graph(*m_doc);
    CChartCtrl chart;
    graph.Build(chart, AddDays(kToday, -22), AddDays(kToday, -1));
    EXPECT_EQ(chart.ScrollMax(), 22);
    EXPECT_EQ(chart.VisibleDays(), 21);
    EXPECT_EQ(chart.FirstVisibleDay() + chart.VisibleDays() - 1, 20);
    chart.Scroll(CChartCtrl::kLineRight, 0);
    EXPECT_EQ(chart.FirstVisibleDay(), 2);
    EXPECT_GE(chart.FirstVisibleDay() + chart.VisibleDays() - 1, 21);
    // "<None>" in both: no series named, no right axis.
    EXPECT_TRUE(graph.Series(0).Name().isEmpty());
    EXPECT_TRUE(graph.Series(1).Name().isEmpty());
    EXPECT_FALSE(chart.HasRightAxis());
}

TEST_F(GraphTest, StylesLiveInTheProfileFlags)
{
    // A new profile has both series as bars.
    EXPECT_EQ(GraphBuilder::StyleOf(4, 0), GraphBuilder::kBar);
    EXPECT_EQ(GraphBuilder::StyleOf(4, 1), GraphBuilder::kBar);
    quint32 flags = 4;
    for (int style :
         {GraphBuilder::kLine, GraphBuilder::kSmooth, GraphBuilder::kBar, GraphBuilder::kSmooth}) {
        flags = GraphBuilder::WithStyle(flags, 1, style);
        EXPECT_EQ(GraphBuilder::StyleOf(flags, 1), style);
        EXPECT_EQ(GraphBuilder::StyleOf(flags, 0), GraphBuilder::kBar);
    }
    EXPECT_EQ(flags, 4u | 0x80u | 0x100u);
}

TEST_F(GraphTest, NamedParametersOnlyEachPlottingItsOwn)
{
    ProfileRecord& p = m_doc->Profile();
    p.paramNames[1] = QStringLiteral("Pulse");
    p.paramUnits[1] = QStringLiteral("b/min");
    p.paramNames[3] = QStringLiteral("Sleep");
    p.paramUnits[3] = QStringLiteral("Hrs");
    p.paramGoals[3] = 8;
    const auto list = GraphBuilder::Quantities(p);
    ASSERT_EQ(list.size(), 17u);
    EXPECT_EQ(list[14].text, QStringLiteral("Pulse (b/min)"));
    EXPECT_EQ(list[15].text, QStringLiteral("Sleep (Hrs)"));
    EXPECT_EQ(list[16].text, QStringLiteral("Weight trend (kg)"));
    Choose(14, 15);
    AddDay(AddDays(kToday, -1), 2000, 50, {1, 62, 3, 7.5});
    GraphBuilder graph(*m_doc);
    CChartCtrl chart;
    graph.Build(chart, AddDays(kToday, -1), AddDays(kToday, -1));
    EXPECT_EQ(Points(graph.Series(0)), QStringList{QStringLiteral("0:62")});
    EXPECT_EQ(Points(graph.Series(1)), QStringList{QStringLiteral("0:7.5")});
    EXPECT_TRUE(chart.HasRightAxis());
    EXPECT_EQ(chart.RightAxis().title, QStringLiteral("Sleep (Hrs)"));
    EXPECT_EQ(graph.Series(1).Reference(), 8);
}

TEST_F(GraphTest, CompanionExercisesAreWhatIsPlotted)
{
    const FileTime day = AddDays(kToday, -1);
    AddDay(day, 2000, 50);
    m_doc->Profile().Set(CProfileTable::kCompanionExercises, true);
    Choose(3, 0); // expenditure
    DbHandle h;
    const QString exchange = QString::fromLatin1(CDiaryTable::kExchangeName);
    ASSERT_TRUE(Store().OpenDb(h, exchange, CDiaryTable::kExDateProp));
    ASSERT_TRUE(Store().FindFirstEqual(h, PropVal::Time(CDiaryTable::kExDateProp, day)));
    Store().WriteProps(h, RecordStore::WriteTarget::Current,
                       {PropVal::R8(CDiaryTable::kExExpenditureProp, 350)});
    Store().CloseDb(h);
    GraphBuilder graph(*m_doc);
    CChartCtrl chart;
    graph.Build(chart, day, day);
    EXPECT_EQ(Points(graph.Series(0)), QStringList{QStringLiteral("0:350")});
}

TEST_F(GraphTest, TheWeightTrendGoesOnOverDaysWithoutAWeightInTheProfilesUnits)
{
    m_doc->Profile().targetWeight = 70;
    AddDay(AddDays(kToday, -5), 0, 0, {}, 80); // before the period: the trend starts here
    AddDay(AddDays(kToday, -3), 0, 0, {}, 90);
    AddDay(AddDays(kToday, -1), 2000, 50); // no weight
    const int trend = static_cast<int>(GraphBuilder::Quantities(m_doc->Profile()).size()) - 1;
    const struct
    {
        bool metric;
        const char* title;
        QStringList points;
    } cases[] = {
        {true, "Weight trend (kg)", {"0:80", "1:81", "2:81", "3:81", "4:81"}},
        {false, "Weight trend (lbs)", {"0:176.37", "1:178.57", "2:178.57", "3:178.57", "4:178.57"}},
    };
    for (const auto& c : cases) {
        m_doc->Profile().Set(CProfileTable::kMetric, c.metric);
        Choose(trend, 0);
        GraphBuilder graph(*m_doc);
        CChartCtrl chart;
        graph.Build(chart, AddDays(kToday, -4), kToday);
        QStringList points;
        for (int i = 0; i < graph.Series(0).Count(); ++i)
            points << QStringLiteral("%1:%2")
                          .arg(graph.Series(0).X(i))
                          .arg(graph.Series(0).Y(i), 0, 'f', 2)
                          .replace(QStringLiteral(".00"), QString());
        EXPECT_EQ(points, c.points) << c.title;
        EXPECT_EQ(chart.LeftAxis().title, QString::fromLatin1(c.title));
        EXPECT_NEAR(graph.Series(0).Reference(), c.metric ? 70 : 154.32, 0.01);
    }
}
