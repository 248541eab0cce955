#include "storage/CDiaryTable.h"
#include "storage/CFoodTable.h"
#include "support/TestStore.h"

#include <QProcess>

namespace {

const FileTime kDay = FileTime::FromDate(2026, 12, 9);

class DiaryExchangeTest : public TestStore
{
protected:
    // The day record of a profile, created and saved with these figures.
    void SaveDay(CDiaryTable& diary, quint32 profile, double intake, double weight, FileTime date = kDay)
    {
        if (!diary.FindDay(date, profile)) {
            ASSERT_NE(diary.NewRecord(), 0u);
            diary.Buffer().date = date;
            diary.Buffer().profileId = profile;
        }
        diary.Buffer().values[Nutrient::Energy] = intake;
        diary.Buffer().weight = weight;
        ASSERT_TRUE(diary.Save());
    }

    // Writes an exchange record as the companion does.
    void CompanionWrites(quint32 profile, double expenditure, double weight, FileTime date = kDay)
    {
        DbHandle h;
        ASSERT_TRUE(Store().OpenDb(h, QString::fromLatin1(CDiaryTable::kExchangeName), 0));
        ASSERT_NE(Store().WriteProps(h, RecordStore::WriteTarget::New,
                                     {PropVal::Time(1000, date), PropVal::UI4(1001, 1),
                                      PropVal::UI4(1002, profile), PropVal::R8(1003, 0),
                                      PropVal::R8(1004, expenditure), PropVal::R8(1005, weight)}),
                  0u);
    }

    // Every exchange record as (profile, intake, expenditure, weight).
    std::vector<std::array<double, 4>> Exchange()
    {
        std::vector<std::array<double, 4>> out;
        DbHandle h;
        Store().OpenDb(h, QString::fromLatin1(CDiaryTable::kExchangeName), 1002);
        for (RecordOid o = Store().GoToIndex(h, 0, false); o; o = Store().GoNext(h)) {
            std::vector<PropVal> p;
            Store().ReadProps(h, &p);
            EXPECT_EQ(p.size(), 6u);
            out.push_back({p[2].ToDouble(), p[3].ToDouble(), p[4].ToDouble(), p[5].ToDouble()});
        }
        return out;
    }
};

} // namespace

TEST_F(DiaryExchangeTest, DayRecordsHaveThirtyProperties)
{
    CDiaryTable diary(Store(), m_clock);
    ASSERT_EQ(diary.NewRecord(), 1u);
    EXPECT_EQ(diary.Handle().SortProperty(), CDiaryTable::kDateProp);
    std::vector<PropVal> p;
    Store().ReadProps(diary.Handle(), &p);
    ASSERT_EQ(p.size(), 30u);
    EXPECT_EQ(p[8].Id(), 505);
    EXPECT_EQ(p[27].Id(), 529);
    ASSERT_EQ(diary.NewRecord(), 2u);
}

TEST_F(DiaryExchangeTest, SavingADayOffersItsFiguresToTheCompanion)
{
    CDiaryTable diary(Store(), m_clock);
    // Nothing to offer: no record.
    SaveDay(diary, 1, 0, 0);
    EXPECT_TRUE(Exchange().empty());
    // A record with intake and weight, stamped with the time of the save.
    SaveDay(diary, 1, 1850.5, 81.2);
    ASSERT_EQ(Exchange(), (std::vector<std::array<double, 4>>{{1, 1850.5, 0, 81.2}}));
    DbHandle h;
    Store().OpenDb(h, QString::fromLatin1(CDiaryTable::kExchangeName), 0);
    Store().GoToIndex(h, 0, false);
    std::vector<PropVal> p;
    Store().ReadProps(h, &p);
    EXPECT_EQ(p[0], PropVal::Time(1000, kDay));
    EXPECT_EQ(p[1], PropVal::UI4(1001, m_clock.NowFileTime().SecondsSince1970()));
    // Back to nothing: the record goes, as the companion has no figure in it.
    SaveDay(diary, 1, 0, 0);
    EXPECT_TRUE(Exchange().empty());
}

TEST_F(DiaryExchangeTest, CompanionFiguresAreKeptAndMergedWhenAsked)
{
    CDiaryTable diary(Store(), m_clock);
    SaveDay(diary, 1, 0, 70);
    SaveDay(diary, 2, 2000, 0);
    CompanionWrites(3, 350, 0);
    SaveDay(diary, 3, 0, 0);
    // The companion's 350 kcal keep the record, with this day's zeros.
    EXPECT_EQ(Exchange(),
              (std::vector<std::array<double, 4>>{{1, 0, 0, 70}, {2, 2000, 0, 0}, {3, 0, 350, 0}}));

    // Two profiles on one date: each day finds its own record.
    CompanionWrites(4, 0, 0); // an unrelated record of another profile on the same date
    diary.SetUseCompanionExercises(true);
    ASSERT_TRUE(diary.FindDay(kDay, 3));
    EXPECT_EQ(diary.Buffer().exercise, 350);
    EXPECT_EQ(diary.Buffer().weight, 0); // the companion's weight 0 leaves the day's own
    ASSERT_TRUE(diary.FindDay(kDay, 1));
    EXPECT_EQ(diary.Buffer().exercise, 0);
    EXPECT_EQ(diary.Buffer().weight, 70);
}

