#include "analysis/ReportExport.h"
#include "ReportFixture.h"
#include "diary/ActivityTable.h"
#include "fooddb/CCsvFile.h"
#include "support/RecordingMessageBox.h"

namespace {

class ReportExportTest : public ReportFixture
{
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        AddFood(11, QStringLiteral("Bread, rye"), 250, 8);
        AddFood(12, QStringLiteral("Milk"), 64, 3.4);
    }

    void AddFood(quint32 id, const QString& name, double energy, double protein)
    {
        CFoodTable& foods = m_doc->Foods();
        foods.NewRecord(id);
        foods.Buffer().name = name;
        foods.Buffer().values[Nutrient::Energy] = energy;
        foods.Buffer().values[Nutrient::Protein] = protein;
        foods.Buffer().referenceWeight = 100;
        foods.Save();
    }

    FileTime At(FileTime day, int hour, int minute)
    {
        return FileTime(day.Ticks() +
                        static_cast<quint64>(hour * 60 + minute) * 60 * FileTime::kTicksPerSecond);
    }

    // A day as the diary makes it: entries, then the day's figures computed and saved.
    void Diary(FileTime day, double weightKg)
    {
        m_doc->SetCurrentDate(day);
        m_doc->OpenDay();
        m_doc->AddMealEntry(11, 150, 1.5, QString(), At(day, 8, 0));
        m_doc->AddMealEntry(12, 200, 1, QStringLiteral("glass"), At(day, 8, 5));
        m_doc->AddExerciseEntry(0, 30, At(day, 18, 0));
        m_doc->ComputeDay(m_doc->Day().id);
        m_doc->SaveDay(weightKg, {0, 0, 0, 0});
    }

    std::vector<std::vector<QString>> Export(FileTime from, FileTime to)
    {
        const QString path = m_dir.filePath(QStringLiteral("report.csv"));
        EXPECT_TRUE(ReportExport::ExportReport(*m_doc, from, to, path, &m_box));
        CCsvFile f;
        EXPECT_TRUE(f.OpenRead(path));
        std::vector<std::vector<QString>> lines;
        std::vector<QByteArray> fields;
        bool end = false;
        while (!end) {
            end = f.ReadLine(&fields);
            if (fields.empty())
                continue;
            std::vector<QString> line;
            for (const QByteArray& b : fields)
                line.push_back(CCsvFile::TextOf(b));
            lines.push_back(line);
        }
        return lines;
    }

    RecordingMessageBox m_box;
};

} // namespace

TEST_F(ReportExportTest, ADayWithTwoMealsAndAnExercise)
{
    const FileTime day = AddDays(kToday, -1);
    Diary(day, 70);
    const FileTime current = m_doc->CurrentDate();
    const auto lines = Export(day, day);
    ASSERT_EQ(lines.size(), 4u + 3u + 1u + 1u + 1u + 2u);
    for (const auto& l : lines)
        EXPECT_TRUE(l.size() == 25 || l.size() == 29 || l.size() == 22) << l.size();
    EXPECT_EQ(lines[0][2], QStringLiteral("Anna"));
    EXPECT_EQ(lines[1][2], QStringLiteral("From 12-08-2026 to 12-08-2026"));
    EXPECT_EQ(lines[3][0], QStringLiteral("Date"));
    EXPECT_EQ(lines[3][25], QStringLiteral("n/a"));

    const auto& bread = lines[4];
    EXPECT_EQ(bread[0], QStringLiteral("12-08-2026"));
    EXPECT_EQ(bread[1], QStringLiteral("08:00"));
    EXPECT_EQ(bread[2], QStringLiteral("Bread, rye")); // quoted in the file, whole when read
    EXPECT_EQ(bread[3], QStringLiteral("  1.50 x  100.0 g"));
    EXPECT_EQ(bread[4], QStringLiteral("150"));
    EXPECT_EQ(bread[5], QStringLiteral("375"));
    EXPECT_EQ(bread[6], QStringLiteral("0"));
    EXPECT_EQ(bread[7], QStringLiteral("12"));
    EXPECT_EQ(bread[17], QStringLiteral("100")); // all its energy from protein
    EXPECT_EQ(bread[24], QStringLiteral("70"));  // the day's weight, kg for a metric profile
    EXPECT_EQ(lines[5][3], QStringLiteral("glass"));

    const auto& run = lines[6];
    EXPECT_EQ(run[2], QStringLiteral("Running 12 min/mile"));
    EXPECT_EQ(run[3], QStringLiteral("30 minutes"));
    EXPECT_EQ(run[5], QStringLiteral("0"));
    EXPECT_EQ(run[6].toDouble(), -ExerciseCalories(0, 30, m_doc->WeightOnDay(kToday)));

    const auto& total = lines[7];
    EXPECT_EQ(total[2], QStringLiteral("total"));
    EXPECT_EQ(total[5].toDouble(), 375 + 128);
    EXPECT_GT(total[6].toDouble(), 0);
    EXPECT_EQ(lines[8].size(), 22u);
    EXPECT_EQ(lines[10][0], QStringLiteral("Total:"));
    EXPECT_EQ(lines[11][0], QStringLiteral("Average:"));
    EXPECT_EQ(lines[11][5].toDouble(), 503);
    // The document's day stays where it was.
    EXPECT_EQ(m_doc->CurrentDate(), current);
    QFile raw(m_dir.filePath(QStringLiteral("report.csv")));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().contains(",\"Bread, rye\","));
}

