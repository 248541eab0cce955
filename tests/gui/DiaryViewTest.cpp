#include "app/ui/CDatePicker.h"
#include "controls/CColorEdit.h"
#include "controls/CDateEdit.h"
#include "controls/CStripedListCtrl.h"
#include "diary/DiaryScreen.h"
#include "diary/IExerciseDatabaseDialog.h"
#include "diary/IFoodChooser.h"
#include "diary/IMealPropertiesDialog.h"
#include "diary/ui/CCopyEntriesDlg.h"
#include "diary/ui/CFoodDBView.h"
#include "diary/ui/CWarningsDlg.h"
#include "profile/Measures.h"
#include "storage/CDiaryTable.h"
#include "storage/CMeasuresTable.h"
#include "support/FaultVfs.h"
#include "support/GuiFixture.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QScrollBar>

namespace {

class DiaryViewTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        m_profile = AddProfile(QStringLiteral("Anna"), true);
        // Bread: 250 kcal, 9 g protein per 100 g; a slice of 30 g.
        CFoodTable foods(m_env->Store());
        foods.NewRecord(1001);
        foods.Load();
        foods.Buffer().name = QStringLiteral("Bread");
        foods.Buffer().referenceWeight = 100;
        foods.Buffer().values.amounts[static_cast<int>(Nutrient::Energy)] = 250;
        foods.Buffer().values.amounts[static_cast<int>(Nutrient::Protein)] = 9;
        foods.Save();
    }

    CFoodDBView& Diary()
    {
        auto* view = qobject_cast<CFoodDBView*>(Frame().CurrentView());
        EXPECT_TRUE(view);
        return *view;
    }

    FileTime At(int hour, int minute) const
    {
        return FileTime(m_env->TheClock().Today().Ticks() +
                        static_cast<quint64>(hour * 60 + minute) * 60 * FileTime::kTicksPerSecond);
    }

    QStringList Row(int row) const
    {
        QStringList cells;
        QTreeWidgetItem* item = const_cast<DiaryViewTest*>(this)->Diary().List()->topLevelItem(row);
        for (int c = 0; item && c < 5; ++c)
            cells << item->text(c);
        return cells;
    }

    quint32 m_profile = 0;
};

} // namespace

TEST_F(DiaryViewTest, ListShowsMealsAndExercisesLatestFirst)
{
    Start();
    Doc().SaveDay(70, {});
    Doc().AddMealEntry(1001, 60, 2, QStringLiteral("slice"), At(8, 15));
    Doc().AddMealEntry(1001, 60, 1.5, QString(), At(12, 30));
    Doc().AddExerciseEntry(0, 30, At(18, 0));
    Doc().UpdateAllViews();
    CStripedListCtrl* list = Diary().List();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(Row(0), (QStringList{"18:00", "Running 12 min/mile", "-294.0", "30 minutes", "-"}));
    EXPECT_EQ(Row(1), (QStringList{"12:30", "Bread", " 150.0", "  1.50 x   40.0 g", "  60.0"}));
    EXPECT_EQ(Row(2), (QStringList{"08:15", "Bread", " 150.0", "  2.00 x slice", "  60.0"}));
    EXPECT_EQ(list->topLevelItem(2)->text(5), QStringLiteral("   5.4"));
    EXPECT_EQ(list->CellTextColor(0), list->palette().color(QPalette::WindowText));
    EXPECT_EQ(list->CellTextColor(1), QColor(0, 0, 128));
    EXPECT_EQ(CStripedListCtrl::RowColor(0), QColor(224, 224, 255));
    EXPECT_EQ(CStripedListCtrl::RowColor(1), QColor(200, 200, 255));
    // Default summary lines: Cals, Prot, Fat, Carb, Alco.
    EXPECT_EQ(Control<CColorEdit>(&Diary(), 1185)->text(), QStringLiteral("  300"));
    EXPECT_EQ(Control<CColorEdit>(&Diary(), 1186)->text(), QStringLiteral("   11"));
    EXPECT_EQ(Diary().WeightField()->text(), QStringLiteral("154.3")); // US measures: 70 kg in lbs
    Shot(&Frame(), QStringLiteral("diary"));
}

