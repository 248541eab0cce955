#include "app/ui/CAboutBox.h"
#include "app/ui/CBackupDlg.h"
#include "app/ui/CDatePicker.h"
#include "app/ui/CFormView.h"
#include "app/ui/ProgramStyle.h"
#include "app/ui/Translations.h"
#include "controls/DialogData.h"
#include "diary/ui/CInternationalSettingsDlg.h"
#include "fooddb/NutrientImport.h"
#include "platform/HelpLauncher.h"
#include "platform/ui/ScreenZoom.h"
#include "profile/Measures.h"
#include "profile/ui/CProfilePropertySheet.h"
#include "profile/ui/CProfilesDlg.h"
#include "storage/CFoodTable.h"
#include "support/GuiFixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>
#include <QThread>
#include <QToolBar>
#include <QTranslator>

namespace {

QStringList CheckedViewItems(CMainFrame& frame)
{
    QStringList checked;
    for (int id : {32778, 32853, 32854, 32780, 32779})
        if (frame.Command(id)->isChecked())
            checked << frame.Command(id)->text().remove(QLatin1Char('&'));
    return checked;
}

} // namespace

// Finish with Metrics and dd-mm-yyyy, or cancel, which keeps the new profile.
class FirstStartTest : public GuiTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(FirstStartTest, AsksForSettingsThenShowsTheDiary)
{
    const bool finish = GetParam();
    OnNextModal([finish](QWidget* w) {
        auto* dialog = qobject_cast<CInternationalSettingsDlg*>(w);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("International Settings"));
        // A new profile starts with US and mm-dd-yyyy.
        EXPECT_TRUE(Control<QRadioButton>(dialog, 1101)->isChecked());
        EXPECT_TRUE(Control<QRadioButton>(dialog, 1130)->isChecked());
        Shot(dialog, QStringLiteral("international-settings"));
        if (finish) {
            Control<QRadioButton>(dialog, 1100)->click();
            Control<QRadioButton>(dialog, 1129)->click();
            EXPECT_FALSE(Control<QRadioButton>(dialog, 1101)->isChecked());
            dialog->accept();
        } else {
            dialog->reject();
        }
        // Then the profile wizard, in the measures just chosen.
        OnNextModal([finish](QWidget* w) {
            auto* sheet = qobject_cast<CProfilePropertySheet*>(w);
            ASSERT_TRUE(sheet);
            EXPECT_EQ(Control<QLabel>(sheet, 1107)->text(),
                      finish ? QStringLiteral("cm") : QStringLiteral("in"));
            Control<QLineEdit>(sheet, 1005)->setText(QStringLiteral("Mia"));
            sheet->close();
        });
    });
    Start();
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kDiary);
    CProfileTable profiles(m_env->Store(), m_env->TheClock());
    ASSERT_EQ(profiles.Count(), 1u);
    profiles.First();
    profiles.Load();
    EXPECT_TRUE(profiles.Buffer().Has(CProfileTable::kOpen));
    EXPECT_EQ(profiles.Buffer().name, QStringLiteral("Mia"));
    EXPECT_EQ(profiles.Buffer().Has(CProfileTable::kMetric), finish);
    EXPECT_EQ(profiles.Buffer().Has(CProfileTable::kDayMonthYear), finish);
    EXPECT_EQ(IsMetric(), finish);
}

INSTANTIATE_TEST_SUITE_P(FinishOrCancel, FirstStartTest, ::testing::Bool());

TEST_F(GuiTest, ProfilesButNoneOpenShowTheStartView)
{
    AddProfile(QStringLiteral("Anna"), false);
    AddProfile(QStringLiteral("Ben"), false);
    Start();
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kStartView);
    EXPECT_FALSE(Doc().HasOpenProfile());
    for (int id : {32778, 32853, 32854, 32780, 32779, 32777, 32795, 32877})
        EXPECT_FALSE(Frame().Command(id)->isEnabled()) << id;
    for (int id : {32775, 32776, 32785, 57664, 57665, 32787, 32872, 32855, 32856, 32871})
        EXPECT_TRUE(Frame().Command(id)->isEnabled()) << id;
    EXPECT_TRUE(CheckedViewItems(Frame()).isEmpty());
    EXPECT_TRUE(Frame().CommandButtons().isEmpty());
    EXPECT_FALSE(Frame().DateBar()->isVisible());
    Shot(&Frame(), QStringLiteral("start-view"));
    QStringList guide;
    for (QLabel* l : Frame().CurrentView()->findChildren<QLabel*>())
        guide << l->text();
    EXPECT_TRUE(guide.contains(QStringLiteral("Please press F1 for help to get started.")))
        << guide.join(QLatin1Char('|')).toStdString();
}