TEST_F(DiaryExchangeTest, TheCompanionOptionDecidesWhatLoadTakes)
{
    CDiaryTable diary(Store(), m_clock);
    ASSERT_NE(diary.NewRecord(), 0u);
    diary.Buffer().date = kDay;
    diary.Buffer().profileId = 1;
    diary.Buffer().weight = 80;
    diary.Buffer().exercise = 120; // own exercises
    ASSERT_TRUE(diary.Save());
    // The companion records a workout and a weight for that day.
    DbHandle h;
    Store().OpenDb(h, QString::fromLatin1(CDiaryTable::kExchangeName), 0);
    Store().GoToIndex(h, 0, false);
    Store().WriteProps(h, RecordStore::WriteTarget::Current,
                       {PropVal::R8(1004, 400), PropVal::R8(1005, 79.5)});

    diary.SetUseCompanionExercises(false);
    ASSERT_TRUE(diary.FindDay(kDay, 1));
    EXPECT_EQ(diary.Buffer().weight, 80);
    EXPECT_EQ(diary.Buffer().exercise, 120);

    diary.SetUseCompanionExercises(true);
    ASSERT_TRUE(diary.FindDay(kDay, 1));
    EXPECT_EQ(diary.Buffer().weight, 79.5);
    EXPECT_EQ(diary.Buffer().exercise, 400);

    // Without a companion record the day has no exercise figure.
    ASSERT_NE(diary.NewRecord(), 0u);
    diary.Buffer().date = kDay.AddDays(1);
    diary.Buffer().profileId = 1;
    diary.Buffer().exercise = 55;
    diary.Save();
    ASSERT_TRUE(diary.FindDay(kDay.AddDays(1), 1));
    EXPECT_EQ(diary.Buffer().exercise, 0);
    // Saving keeps the companion's expenditure.
    diary.SetUseCompanionExercises(false);
    SaveDay(diary, 1, 900, 80);
    EXPECT_EQ(Exchange(), (std::vector<std::array<double, 4>>{{1, 900, 400, 80}}));
}

TEST_F(DiaryExchangeTest, DaysAreFoundByDateAndProfile)
{
    CDiaryTable diary(Store(), m_clock);
    for (int d = 0; d < 4; ++d) {
        SaveDay(diary, 1, 100 + d, 0, kDay.AddDays(d));
        SaveDay(diary, 2, 200 + d, 0, kDay.AddDays(d));
    }
    ASSERT_TRUE(diary.FindDay(kDay.AddDays(2), 2));
    EXPECT_EQ(diary.Buffer().values[Nutrient::Energy], 202);
    const RecordOid here = diary.CurrentRecord();
    EXPECT_FALSE(diary.FindDay(kDay.AddDays(9), 2));
    EXPECT_EQ(diary.CurrentRecord(), here); // the cursor goes back where it was

    ASSERT_TRUE(diary.PreviousDayOfProfile(2));
    EXPECT_EQ(diary.Buffer().values[Nutrient::Energy], 201);
    ASSERT_TRUE(diary.NextDayOfProfile(1));
    EXPECT_EQ(diary.Buffer().values[Nutrient::Energy], 102);
    ASSERT_TRUE(diary.NextDayOfProfile(1));
    EXPECT_EQ(diary.Buffer().values[Nutrient::Energy], 103);
    EXPECT_FALSE(diary.NextDayOfProfile(1));
    EXPECT_TRUE(diary.SeekDay(kDay, 1));
    EXPECT_FALSE(diary.PreviousDayOfProfile(1));
}

TEST_F(DiaryExchangeTest, AnotherProcessWritesWhileThisOneHoldsItsHandles)
{
    CDiaryTable diary(Store(), m_clock);
    diary.SetUseCompanionExercises(true);
    SaveDay(diary, 1, 1500, 80);
    SaveDay(diary, 1, 0, 0, kDay.AddDays(1)); // a day with no figures yet
    ASSERT_EQ(Exchange().size(), 1u);
    CFoodTable foods(Store());
    foods.NewRecord(1);
    foods.NewRecord(3);
    ASSERT_NE(foods.First(), 0u); // a cursor on food 1

    auto run = [&](const QStringList& args) {
        QProcess peer;
        peer.start(QStringLiteral(STORE_PEER_BIN), QStringList{StorePath()} + args);
        ASSERT_TRUE(peer.waitForFinished(30000));
        ASSERT_EQ(peer.exitCode(), 0) << peer.readAllStandardError().toStdString();
    };
    run({QStringLiteral("add-exchange"), QStringLiteral("2026-12-10"), QStringLiteral("1"),
         QStringLiteral("350"), QStringLiteral("72.5")});
    run({QStringLiteral("add-food"), QStringLiteral("2"), QStringLiteral("Oat flakes")});

    // The next look-up sees the other process's records.
    ASSERT_TRUE(diary.FindDay(kDay.AddDays(1), 1));
    EXPECT_EQ(diary.Buffer().exercise, 350);
    EXPECT_EQ(diary.Buffer().weight, 72.5);
    ASSERT_NE(foods.Next(), 0u);
    foods.Load();
    EXPECT_EQ(foods.Buffer().id, 2u);
    EXPECT_EQ(foods.Buffer().name, QStringLiteral("Oat flakes"));
}
