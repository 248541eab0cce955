#include "analysis/ui/CFoodDBViewDetails.h"
#include "app/ui/CDatePicker.h"
#include "controls/CStripedListCtrl.h"
#include "profile/DateRules.h"
#include "support/GuiFixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QProcess>

namespace {

class ReportsViewTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        AddProfile(QStringLiteral("Anna"), true);
        CFoodTable foods(m_env->Store());
        foods.NewRecord(1001);
        foods.Buffer().name = QStringLiteral("Bread");
        foods.Buffer().referenceWeight = 100;
        foods.Buffer().values.amounts[static_cast<int>(Nutrient::Energy)] = 250;
        foods.Buffer().values.amounts[static_cast<int>(Nutrient::Sodium)] = 490;
        foods.Save();
        foods.NewRecord(1002);
        foods.Buffer().name = QStringLiteral("Cheese, cheddar, sharp, sliced (includes processed)");
        foods.Buffer().referenceWeight = 100;
        foods.Buffer().values.amounts[static_cast<int>(Nutrient::Energy)] = 403;
        foods.Buffer().values.amounts[static_cast<int>(Nutrient::Sodium)] = 621;
        foods.Save();
    }

    // A meal on a past day, with the day's figures as the diary leaves them.
    void Meal(int daysAgo, double grams, quint32 food = 1001)
    {
        CFoodDBDoc& doc = Doc();
        const FileTime keep = doc.CurrentDate();
        const FileTime day = AddDays(m_env->TheClock().Today(), -daysAgo);
        doc.SetCurrentDate(day);
        doc.OpenDay();
        doc.AddMealEntry(food, grams, 1, QString(), day);
        doc.ComputeDay(doc.Day().id);
        doc.SaveDay();
        doc.SetCurrentDate(keep);
        doc.OpenDay();
    }

    CFoodDBViewDetails& Reports() { return *qobject_cast<CFoodDBViewDetails*>(Frame().CurrentView()); }
    QString Cell(int row, int column) { return Reports().List()->topLevelItem(row)->text(column); }
};

} // namespace