TEST_F(DiaryViewTest, ListPositionFollowsTheLinesInUse)
{
    struct Case
    {
        const char* name;
        std::array<int, 5> lines;
        int namedParam; // -1 none
        int top;
    };
    const Case cases[] = {
        {"lines 2..5 empty", {4, 0, 0, 0, 0}, -1, 26},
        {"only parameter 3 named", {4, 0, 0, 0, 0}, 2, 89},
        {"all five lines", {4, 5, 6, 10, 11}, -1, 110},
    };
    Start();
    for (const Case& c : cases) {
        Doc().Profile().summaryLines = c.lines;
        Doc().Profile().paramNames = {};
        if (c.namedParam >= 0)
            Doc().Profile().paramNames[c.namedParam] = QStringLiteral("Pulse");
        Doc().SaveProfile();
        Doc().UpdateAllViews();
        EXPECT_EQ(Diary().List()->geometry(), QRect(0, c.top, 240, 245 - c.top)) << c.name;
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(Diary().ParameterField(k)->isVisibleTo(&Diary()), k == c.namedParam) << c.name;
    }
}

TEST_F(DiaryViewTest, ColumnOrderIsKeptOnlyWhenWhole)
{
    const QString moved = QStringLiteral("010002030405060708091011121314");
    const std::pair<QString, int> cases[] = {
        {moved, 1},                                            // "Meal/Exercise" first
        {QStringLiteral("0100020304"), 0},                     // too short: ignored
        {QStringLiteral("000002030405060708091011121314"), 0}, // a column twice: ignored
    };
    Start();
    for (const auto& [order, first] : cases) {
        // Stored while another view shows, so the diary opens with it.
        Frame().RunCommand(32854);
        Doc().Profile().columnOrder = order;
        Doc().SaveProfile();
        Frame().ShowView(101);
        EXPECT_EQ(Diary().List()->header()->logicalIndex(0), first) << order.toStdString();
    }
    // Leaving the diary stores the order in use.
    Diary().List()->header()->moveSection(1, 0);
    Frame().RunCommand(32854);
    CProfileTable profiles(m_env->Store(), m_env->TheClock());
    profiles.FindId(m_profile);
    profiles.Load();
    EXPECT_EQ(profiles.Buffer().columnOrder, moved);
}

TEST_F(DiaryViewTest, UsWeightIsStoredInKilograms)
{
    Start();
    ASSERT_FALSE(IsMetric());
    Diary().WeightField()->setText(QStringLiteral("154.0"));
    Diary().SaveDay();
    EXPECT_DOUBLE_EQ(Doc().Day().weight, 69.8544);
    Doc().UpdateAllViews();
    EXPECT_EQ(Diary().WeightField()->text(), QStringLiteral("154.0"));
}

TEST_F(DiaryViewTest, DateChangeSavesTheDayLeftAndLoadsTheNewOne)
{
    Start();
    CDatePicker* picker = Frame().DatePicker();
    Diary().WeightField()->setText(QStringLiteral("150.0"));
    Frame().RunCommand(32832); // previous day
    EXPECT_EQ(picker->Date(), m_env->TheClock().Today().AddDays(-1));
    EXPECT_EQ(Doc().CurrentDate(), m_env->TheClock().Today().AddDays(-1));
    EXPECT_NEAR(Doc().StoredWeightOnDay(m_env->TheClock().Today()), 150.0 * 0.4536, 1e-9);
    Diary().WeightField()->setText(QStringLiteral("149.0"));
    Frame().RunCommand(32835); // next day: today's weight comes back
    EXPECT_EQ(Diary().WeightField()->text(), QStringLiteral("150.0"));
    EXPECT_NEAR(Doc().StoredWeightOnDay(m_env->TheClock().Today().AddDays(-1)), 149.0 * 0.4536, 1e-9);
    // A date picked in the calendar.
    picker->setDate(QDate(2026, 12, 1));
    emit picker->closeUp();
    EXPECT_EQ(Doc().CurrentDate(), FileTime::FromDate(2026, 12, 1));
    Frame().RunCommand(32857);
    EXPECT_EQ(Doc().CurrentDate(), m_env->TheClock().Today());
}