TEST_F(GuiTest, TheFirstProfileMarkedOpenIsOpened)
{
    AddProfile(QStringLiteral("Anna"), false);
    const quint32 ben = AddProfile(QStringLiteral("Ben"), true);
    AddProfile(QStringLiteral("Cleo"), true);
    Start();
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kDiary);
    EXPECT_EQ(Doc().Profile().id, ben);
    EXPECT_EQ(CheckedViewItems(Frame()), QStringList{QStringLiteral("Diary")});
}

TEST_F(GuiTest, ViewSwitchesSetBarsAndCheckMarks)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    CMainFrame& frame = Frame();
    EXPECT_EQ(frame.CommandButtons(), (QList<int>{32812, 32847, 32814, 32815}));
    EXPECT_EQ(frame.DateBarButtons(), (QList<int>{32857, CDatePicker::kId, 32832, 0, 32835}));
    EXPECT_EQ(frame.DatePicker()->displayFormat(), QStringLiteral("dd MMM yy"));
    EXPECT_EQ(frame.DatePicker()->size(), QSize(78, 21));
    EXPECT_EQ(frame.HelpTopic(), QStringLiteral("#views_nutrition_diary"));

    frame.RunCommand(32854); // Graphs
    EXPECT_EQ(frame.CurrentViewType(), CMainFrame::kGraphs);
    EXPECT_FALSE(frame.DateBar()->isVisible());
    EXPECT_EQ(frame.DatePicker(), nullptr);
    EXPECT_TRUE(frame.CommandButtons().isEmpty());
    EXPECT_EQ(CheckedViewItems(frame), QStringList{QStringLiteral("Graphs")});
    EXPECT_EQ(frame.HelpTopic(), QStringLiteral("#views_graphs"));

    frame.RunCommand(32778); // back to the diary: a new picker
    EXPECT_TRUE(frame.DateBar()->isVisible());
    ASSERT_NE(frame.DatePicker(), nullptr);
    EXPECT_EQ(frame.DatePicker()->Date(), m_env->TheClock().Today());

    const std::pair<int, QList<int>> views[] = {
        {32853, {32857, 32859, 32860, 32870}},
        {32779, {32806, 0, 32797, 32798, 32800}},
        {32780, {}},
    };
    for (const auto& [command, buttons] : views) {
        frame.RunCommand(command);
        EXPECT_EQ(frame.CommandButtons(), buttons) << command;
        EXPECT_EQ(frame.DateBar()->isVisible(), command == 32853) << command;
        // "Close profile" from any view leaves no check mark.
        frame.RunCommand(32777);
        EXPECT_EQ(frame.CurrentViewType(), CMainFrame::kStartView);
        EXPECT_TRUE(CheckedViewItems(frame).isEmpty()) << command;
        frame.ShowView(101);
    }
    // A template that is no view changes nothing.
    frame.ShowView(999);
    EXPECT_EQ(frame.CurrentViewType(), CMainFrame::kDiary);
}

TEST_F(GuiTest, TheCompanionOptionSwapsNewExerciseForLaunch)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    Doc().Profile().Set(CProfileTable::kCompanionExercises, true);
    Doc().SaveProfile();
    Frame().ShowView(101);
    EXPECT_EQ(Frame().CommandButtons(), (QList<int>{32812, 32869, 32814, 32815}));
}

TEST_F(GuiTest, HelpOpensTheViewerWithFileAndTopic)
{
    const QString record = m_dir.filePath(QStringLiteral("help-args"));
    const QString viewer = m_dir.filePath(QStringLiteral("viewer.sh"));
    QFile script(viewer);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '%1'\n").arg(record).toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("VELLAMO_HELP_VIEWER", viewer.toUtf8());

    AddProfile(QStringLiteral("Anna"), true);
    Start();
    HelpLauncher::OpenHelp(QStringLiteral("#options_settings"));
    // F1 wherever the focus is: a field of the diary, then a dialog over it.
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(Frame().CurrentView()->findChildren<QLineEdit*>().value(0), &f1);
    CAboutBox about(&Frame());
    QApplication::sendEvent(about.findChild<QPushButton*>(), &f1);
    QFile out(record);
    QByteArray lines;
    for (int i = 0; i < 500 && lines.count('\n') < 3; ++i) {
        QThread::msleep(10);
        if (out.open(QIODevice::ReadOnly)) {
            lines = out.readAll();
            out.close();
        }
    }
    // Each viewer is a process of its own, so their lines may come in any order.
    QList<QByteArray> topics = lines.split('\n');
    std::sort(topics.begin(), topics.end());
    EXPECT_EQ(topics, (QList<QByteArray>{"", "Vellamo.htm#About", "Vellamo.htm#options_settings",
                                         "Vellamo.htm#views_nutrition_diary"}));
    qunsetenv("VELLAMO_HELP_VIEWER");
}