TEST_F(ReportExportTest, ServingTexts)
{
    EXPECT_EQ(ReportExport::ServingText(1.5, 150, QString()), QStringLiteral("  1.50 x  100.0 g"));
    EXPECT_EQ(ReportExport::ServingText(1.5, 60, QStringLiteral("slice")), QStringLiteral("  1.50 x slice"));
    EXPECT_EQ(ReportExport::ServingText(1, 40, QStringLiteral("slice")), QStringLiteral("slice"));
    EXPECT_EQ(ReportExport::ServingText(0, 40, QString()), QStringLiteral("  0.00 x   40.0 g"));
}

TEST_F(ReportExportTest, CompanionExercisesReplaceTheDaysOwn)
{
    const FileTime day = AddDays(kToday, -1);
    Diary(day, 70);
    m_doc->Profile().Set(CProfileTable::kCompanionExercises, true);
    m_doc->SaveProfile();
    // The companion's figure for that day.
    DbHandle h;
    ASSERT_TRUE(Store().OpenDb(h, QString::fromLatin1(CDiaryTable::kExchangeName), CDiaryTable::kExDateProp));
    ASSERT_TRUE(Store().FindFirstEqual(h, PropVal::Time(CDiaryTable::kExDateProp, day)));
    Store().WriteProps(h, RecordStore::WriteTarget::Current,
                       {PropVal::R8(CDiaryTable::kExExpenditureProp, 350)});
    Store().CloseDb(h);

    const auto lines = Export(day, day);
    ASSERT_EQ(lines.size(), 4u + 1u + 2u + 1u + 1u + 1u + 2u);
    EXPECT_EQ(lines[4][2], QStringLiteral("Ravelin"));
    EXPECT_EQ(lines[4][6], QStringLiteral("-350"));
    EXPECT_EQ(lines[5][2], QStringLiteral("Bread, rye"));
    EXPECT_EQ(lines[6][2], QStringLiteral("Milk"));
    EXPECT_EQ(lines[7][2], QStringLiteral("total"));
    EXPECT_EQ(lines[7][6], QStringLiteral("350"));
}

TEST_F(ReportExportTest, AnEmptyPeriodAndAFileThatCannotBeWritten)
{
    const auto lines = Export(AddDays(kToday, -10), AddDays(kToday, -3));
    ASSERT_EQ(lines.size(), 4u + 1u + 2u);
    EXPECT_EQ(lines[5][0], QStringLiteral("Total:"));
    EXPECT_EQ(lines[5][5], QStringLiteral("0"));
    EXPECT_EQ(lines[6][0], QStringLiteral("Average:"));
    EXPECT_EQ(lines[6][5], QStringLiteral("0"));

    EXPECT_FALSE(ReportExport::ExportReport(*m_doc, kToday, kToday,
                                            m_dir.filePath(QStringLiteral("no/such/dir/r.csv")), &m_box));
    EXPECT_EQ(m_box.Texts().last(),
              QStringLiteral("Error opening CSV file for writing. Export function terminated!"));
}