TEST_F(DiaryViewTest, TheCalendarIsMadeWhenItPopsUpAndADateClickedInItIsShown)
{
    Start();
    CDatePicker* picker = Frame().DatePicker();
    EXPECT_EQ(picker->findChild<QCalendarWidget*>(), nullptr) << "not made at start";
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() - 4, picker->height() / 2));
    QCalendarWidget* calendar = picker->findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    calendar->setSelectedDate(QDate(2026, 12, 3));
    emit calendar->clicked(QDate(2026, 12, 3));
    EXPECT_EQ(Doc().CurrentDate(), FileTime::FromDate(2026, 12, 3));
}

TEST_F(DiaryViewTest, DeleteAsksFirst)
{
    Start();
    Doc().AddMealEntry(1001, 100, 1, QString(), At(9, 0));
    Doc().UpdateAllViews();
    // Nothing selected: nothing happens.
    Frame().RunCommand(32814);
    EXPECT_TRUE(m_box.Texts().isEmpty());
    Diary().List()->topLevelItem(0)->setSelected(true);
    m_box.Answer(IMessageBox::Result::Cancel);
    Frame().RunCommand(32814);
    EXPECT_EQ(m_box.Texts(), QStringList{QStringLiteral("Are you sure you want to delete Bread")});
    EXPECT_EQ(m_box.ShownBoxes().back().buttons,
              IMessageBox::Buttons::OkCancelDefaultCancel); // Enter keeps the entry
    ASSERT_EQ(Diary().List()->topLevelItemCount(), 1);
    Diary().List()->topLevelItem(0)->setSelected(true);
    Frame().RunCommand(32814);
    EXPECT_EQ(Diary().List()->topLevelItemCount(), 0);
}

TEST_F(DiaryViewTest, WarningsFollowANewExercise)
{
    struct Exercise : IExerciseDatabaseDialog
    {
        bool Run(quint32* activity, quint32* minutes) override
        {
            *activity = 0;
            *minutes = 30;
            return true;
        }
    } exercise;
    Start();
    Doc().SetExerciseDatabaseDialog(&exercise);
    Doc().AddMealEntry(1001, 2000, 1, QString(), At(9, 0)); // 5000 kcal, 180 g protein
    Doc().Profile().warningsMask = 0x1 | 0x2 | 0x4;         // enabled, energy, protein
    Doc().SaveProfile();
    QStringList warnings;
    OnNextModal([&warnings](QWidget* w) {
        auto* dialog = qobject_cast<CWarningsDlg*>(w);
        ASSERT_TRUE(dialog);
        warnings = dialog->Messages();
        Shot(dialog, QStringLiteral("warnings"));
        dialog->accept();
    });
    Frame().RunCommand(32847);
    EXPECT_EQ(warnings,
              (QStringList{QStringLiteral("Energy intake exceeded"), QStringLiteral("Protein exceeded")}));
    EXPECT_EQ(Diary().List()->topLevelItemCount(), 2);
}