TEST_F(GuiTest, TheMenusSpeakAnInstalledTranslation)
{
    // A Finnish translation of one command, made as a translator makes one.
    QFile ts(m_dir.filePath(QStringLiteral("vellamo_fi.ts")));
    ASSERT_TRUE(ts.open(QIODevice::WriteOnly));
    ts.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
             "<TS version=\"2.1\" language=\"fi_FI\"><context><name>CMainFrame</name><message>"
             "<source>&amp;New profile</source><translation>&amp;Uusi profiili</translation>"
             "</message></context></TS>\n");
    ts.close();
    QProcess release;
    release.start(QStringLiteral(LRELEASE_BIN),
                  {QStringLiteral("-silent"), ts.fileName(), QStringLiteral("-qm"),
                   m_dir.filePath(QStringLiteral("vellamo_fi.qm"))});
    ASSERT_TRUE(release.waitForFinished() && release.exitCode() == 0)
        << release.readAllStandardError().toStdString();

    const QStringList folders = {m_dir.filePath(QStringLiteral("none")), m_dir.path()};
    EXPECT_EQ(Translations::Install(QLocale(QLocale::English, QLocale::UnitedKingdom), folders), nullptr);
    EXPECT_EQ(Translations::Install(QLocale(QLocale::German, QLocale::Germany), folders), nullptr);
    QTranslator* finnish = Translations::Install(QLocale(QLocale::Finnish, QLocale::Finland), folders);
    ASSERT_TRUE(finnish);
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    EXPECT_EQ(Frame().Command(CommandId::kNewProfile)->text(), QStringLiteral("&Uusi profiili"));
    // A text the translation leaves out stays as written.
    EXPECT_EQ(Frame().Command(CommandId::kOpenProfile)->text(), QStringLiteral("&Open profile"));
    QCoreApplication::removeTranslator(finnish);
    delete finnish;
}

TEST_F(GuiTest, DeleteNutrientDatabaseAsksFirst)
{
    AddProfile(QStringLiteral("Anna"), true);
    NutrientImport(m_env->Store(), nullptr, nullptr).ImportDefaultDatabase(m_folders);
    AppEnvironment::InstallDefaultDatabase(m_folders, nullptr);
    CFoodTable foods(m_env->Store());
    const quint32 before = foods.Count();
    Start();
    m_box.Answer(IMessageBox::Result::Cancel);
    Frame().RunCommand(32872);
    EXPECT_EQ(m_box.Texts(),
              QStringList{QStringLiteral(
                  "Are you sure you want to delete the Nutrient Database. All data will be lost.")});
    EXPECT_EQ(m_box.ShownBoxes().back().buttons, IMessageBox::Buttons::OkCancelDefaultCancel);
    EXPECT_EQ(foods.Count(), before);

    Frame().RunCommand(32872);
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Nutrient Database deleted!"));
    EXPECT_EQ(foods.Count(), 0u);
}

TEST_F(GuiTest, BackupAndRestoreDialogs)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    struct Case
    {
        int command;
        int templateId;
        const char* title;
        const char* shot;
        const char* result;
    };
    const Case cases[] = {
        {32855, 254, "Backup all data", "backup-all", "Backup is finished!"},
        {32871, 263, "Restore Nutrient Database", "restore-nutrients", "Restore is finished!"},
        {32856, 255, "Restore all data", "restore-all", "Restore is finished!"},
    };
    for (const Case& c : cases) {
        // Cancel first: nothing happens.
        OnNextModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        m_box = RecordingMessageBox();
        Frame().RunCommand(c.command);
        EXPECT_TRUE(m_box.Texts().isEmpty()) << c.title;
        EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kDiary);

        OnNextModal([&c, this](QWidget* w) {
            auto* dialog = qobject_cast<CBackupDlg*>(w);
            ASSERT_TRUE(dialog);
            EXPECT_EQ(dialog->property("id").toInt(), c.templateId);
            EXPECT_EQ(Control<QLabel>(dialog, 1146)->text(), QString::fromLatin1(c.title));
            // The texts send the user to places on this desktop.
            QStringList texts;
            for (QLabel* l : dialog->findChildren<QLabel*>())
                texts << l->text();
            const QString all = texts.join(QLatin1Char(' '));
            EXPECT_FALSE(all.contains(QStringLiteral("my documents")) ||
                         all.contains(QStringLiteral("active sync")))
                << all.toStdString();
            if (c.command == 32855) {
                EXPECT_TRUE(all.contains(QStringLiteral("the folder: \"%1\".").arg(m_folders.DocumentsDir())))
                    << all.toStdString();
            }
            Shot(dialog, QString::fromLatin1(c.shot));
            dialog->accept();
        });
        Frame().RunCommand(c.command);
        EXPECT_EQ(m_box.Texts().value(0), QString::fromLatin1(c.result)) << c.title;
    }
    // Restoring all data leaves the start view.
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kStartView);
}