TEST_F(ReportsViewTest, PeriodsTypesAndTheListedRows)
{
    Start();
    Meal(5, 400); // 1000 kcal
    Meal(2, 300); // 750 kcal
    Frame().RunCommand(32853);
    ASSERT_EQ(Frame().CurrentViewType(), CMainFrame::kReports);
    // It opens on the current day, type 0.
    EXPECT_EQ(Reports().Period().days, 1);
    EXPECT_EQ(Reports().TypeSelector()->currentIndex(), 0);
    EXPECT_EQ(Reports().List()->topLevelItemCount(), 12);

    Frame().RunCommand(32859); // Last week
    EXPECT_EQ(Reports().Period().from, AddDays(m_env->TheClock().Today(), -7));
    EXPECT_EQ(Cell(0, 1), QStringLiteral(" 250.0")); // 1750 kcal over 7 days
    Reports().TypeSelector()->setCurrentIndex(1);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("1750.0"));
    Shot(&Frame(), QStringLiteral("reports"));

    Doc().Profile().paramNames[1] = QStringLiteral("Pulse");
    Doc().SaveProfile();
    Reports().TypeSelector()->setCurrentIndex(2);
    EXPECT_EQ(Reports().List()->columnCount(), 3);
    ASSERT_EQ(Reports().List()->topLevelItemCount(), 1);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("Pulse ()"));

    // The sources of a nutrient after the report's own types: the foods that gave it, most first.
    Meal(3, 28, 1002);
    const QStringList types = [&] {
        QStringList t;
        for (int i = 0; i < Reports().TypeSelector()->count(); ++i)
            t << Reports().TypeSelector()->itemText(i);
        return t;
    }();
    EXPECT_EQ(types.mid(3),
              (QStringList{"Sources of energy", "Sources of protein", "Sources of fat",
                           "Sources of saturates", "Sources of monounsaturates", "Sources of polyunsaturates",
                           "Sources of carbohydrate", "Sources of alcohol", "Sources of fiber",
                           "Sources of cholesterol", "Sources of sodium"}));
    Reports().TypeSelector()->setCurrentIndex(
        static_cast<int>(types.indexOf(QStringLiteral("Sources of sodium"))));
    EXPECT_EQ(Reports().List()->columnCount(), 4);
    ASSERT_EQ(Reports().List()->topLevelItemCount(), 2);
    // Bread 700 g: 3430 mg; cheese 28 g: 173.9 mg.
    EXPECT_EQ(Cell(0, 0), QStringLiteral("Bread"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral("3430.0"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("  95.2"));
    EXPECT_EQ(Cell(0, 3), QStringLiteral("2"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral(" 173.9"));
    Shot(&Frame(), QStringLiteral("reports-sources-of-sodium"));

    // To before From: To takes From's date.
    Reports().ToPicker()->setDate(Reports().FromPicker()->date().addDays(-3));
    EXPECT_EQ(Reports().ToPicker()->date(), Reports().FromPicker()->date());
    EXPECT_EQ(Reports().Period().days, 1);
}

TEST_F(ReportsViewTest, ExportWritesTheChosenFile)
{
    Start();
    Meal(1, 100);
    Frame().RunCommand(32853);
    Frame().RunCommand(32860); // Last month
    const QString path = m_dir.filePath(QStringLiteral("month"));
    OnNextModal([&path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("csv"));
        ChooseFile(dialog, path);
    });
    Frame().RunCommand(32870);
    QFile f(path + QStringLiteral(".csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("Profile:,,Anna,"));
}

TEST_F(ReportsViewTest, TheDayButtonsMoveTheDocumentsDayNotThePeriod)
{
    Start();
    Frame().RunCommand(32853);
    const auto period = Reports().Period();
    Frame().RunCommand(32832);
    EXPECT_EQ(Doc().CurrentDate(), AddDays(m_env->TheClock().Today(), -1));
    EXPECT_EQ(Reports().Period().from, period.from);
    Frame().RunCommand(32778); // the diary shows that day
    EXPECT_EQ(Frame().DatePicker()->Date(), AddDays(m_env->TheClock().Today(), -1));
}

TEST_F(ReportsViewTest, SaveAsPdfWritesTheReportPageByPage)
{
    Start();
    Meal(2, 300); // 750 kcal
    Meal(1, 28, 1002);
    Meal(1, 100);
    // Weights on three days of the week, for its chart.
    for (const auto& [daysAgo, kg] : {std::pair{6, 81.0}, std::pair{4, 80.4}, std::pair{1, 80.1}}) {
        Doc().SetCurrentDate(AddDays(m_env->TheClock().Today(), -daysAgo));
        Doc().OpenDay();
        Doc().SaveDay(kg, Doc().Day().params);
    }
    Doc().SetCurrentDate(m_env->TheClock().Today());
    Doc().OpenDay();
    Frame().RunCommand(32853);
    EXPECT_TRUE(Frame().Command(CFormView::kSaveAsPdf)->isEnabled());
    Frame().RunCommand(32859); // Last week
    const auto period = Reports().Period();
    QString offered;
    const QString path = m_dir.filePath(QStringLiteral("week"));
    OnNextModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_TRUE(dialog);
        offered = dialog->selectedFiles().value(0);
        ChooseFile(dialog, path);
    });
    Frame().RunCommand(CFormView::kSaveAsPdf);
    const QString from = DateText(period.from, false);
    const QString to = DateText(period.to, false);
    EXPECT_EQ(offered, m_env->Folders().DocumentsDir() + QStringLiteral("/Vellamo report ") + from +
                           QStringLiteral(" to ") + to + QStringLiteral(".pdf"));
    const QString pdf = path + QStringLiteral(".pdf");
    ASSERT_TRUE(QFile::exists(pdf));

    // Read back as text: the profile, the period, the sources and each day's total on its own page.
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000)) << "pdftotext (poppler-utils) must be installed";
    const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Profile: Anna")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Period: ") + from + QStringLiteral(" to ") + to));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Sources of energy")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Bread"))) << pages[0].toStdString();
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Trend")));
    EXPECT_TRUE(pages[1].contains(DateText(AddDays(m_env->TheClock().Today(), -2), false)));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Total of the day"))) << pages[1].toStdString();
    EXPECT_TRUE(pages[1].contains(QStringLiteral("750.0")));
    // The day with bread and cheese: 250 + 112.8 kcal.
    EXPECT_TRUE(pages[2].contains(QStringLiteral("362.8"))) << pages[2].toStdString();

    // The first page and a day's page as pictures, to look at.
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    for (const auto& [page, name] : {std::pair{1, "report-pdf-page-1"}, std::pair{3, "report-pdf-day"}}) {
        QProcess picture;
        picture.start(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page),
                       QStringLiteral("-l"), QString::number(page), pdf,
                       QStringLiteral(SCREENSHOT_DIR "/") + QString::fromLatin1(name)});
        ASSERT_TRUE(picture.waitForFinished(20000));
        EXPECT_EQ(picture.exitCode(), 0);
    }

    // A file that cannot be written: a clear message and nothing left behind.
    const QString locked = m_dir.filePath(QStringLiteral("no such folder/report.pdf"));
    OnNextModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_TRUE(dialog);
        ChooseFile(dialog, locked);
    });
    Frame().RunCommand(CFormView::kSaveAsPdf);
    ASSERT_FALSE(m_box.Texts().isEmpty());
    EXPECT_TRUE(m_box.Texts().last().startsWith(QStringLiteral("The report could not be saved as ")))
        << m_box.Texts().last().toStdString();
    EXPECT_FALSE(QFile::exists(locked));
    // Other views have no report to save.
    Frame().RunCommand(32778);
    EXPECT_FALSE(Frame().Command(CFormView::kSaveAsPdf)->isEnabled());
}