TEST_F(DiaryViewTest, NewMealAndPropertiesRunToTheirEnd)
{
    struct Chooser : IFoodChooser
    {
        bool ChooseFood(bool, Choice* choice) override
        {
            choice->foodId = 1001;
            choice->name = QStringLiteral("Bread");
            return true;
        }
    } chooser;
    struct Properties : IMealPropertiesDialog
    {
        int runs = 0;
        bool Run(const QString&, Values* values) override
        {
            ++runs;
            values->grams = 200;
            values->servings = 2;
            values->hour = 7;
            values->minute = 45;
            return true;
        }
    } properties;
    Start();
    Doc().SetFoodChooser(&chooser);
    Doc().SetMealPropertiesDialog(&properties);
    Diary().WeightField()->setText(QStringLiteral("160.0"));
    Frame().RunCommand(32812); // New meal: the weight typed first is kept
    ASSERT_EQ(Diary().List()->topLevelItemCount(), 1);
    EXPECT_NEAR(Doc().Day().weight, 160.0 * 0.4536, 1e-9);
    EXPECT_EQ(Diary().List()->topLevelItem(0)->text(1), QStringLiteral("Bread"));

    // A double tap on the row opens its properties.
    QTreeWidgetItem* row = Diary().List()->topLevelItem(0);
    row->setSelected(true);
    emit Diary().List()->itemDoubleClicked(row, 1);
    EXPECT_EQ(properties.runs, 1);
    EXPECT_EQ(Row(0), (QStringList{"07:45", "Bread", " 500.0", "  2.00 x Reference weight", " 200.0"}));
}

TEST_F(DiaryViewTest, LeavingTheWeightFieldOrClosingSavesTheDay)
{
    Start();
    Frame().activateWindow();
    QApplication::setActiveWindow(&Frame());
    Diary().WeightField()->setFocus();
    Diary().WeightField()->setText(QStringLiteral("155.0"));
    Diary().List()->setFocus(); // the field loses the focus
    EXPECT_NEAR(Doc().StoredWeightOnDay(m_env->TheClock().Today()), 155.0 * 0.4536, 1e-9);

    Diary().WeightField()->setText(QStringLiteral("154.0"));
    Frame().RunCommand(57665); // Exit
    EXPECT_NEAR(Doc().StoredWeightOnDay(m_env->TheClock().Today()), 69.8544, 1e-9);
}

TEST_F(DiaryViewTest, WhatAnotherProgramAddsIsKeptAndShown)
{
    Start();
    Doc().SaveDay(70, {});
    const LocalDateTime today = m_env->TheClock().Today().ToLocal();
    const QString date = QStringLiteral("%1-%2-%3")
                             .arg(today.year)
                             .arg(today.month, 2, 10, QLatin1Char('0'))
                             .arg(today.day, 2, 10, QLatin1Char('0'));
    auto addElsewhere = [&] {
        QProcess peer;
        peer.start(QStringLiteral(STORE_PEER_BIN), {m_env->Store().Path(), QStringLiteral("add-meals"),
                                                    QStringLiteral("1"), QStringLiteral("1001"), date});
        ASSERT_TRUE(peer.waitForFinished(30000));
        ASSERT_EQ(peer.exitCode(), 0) << peer.readAllStandardError().toStdString();
    };
    // A meal added by another program while the diary shows the day, then the weight typed.
    addElsewhere();
    EXPECT_EQ(Diary().List()->topLevelItemCount(), 0);
    Diary().WeightField()->setText(QStringLiteral("150.0"));
    Diary().SaveDay();
    CDiaryTable days(m_env->Store(), m_env->TheClock());
    ASSERT_TRUE(days.FindDay(m_env->TheClock().Today(), m_profile));
    days.Load();
    EXPECT_DOUBLE_EQ(days.Buffer().values[Nutrient::Energy], 100); // 40 g of bread
    EXPECT_NEAR(days.Buffer().weight, 150.0 * 0.4536, 1e-9);
    EXPECT_EQ(Diary().List()->topLevelItemCount(), 1);

    // Coming back to the window shows what was added meanwhile.
    addElsewhere();
    Frame().activateWindow();
    QApplication::setActiveWindow(&Frame());
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(&Frame(), &activation);
    EXPECT_EQ(Diary().List()->topLevelItemCount(), 2);
}