TEST_F(GuiTest, AboutBoxShowsNameAndVersion)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    QStringList texts;
    OnNextModal([&texts](QWidget* w) {
        EXPECT_EQ(w->property("id").toInt(), 100);
        for (QLabel* l : w->findChildren<QLabel*>())
            texts << l->text();
        Shot(w, QStringLiteral("about"));
        qobject_cast<QDialog*>(w)->accept();
    });
    Frame().RunCommand(57664);
    EXPECT_TRUE(texts.contains(QStringLiteral("Vellamo")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Version 3.1")));
}

TEST_F(GuiTest, OpenProfileAndNewProfile)
{
    AddProfile(QStringLiteral("ben"), false);
    const quint32 anna = AddProfile(QStringLiteral("Anna"), false);
    Start();
    bool stayedOpen = false;
    OnNextModal([&stayedOpen](QWidget* w) {
        auto* dialog = qobject_cast<CProfilesDlg*>(w);
        ASSERT_TRUE(dialog);
        QComboBox* list = Control<QComboBox>(dialog, 1051);
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->itemText(0), QStringLiteral("Anna"));
        EXPECT_EQ(list->currentIndex(), -1);
        dialog->accept(); // nothing chosen: it stays
        stayedOpen = dialog->isVisible();
        list->setCurrentIndex(0);
        dialog->accept();
    });
    Frame().RunCommand(32776);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kDiary);
    EXPECT_EQ(Doc().Profile().id, anna);

    OnNextModal([](QWidget* w) { w->close(); }); // the new profile's settings
    Frame().RunCommand(32775);                   // New profile
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kDiary);
    EXPECT_EQ(Doc().Profile().id, 3u);
    EXPECT_TRUE(Doc().Profile().Has(CProfileTable::kOpen));
    CProfileTable profiles(m_env->Store(), m_env->TheClock());
    profiles.FindId(anna);
    profiles.Load();
    EXPECT_FALSE(profiles.Buffer().Has(CProfileTable::kOpen));
}

TEST_F(GuiTest, RefusedNumbersAreToldAndTheFieldTakesTheFocus)
{
    QWidget form;
    auto* field = new QLineEdit(&form);
    auto* other = new QLineEdit(&form);
    form.show();
    QApplication::setActiveWindow(&form);
    other->setFocus();
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"12.5", true, ""},
        {"twelve", false, "Please enter a number."},
        {"1000000", false, "Please enter a number between 0 and 999999."},
    };
    for (const auto& [text, ok, message] : cases) {
        m_box = RecordingMessageBox();
        field->setText(QString::fromLatin1(text));
        double v = 0;
        EXPECT_EQ(DialogData::Number(m_box, field, 0, 999999, &v), ok) << text;
        EXPECT_EQ(m_box.Texts(), ok ? QStringList() : QStringList{QString::fromLatin1(message)}) << text;
        EXPECT_EQ(field->hasFocus(), !ok) << text;
        other->setFocus();
    }
    qint64 i = 0;
    field->setText(QStringLiteral("2.5"));
    EXPECT_FALSE(DialogData::Integer(m_box, field, 0, 100, &i));
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Please enter an integer."));
}