TEST_F(DiaryViewTest, AFullDiskIsToldOnceAndTheScreenKeepsWhatWasTyped)
{
    // The store opened anew over the failing disk.
    FaultVfs::Install();
    QString error;
    m_env = AppEnvironment::Open(
        m_folders, std::make_unique<FixedClock>(LocalDateTime{2026, 12, 9, 20, 0, 0, 0}), &error);
    ASSERT_TRUE(m_env) << error.toStdString();
    Start();
    m_box = RecordingMessageBox();
    FaultVfs::Arm(FaultVfs::Fault::FullDisk, 0);
    Diary().WeightField()->setText(QStringLiteral("150.0"));
    Diary().SaveDay();
    Doc().AddMealEntry(1001, 60, 2, QStringLiteral("slice"), At(8, 15));
    QCoreApplication::processEvents();
    FaultVfs::Disarm();
    ASSERT_EQ(m_box.ShownBoxes().size(), 1u) << m_box.Texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(m_box.ShownBoxes()[0].icon, IMessageBox::Icon::Stop);
    EXPECT_TRUE(m_box.Texts()[0].contains(QStringLiteral("the disk is full")))
        << m_box.Texts()[0].toStdString();
    EXPECT_EQ(Diary().WeightField()->text(), QStringLiteral("150.0"));
    // Once the disk has room again the next failure is told again, and a save goes through.
    Diary().SaveDay();
    EXPECT_NEAR(Doc().StoredWeightOnDay(m_env->TheClock().Today()), 150.0 * 0.4536, 1e-9);
}

TEST_F(DiaryViewTest, AFileThatCannotBeChangedStopsTheStart)
{
    FaultVfs::Install();
    FaultVfs::Arm(FaultVfs::Fault::ReadOnly, 0);
    QString error;
    m_env = AppEnvironment::Open(
        m_folders, std::make_unique<FixedClock>(LocalDateTime{2026, 12, 9, 20, 0, 0, 0}), &error);
    FaultVfs::Disarm();
    ASSERT_TRUE(m_env) << error.toStdString();
    CNutritionApp app(*m_env, m_box, m_wait);
    EXPECT_FALSE(app.StartUp());
    EXPECT_TRUE(app.Refused());
    ASSERT_EQ(m_box.Texts().size(), 1);
    EXPECT_TRUE(m_box.Texts()[0].startsWith(
        QStringLiteral("Vellamo cannot change its data file \"%1\"").arg(m_env->Store().Path())))
        << m_box.Texts()[0].toStdString();
}

TEST_F(DiaryViewTest, TheCompanionRowWithoutAFigureShowsZeroAndCannotBeDeleted)
{
    Start();
    Doc().Profile().Set(CProfileTable::kCompanionExercises, true);
    Doc().SaveProfile();
    Frame().ShowView(101);
    Doc().AddMealEntry(1001, 60, 1, QString(), At(8, 15));
    Doc().UpdateAllViews();
    CStripedListCtrl* list = Diary().List();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    ASSERT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("RVL"));
    EXPECT_EQ(list->topLevelItem(0)->text(2).trimmed(), QStringLiteral("0.0"));
    list->topLevelItem(0)->setSelected(true);
    EXPECT_FALSE(Frame().Command(32814)->isEnabled());
    EXPECT_FALSE(Frame().Command(32815)->isEnabled());
    list->clearSelection();
    list->topLevelItem(1)->setSelected(true);
    EXPECT_TRUE(Frame().Command(32814)->isEnabled());
    EXPECT_TRUE(Frame().Command(32815)->isEnabled());
}

TEST_F(DiaryViewTest, FiguresFollowTheWeightAsSoonAsItsFieldIsLeft)
{
    Start();
    Frame().activateWindow();
    QApplication::setActiveWindow(&Frame());
    Doc().AddExerciseEntry(0, 30, At(7, 0));
    Doc().UpdateAllViews();
    const QString before = Diary().SummaryFigure(0);
    const QString exerciseBefore = Diary().List()->topLevelItem(0)->text(2);
    Diary().WeightField()->setFocus();
    Diary().WeightField()->setText(QStringLiteral("250.0"));
    Diary().List()->setFocus(); // the field is left
    const QString after = Diary().SummaryFigure(0);
    EXPECT_NE(after, before);
    EXPECT_NE(Diary().List()->topLevelItem(0)->text(2), exerciseBefore);
    // What is shown is what a full redraw computes, and what is stored.
    Doc().UpdateAllViews();
    EXPECT_EQ(Diary().SummaryFigure(0), after);
    CDiaryTable days(m_env->Store(), m_env->TheClock());
    ASSERT_TRUE(days.FindDay(m_env->TheClock().Today(), m_profile));
    days.Load();
    EXPECT_EQ(QStringLiteral("%1").arg(-days.Buffer().exercise, 0, 'f', 1),
              Diary().List()->topLevelItem(0)->text(2).trimmed());
}

TEST_F(DiaryViewTest, HeadersEndInAnEllipsisAndRowsKeepTheirHeight)
{
    Start();
    Doc().AddMealEntry(1001, 60, 2, QStringLiteral("slice"), At(8, 15));
    Doc().AddExerciseEntry(0, 30, At(18, 0));
    Doc().UpdateAllViews();
    CStripedListCtrl* list = Diary().List();
    const QStringList full = DiaryScreen::ColumnHeaders();
    int elided = 0;
    for (int c = 0; c < full.size(); ++c) {
        const QString shown = list->headerItem()->text(c);
        EXPECT_EQ(list->headerItem()->toolTip(c), full[c]);
        if (shown == full[c])
            continue;
        ++elided;
        EXPECT_TRUE(shown.endsWith(QChar(0x2026)) && full[c].startsWith(shown.chopped(1)))
            << "\"" << full[c].toStdString() << "\" shown as \"" << shown.toStdString() << "\"";
    }
    EXPECT_GT(elided, 0) << "the narrow nutrient columns cannot show every name whole";
    const int height = list->visualItemRect(list->topLevelItem(0)).height();
    for (int redraw = 0; redraw < 3; ++redraw) {
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            EXPECT_EQ(list->visualItemRect(list->topLevelItem(r)).height(), list->RowHeight()) << redraw;
        Doc().UpdateAllViews();
    }
    EXPECT_EQ(height, list->RowHeight());
    list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum() * 3 / 4);
    Shot(&Frame(), QStringLiteral("diary-nutrient-columns"));
}

TEST_F(DiaryViewTest, ADateHalfTypedInThePickerGreysTheNewEntries)
{
    Start();
    CDatePicker* picker = Frame().DatePicker();
    picker->setDate(QDate(2026, 12, 1)); // digits typed, Enter not yet pressed
    EXPECT_EQ(Doc().CurrentDate(), m_env->TheClock().Today());
    EXPECT_FALSE(Frame().Command(32812)->isEnabled());
    EXPECT_FALSE(Frame().Command(32847)->isEnabled());
    emit picker->editingFinished();
    EXPECT_EQ(Doc().CurrentDate(), FileTime::FromDate(2026, 12, 1));
    EXPECT_TRUE(Frame().Command(32812)->isEnabled());
    EXPECT_TRUE(Frame().Command(32847)->isEnabled());
    // Digits typed where the user points at the day.
    ClickAndType(picker, 1, QStringLiteral("05"));
    EXPECT_EQ(picker->date(), QDate(2026, 12, 5));
}