TEST_F(GuiTest, DeleteProfileAsksTwiceThenTakesTheWholeDiary)
{
    const quint32 anna = AddProfile(QStringLiteral("Anna"), true);
    AddProfile(QStringLiteral("Ben"), false);
    Start();
    const auto chooseAnna = [] {
        OnNextModal([](QWidget* w) {
            auto* dialog = qobject_cast<CProfilesDlg*>(w);
            ASSERT_TRUE(dialog);
            Control<QComboBox>(dialog, 1051)->setCurrentIndex(0);
            dialog->accept();
        });
    };
    CProfileTable profiles(m_env->Store(), m_env->TheClock());
    // Cancel at the first question, then at the second: nothing is deleted.
    for (int cancelAt = 0; cancelAt < 2; ++cancelAt) {
        m_box = RecordingMessageBox();
        if (cancelAt == 1)
            m_box.Answer(IMessageBox::Result::Ok);
        m_box.Answer(IMessageBox::Result::Cancel);
        chooseAnna();
        Frame().RunCommand(32785);
        EXPECT_EQ(profiles.Count(), 2u) << cancelAt;
        EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kDiary) << cancelAt;
    }
    m_box = RecordingMessageBox();
    chooseAnna();
    Frame().RunCommand(32785);
    EXPECT_EQ(
        m_box.Texts(),
        (QStringList{QStringLiteral("All data connected to selected profile will be deleted. Continue?"),
                     QStringLiteral("Please reconfirm deleting profile. Continue?")}));
    for (const RecordingMessageBox::Shown& shown : m_box.ShownBoxes())
        EXPECT_EQ(shown.buttons, IMessageBox::Buttons::OkCancelDefaultCancel);
    EXPECT_EQ(profiles.Count(), 1u);
    EXPECT_FALSE(profiles.FindId(anna));
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kStartView);
    EXPECT_FALSE(Doc().HasOpenProfile());
}

TEST_F(GuiTest, ZoomInAndOutShowTheWindowAnewAndAreKept)
{
    AddProfile(QStringLiteral("Anna"), true);
    Start();
    Frame().show();
    const qreal start = Frame().devicePixelRatioF(); // the tests' own scale, as a user's would be
    const QSize size = Frame().size();
    EXPECT_FALSE(Frame().Command(CMainFrame::kZoomOut)->isEnabled()) << "1 is the smallest";
    Frame().RunCommand(CMainFrame::kZoomIn);
    EXPECT_DOUBLE_EQ(Frame().devicePixelRatioF(), start * 2);
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().size(), size) << "the same screen, shown larger";
    EXPECT_EQ(ScreenZoom::Kept(m_env->TheRegistry()), 2);
    Frame().RunCommand(CMainFrame::kZoomOut);
    EXPECT_DOUBLE_EQ(Frame().devicePixelRatioF(), start);
    EXPECT_EQ(ScreenZoom::Kept(m_env->TheRegistry()), 1);
    EXPECT_FALSE(Frame().Command(CMainFrame::kZoomOut)->isEnabled()) << "1 is the smallest";
}

TEST(ScreenZoom, TheLargestZoomThatFitsTheScreen)
{
    // Available heights: a small laptop, 1080 and 1440 lines less a panel, 4K, a huge one.
    const std::pair<int, int> cases[] = {{300, 1},  {600, 1},  {753, 2},  {1040, 2},
                                         {1400, 3}, {2120, 5}, {10000, 8}};
    for (const auto& [height, zoom] : cases)
        EXPECT_EQ(ScreenZoom::FitHeight(height), zoom) << height;
}

TEST_F(GuiTest, DownAndEnterOpenAProfile)
{
    AddProfile(QStringLiteral("ben"), false);
    const quint32 anna = AddProfile(QStringLiteral("Anna"), false);
    Start();
    OnNextModal([](QWidget* dialog) {
        QApplication::setActiveWindow(dialog);
        auto* list = Control<QComboBox>(dialog, 1051);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    });
    Frame().RunCommand(32776); // Open profile
    EXPECT_EQ(Frame().CurrentViewType(), CMainFrame::kDiary);
    EXPECT_EQ(Doc().Profile().id, anna);
}

TEST_F(GuiTest, TheToolBarsOverflowArrowIsTheStylesOwnPicture)
{
    // Asked for when first drawn, it is the picture the style itself gives.
    const ProgramStyle style;
    std::unique_ptr<QStyle> plain(QStyleFactory::create(style.baseStyle()->name()));
    for (QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon deferred = style.standardIcon(which);
        const QIcon own = plain->standardIcon(which);
        EXPECT_FALSE(deferred.isNull());
        EXPECT_EQ(deferred.availableSizes(), own.availableSizes());
        for (const QSize size : {QSize(8, 8), QSize(16, 16), QSize(32, 32)})
            EXPECT_EQ(deferred.pixmap(size).toImage(), own.pixmap(size).toImage()) << size.width();
    }
}