TEST_F(DiaryViewTest, TheWeightTakesADecimalCommaAndRefusesWhatIsNotANumber)
{
    struct Case
    {
        const char* typed;
        double storedLbs; // what the day keeps; -1: refused, the earlier 150 lbs stays
    };
    const Case cases[] = {{"72,5", 72.5}, {"72.5", 72.5}, {"72,5,1", -1}, {"abc", -1}, {"", 0}};
    Start();
    Frame().activateWindow();
    QApplication::setActiveWindow(&Frame());
    for (const Case& c : cases) {
        Doc().SaveDay(150 * 0.4536, {});
        Doc().UpdateAllViews();
        m_box.Clear();
        Diary().WeightField()->setFocus();
        Diary().WeightField()->setText(QString::fromLatin1(c.typed));
        Diary().List()->setFocus(); // the field is left
        const double stored = Doc().StoredWeightOnDay(m_env->TheClock().Today());
        if (c.storedLbs >= 0) {
            EXPECT_NEAR(stored, c.storedLbs * 0.4536, 1e-9) << c.typed;
            EXPECT_TRUE(m_box.Texts().isEmpty()) << c.typed;
        } else {
            EXPECT_NEAR(stored, 150 * 0.4536, 1e-9) << c.typed;
            EXPECT_EQ(m_box.Texts(), QStringList{QStringLiteral("Please enter a number.")}) << c.typed;
            EXPECT_TRUE(Diary().WeightField()->hasFocus()) << c.typed;
            EXPECT_EQ(Diary().WeightField()->selectedText(), QString::fromLatin1(c.typed)) << c.typed;
        }
    }
}

TEST_F(DiaryViewTest, KeysRunTheDiaryCommands)
{
    struct Chooser : IFoodChooser
    {
        int runs = 0;
        bool ChooseFood(bool, Choice*) override
        {
            ++runs;
            return false;
        }
    } chooser;
    struct Exercises : IExerciseDatabaseDialog
    {
        int runs = 0;
        bool Run(quint32*, quint32*) override
        {
            ++runs;
            return false;
        }
    } exercises;
    struct Properties : IMealPropertiesDialog
    {
        int runs = 0;
        bool Run(const QString&, Values*) override
        {
            ++runs;
            return false;
        }
    } properties;
    Start();
    Doc().SetFoodChooser(&chooser);
    Doc().SetExerciseDatabaseDialog(&exercises);
    Doc().SetMealPropertiesDialog(&properties);
    Doc().AddMealEntry(1001, 100, 1, QString(), At(9, 0));
    Doc().UpdateAllViews();
    Frame().show();
    QApplication::setActiveWindow(&Frame());
    const FileTime today = m_env->TheClock().Today();

    QTest::keyClick(&Frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(chooser.runs, 1) << "Ctrl+N: New meal";
    QTest::keyClick(&Frame(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(exercises.runs, 1) << "Ctrl+E: New exercise";
    QTest::keyClick(&Frame(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Doc().CurrentDate(), today.AddDays(1)) << "Alt+Right: next day";
    QTest::keyClick(&Frame(), Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(&Frame(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Doc().CurrentDate(), today.AddDays(-1)) << "Alt+Left: previous day";
    QTest::keyClick(&Frame(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(Doc().CurrentDate(), today) << "Ctrl+T: today";

    // In the list, Enter opens the selected entry and Delete asks before deleting it.
    Diary().List()->setFocus();
    Diary().List()->setCurrentItem(Diary().List()->topLevelItem(0));
    QTest::keyClick(Diary().List(), Qt::Key_Return);
    EXPECT_EQ(properties.runs, 1) << "Enter: Properties";
    Diary().List()->setCurrentItem(Diary().List()->topLevelItem(0));
    m_box.Answer(IMessageBox::Result::Cancel);
    QTest::keyClick(Diary().List(), Qt::Key_Delete);
    EXPECT_EQ(m_box.Texts(), QStringList{QStringLiteral("Are you sure you want to delete Bread")});
    EXPECT_EQ(Diary().List()->topLevelItemCount(), 1);
    // Delete in the weight field deletes a character, not the entry.
    Diary().WeightField()->setFocus();
    Diary().WeightField()->setText(QStringLiteral("150.0"));
    Diary().WeightField()->setCursorPosition(0);
    QTest::keyClick(Diary().WeightField(), Qt::Key_Delete);
    EXPECT_EQ(Diary().WeightField()->text(), QStringLiteral("50.0"));
    EXPECT_EQ(m_box.Texts().size(), 1);

    // Ctrl+Q ends the program, keeping the day.
    QTest::keyClick(&Frame(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_NEAR(Doc().StoredWeightOnDay(today), 50.0 * 0.4536, 1e-9);
}

TEST_F(DiaryViewTest, AltWithAMenuLetterOpensTheMenu)
{
    Start();
    Frame().show();
    QApplication::setActiveWindow(&Frame());
    for (const auto& [key, title] :
         {std::pair{Qt::Key_F, "File"}, std::pair{Qt::Key_V, "View"}, std::pair{Qt::Key_T, "Tools"}}) {
        QTimer::singleShot(50, [title] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            EXPECT_TRUE(menu) << title;
            if (menu) {
                EXPECT_EQ(menu->title(), QString::fromLatin1(title));
                menu->close();
            }
        });
        QTest::keyClick(&Frame(), key, Qt::AltModifier);
        QTest::qWait(100);
    }
}

TEST_F(DiaryViewTest, CopyToTakesTheChosenEntriesOrTheWholeDay)
{
    Start();
    Frame().show();
    QApplication::setActiveWindow(&Frame());
    Doc().AddMealEntry(1001, 100, 1, QString(), At(9, 0));
    Doc().AddMealEntry(1001, 50, 1, QString(), At(12, 0));
    Doc().AddExerciseEntry(0, 30, At(7, 0));
    Doc().UpdateAllViews();
    const FileTime today = m_env->TheClock().Today();
    const auto entriesOn = [this](FileTime day) {
        Doc().SetCurrentDate(day);
        Doc().OpenDay();
        const size_t n = DiaryScreen::Rows(Doc(), Doc().Day().id).size();
        Doc().SetCurrentDate(m_env->TheClock().Today());
        Doc().OpenDay();
        return n;
    };
    // Two chosen entries: the dialog offers tomorrow, as today is in view.
    Diary().List()->topLevelItem(0)->setSelected(true);
    Diary().List()->topLevelItem(1)->setSelected(true);
    QString offered;
    OnNextModal([&offered](QWidget* w) {
        auto* dialog = qobject_cast<CCopyEntriesDlg*>(w);
        ASSERT_TRUE(dialog);
        offered = dialog->DateField()->date().toString(Qt::ISODate);
        Shot(dialog, QStringLiteral("copy-to"));
        dialog->accept();
    });
    Diary().CopyTo();
    EXPECT_EQ(offered, QStringLiteral("2026-12-10"));
    EXPECT_EQ(entriesOn(today.AddDays(1)), 2u);
    EXPECT_EQ(Doc().CurrentDate(), today) << "the day in view stays";
    EXPECT_EQ(Diary().List()->topLevelItemCount(), 3);

    // Nothing chosen: the whole day, onto a day that keeps its own entries.
    Diary().List()->clearSelection();
    OnNextModal([](QWidget* w) {
        auto* dialog = qobject_cast<CCopyEntriesDlg*>(w);
        ASSERT_TRUE(dialog);
        dialog->DateField()->setDate(QDate(2026, 12, 10));
        dialog->accept();
    });
    Diary().CopyTo();
    EXPECT_EQ(entriesOn(today.AddDays(1)), 5u);

    // Ctrl+C on one entry, Ctrl+V on the day before.
    QApplication::setActiveWindow(&Frame()); // back from the dialogs
    Diary().List()->setFocus();
    Diary().List()->setCurrentItem(Diary().List()->topLevelItem(0));
    QTest::keyClick(Diary().List(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&Frame(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Doc().CurrentDate(), today.AddDays(-1));
    Diary().List()->setFocus();
    QTest::keyClick(Diary().List(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Diary().List()->topLevelItemCount(), 1);
    // Onto the day it came from: refused with a word.
    QTest::keyClick(&Frame(), Qt::Key_Right, Qt::AltModifier);
    Diary().List()->setFocus();
    QTest::keyClick(Diary().List(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_box.Texts().last(),
              QStringLiteral("The entries are on that day already: please choose another day."));
}
