#include "CMainFrame.h"

#include "analysis/ui/CFoodDBViewDetails.h"
#include "analysis/ui/CGraphForm.h"
#include "analysis/ui/CViewWeightTracker.h"
#include "app/BackupRestore.h"
#include "app/ui/CAboutBox.h"
#include "app/ui/CBackupDlg.h"
#include "app/ui/CDatePicker.h"
#include "app/ui/CViewPlaceholder.h"
#include "app/ui/CViewSplashScreen.h"
#include "app/ui/CommandIcons.h"
#include "app/ui/CommandId.h"
#include "app/ui/HelpKey.h"
#include "controls/FileDialogs.h"
#include "controls/ProgramFont.h"
#include "diary/CFoodDBDoc.h"
#include "diary/ui/CFoodDBView.h"
#include "diary/ui/COptionPropertySheet.h"
#include "fooddb/NutrientImport.h"
#include "fooddb/ui/CNutrientDBDlg.h"
#include "platform/AppEnvironment.h"
#include "platform/IMessageBox.h"
#include "platform/ui/ScreenZoom.h"
#include "profile/ui/CProfilePropertySheet.h"
#include "profile/ui/CProfilesDlg.h"
#include "profile/ui/CViewProfile.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <QWindow>

#include <algorithm>

namespace {

struct ViewInfo
{
    int type;
    int templateId;
    int checkCommand; // the View menu item that carries the mark
    const char* helpTopic;
    const char* title;
};

const ViewInfo kViews[] = {
    {CMainFrame::kStartView, CViewSplashScreen::kTemplate, 0, "#getting_started", ""},
    {CMainFrame::kDiary, CFoodDBView::kTemplate, CommandId::kDiary, "#views_nutrition_diary",
     QT_TRANSLATE_NOOP("CMainFrame", "Diary")},
    {CMainFrame::kReports, CFoodDBViewDetails::kTemplate, CommandId::kReports, "#views_nutrition_details",
     QT_TRANSLATE_NOOP("CMainFrame", "Reports")},
    {CMainFrame::kProfileView, CViewProfile::kTemplate, CommandId::kProfile, "#views_profile_settings",
     QT_TRANSLATE_NOOP("CMainFrame", "Profile")},
    {CMainFrame::kWeightTracker, CViewWeightTracker::kTemplate, CommandId::kWeightTracker,
     "#views_weight_tracker", QT_TRANSLATE_NOOP("CMainFrame", "Weight tracker")},
    {CMainFrame::kGraphs, CGraphForm::kTemplate, CommandId::kGraphs, "#views_graphs",
     QT_TRANSLATE_NOOP("CMainFrame", "Graphs")},
};

const ViewInfo* ViewOfTemplate(int templateId)
{
    for (const ViewInfo& v : kViews)
        if (v.templateId == templateId)
            return &v;
    return nullptr;
}

const ViewInfo& ViewOfCommand(int command)
{
    for (const ViewInfo& v : kViews)
        if (v.checkCommand == command)
            return v;
    return kViews[0];
}

const ViewInfo& ViewOfType(int type)
{
    for (const ViewInfo& v : kViews)
        if (v.type == type)
            return v;
    return kViews[0];
}

// Commands greyed while the start view shows: they need an open profile (Profile settings too,
// which would otherwise edit a profile that was closed).
constexpr int kNeedProfile[] = {
    CommandId::kDiary,   CommandId::kReports,      CommandId::kGraphs,  CommandId::kWeightTracker,
    CommandId::kProfile, CommandId::kCloseProfile, CommandId::kOptions, CommandId::kProfileSettings};

} // namespace

CMainFrame::CMainFrame(AppServices& services, QWidget* parent) : QMainWindow(parent), m_services(services)
{
    setWindowTitle(QStringLiteral("Vellamo"));
    setFixedSize(kScreenWidth, kScreenHeight);
    setFont(ProgramFont(11));
    setContextMenuPolicy(Qt::NoContextMenu);

    // The title bar: the program's name across the top of the screen.
    auto* title = new QLabel(QStringLiteral("Vellamo"), this);
    title->setObjectName(QStringLiteral("TitleBar"));
    title->setFixedHeight(kTitleBarHeight);
    title->setContentsMargins(6, 0, 0, 0);
    title->setFont(ProgramFont(15, 700));
    title->setAutoFillBackground(true);
    QPalette titleColors = title->palette();
    titleColors.setColor(QPalette::Window, QColor(0, 0, 128));
    titleColors.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(titleColors);
    setMenuWidget(title);

    m_commandBar = new QToolBar(tr("Command bar"), this);
    m_commandBar->setObjectName(QStringLiteral("CommandBar"));
    m_commandBar->setMovable(false);
    m_commandBar->setFloatable(false);
    m_commandBar->setIconSize(QSize(16, 16));
    m_commandBar->setFixedHeight(26);
    // Everything must fit the 240 pixels: no room for the toolbar's usual padding.
    m_commandBar->setStyleSheet(
        QCoreApplication::translate("CMainFrame", "QToolBar { spacing: 0px; padding: 0px; border: none; }"
                                                  "QToolButton { padding: 1px 2px; margin: 0px; }"));
    // The command bar is the bottom line, the date bar the line above it.
    addToolBar(Qt::BottomToolBarArea, m_commandBar);
    addToolBarBreak(Qt::BottomToolBarArea);
    m_dateBar = new QToolBar(tr("Date bar"), this);
    m_dateBar->setObjectName(QStringLiteral("DateBar"));
    m_dateBar->setMovable(false);
    m_dateBar->setFloatable(false);
    m_dateBar->setIconSize(QSize(16, 16));
    m_dateBar->setFixedHeight(kDateBarHeight);
    m_dateBar->setContentsMargins(0, 0, 0, 0);
    addToolBar(Qt::BottomToolBarArea, m_dateBar);
    m_dateBar->hide();

    CreateCommands();
    ShowView(CViewSplashScreen::kTemplate);
}

CMainFrame::~CMainFrame()
{
    // The view is an observer of the document, which outlives the frame.
    delete m_view;
    m_view = nullptr;
}

QAction* CMainFrame::AddCommand(int id, const QString& text, QMenu* menu,
                                const std::function<void()>& handler)
{
    auto* a = new QAction(text, this);
    a->setData(id);
    a->setToolTip(QString(text).remove(QLatin1Char('&')));
    addAction(a); // its key works wherever the focus is in the window
    if (menu)
        menu->addAction(a);
    connect(a, &QAction::triggered, this, handler);
    m_commands.insert(id, a);
    return a;
}

QAction* CMainFrame::AddViewCommand(int id, const QString& text, QMenu* menu)
{
    return AddCommand(id, text, menu, [this, id] {
        SetCheckMarks();
        if (m_view)
            m_view->OnCommand(id);
    });
}

void CMainFrame::AddMenuButton(const QString& title, QMenu* menu)
{
    auto* b = new QToolButton(m_commandBar);
    b->setText(title);
    b->setMenu(menu);
    b->setPopupMode(QToolButton::InstantPopup);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFont(ProgramFont(13));
    b->setStyleSheet(QCoreApplication::translate(
        "CMainFrame",
        "QToolButton { padding: 1px 3px; } QToolButton::menu-indicator { image: none; width: 0px; }"));
    m_commandBar->addWidget(b);
}

void CMainFrame::CreateCommands()
{
    m_fileMenu = new QMenu(tr("File"), this);
    AddCommand(CommandId::kNewProfile, tr("&New profile"), m_fileMenu, [this] { NewProfile(); });
    AddCommand(CommandId::kOpenProfile, tr("&Open profile"), m_fileMenu, [this] { OpenProfile(); });
    AddCommand(CommandId::kDeleteProfile, tr("&Delete profile"), m_fileMenu, [this] { DeleteProfile(); });
    AddCommand(CommandId::kCloseProfile, tr("&Close profile"), m_fileMenu,
               [this] { ShowView(CViewSplashScreen::kTemplate); });
    m_fileMenu->addSeparator();
    AddViewCommand(CommandId::kSaveAsPdf, tr("Save as P&DF..."), m_fileMenu);
    AddViewCommand(CommandId::kSavePicture, tr("Save &picture..."), m_fileMenu);
    m_fileMenu->addSeparator();
    AddCommand(CommandId::kAbout, tr("&About ..."), m_fileMenu, [this] {
        CAboutBox about(this);
        about.exec();
    });
    m_fileMenu->addSeparator();
    AddCommand(CommandId::kExit, tr("E&xit"), m_fileMenu, [this] {
        close();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    m_viewMenu = new QMenu(tr("View"), this);
    const std::pair<int, const char*> views[] = {
        {CommandId::kDiary, QT_TR_NOOP("&Diary")},
        {CommandId::kReports, QT_TR_NOOP("&Reports")},
        {CommandId::kGraphs, QT_TR_NOOP("&Graphs")},
        {CommandId::kWeightTracker, QT_TR_NOOP("&Weight tracker")},
        // The profile view: the View menu is where its check mark sits, so it is listed there too.
        {CommandId::kProfile, QT_TR_NOOP("&Profile")},
    };
    for (const auto& [id, text] : views) {
        const int templateId = ViewOfCommand(id).templateId;
        AddCommand(id, tr(text), m_viewMenu, [this, templateId] {
            ShowView(templateId);
        })->setCheckable(true);
    }
    // The window's size: kept for the next start.
    m_viewMenu->addSeparator();
    AddCommand(kZoomIn, tr("Zoom &in"), m_viewMenu, [this] {
        ChangeZoom(ScreenZoom::Current() + 1);
    })->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    AddCommand(kZoomOut, tr("Zoom &out"), m_viewMenu, [this] {
        ChangeZoom(ScreenZoom::Current() - 1);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    Command(kZoomIn)->setEnabled(ScreenZoom::Current() < ScreenZoom::kMax);
    Command(kZoomOut)->setEnabled(ScreenZoom::Current() > ScreenZoom::kMin);

    m_toolsMenu = new QMenu(tr("Tools"), this);
    AddCommand(CommandId::kImportNutrientDatabase, tr("&Import Nutrient Database"), m_toolsMenu,
               [this] { ImportNutrientDatabase(); });
    AddCommand(CommandId::kDeleteNutrientDatabase, tr("&Delete Nutrient Database"), m_toolsMenu,
               [this] { DeleteNutrientDatabase(); });
    m_toolsMenu->addSeparator();
    AddCommand(CommandId::kBackupAll, tr("&Backup all data"), m_toolsMenu, [this] { BackupAll(); });
    AddCommand(CommandId::kRestoreAll, tr("&Restore all data"), m_toolsMenu, [this] { RestoreAll(); });
    AddCommand(CommandId::kRestoreNutrientDatabase, tr("Restore &Nutrient Database"), m_toolsMenu,
               [this] { RestoreNutrientDatabase(); });
    m_toolsMenu->addSeparator();
    AddCommand(CommandId::kOptions, tr("&Options"), m_toolsMenu, [this] { Options(); });
    AddCommand(CommandId::kProfileSettings, tr("&Profile settings"), m_toolsMenu,
               [this] { ProfileSettingsCommand(); });

    // Command buttons of the views and the date bar: the view in front carries them out.
    const std::pair<int, const char*> buttons[] = {
        {CommandId::kNew, QT_TRANSLATE_NOOP("CMainFrame", "New meal")},
        {CommandId::kNewExercise, QT_TRANSLATE_NOOP("CMainFrame", "New exercise")},
        {CommandId::kLaunchCompanion, QT_TRANSLATE_NOOP("CMainFrame", "Launch Ravelin")},
        {CommandId::kDelete, QT_TRANSLATE_NOOP("CMainFrame", "Delete")},
        {CommandId::kProperties, QT_TRANSLATE_NOOP("CMainFrame", "Properties")},
        {CommandId::kToday, QT_TRANSLATE_NOOP("CMainFrame", "Today")},
        {CommandId::kLastWeek, QT_TRANSLATE_NOOP("CMainFrame", "Last week")},
        {CommandId::kLastMonth, QT_TRANSLATE_NOOP("CMainFrame", "Last month")},
        {CommandId::kExportReport, QT_TRANSLATE_NOOP("CMainFrame", "Export report")},
        {CommandId::kApply, QT_TRANSLATE_NOOP("CMainFrame", "Apply")},
        {CommandId::kBodyMassIndex, QT_TRANSLATE_NOOP("CMainFrame", "Body Mass Index")},
        {CommandId::kDietGoals, QT_TRANSLATE_NOOP("CMainFrame", "Diet goals")},
        {CommandId::kMealsPattern, QT_TRANSLATE_NOOP("CMainFrame", "Meals pattern")},
        {CommandId::kPreviousDay, QT_TRANSLATE_NOOP("CMainFrame", "Previous day")},
        {CommandId::kNextDay, QT_TRANSLATE_NOOP("CMainFrame", "Next day")},
    };
    for (const auto& [id, text] : buttons)
        AddViewCommand(id, tr(text), nullptr)->setIcon(CommandIcons::ForCommand(id));
    // The diary's keys; Delete and Enter belong to its list, where they act on the selected entry.
    const std::pair<int, QKeySequence> keys[] = {
        {CommandId::kNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {CommandId::kNewExercise, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {CommandId::kPreviousDay, QKeySequence(Qt::ALT | Qt::Key_Left)},
        {CommandId::kNextDay, QKeySequence(Qt::ALT | Qt::Key_Right)},
        {CommandId::kToday, QKeySequence(Qt::CTRL | Qt::Key_T)},
    };
    for (const auto& [id, key] : keys)
        Command(id)->setShortcut(key);

    AddMenuButton(tr("&File"), m_fileMenu);
    AddMenuButton(tr("&View"), m_viewMenu);
    AddMenuButton(tr("&Tools"), m_toolsMenu);
}

QList<int> CMainFrame::CommandButtons() const
{
    QList<int> ids;
    for (QAction* a : m_commandBar->actions()) {
        if (a->isSeparator())
            ids << 0;
        else if (const int id = a->data().toInt())
            ids << id;
        else if (auto* wa = qobject_cast<QWidgetAction*>(a);
                 wa && wa->defaultWidget() && wa->defaultWidget()->property("command").isValid())
            ids << wa->defaultWidget()->property("command").toInt();
    }
    return ids;
}

QList<int> CMainFrame::DateBarButtons() const
{
    QList<int> ids;
    for (QAction* a : m_dateBar->actions()) {
        if (a->isSeparator())
            ids << 0;
        else if (a->data().isValid())
            ids << a->data().toInt();
        else
            ids << CDatePicker::kId;
    }
    return ids;
}

void CMainFrame::LoadCommandBar()
{
    // Everything after the three menu titles goes.
    const QList<QAction*> items = m_commandBar->actions();
    for (int i = 3; i < items.size(); ++i) {
        m_commandBar->removeAction(items[i]);
        if (auto* wa = qobject_cast<QWidgetAction*>(items[i]))
            delete wa;
    }
    QList<int> ids;
    switch (m_viewType) {
    case kDiary: {
        const bool companion = m_services.doc.HasOpenProfile() &&
                               m_services.doc.Profile().Has(CProfileTable::kCompanionExercises);
        ids = {CommandId::kNew, companion ? CommandId::kLaunchCompanion : CommandId::kNewExercise,
               CommandId::kDelete, CommandId::kProperties};
        break;
    }
    case kReports:
        ids = {CommandId::kToday, CommandId::kLastWeek, CommandId::kLastMonth, CommandId::kExportReport};
        break;
    case kProfileView:
        ids = {CommandId::kApply, 0, CommandId::kBodyMassIndex, CommandId::kDietGoals,
               CommandId::kMealsPattern};
        break;
    default:
        break;
    }
    for (int id : ids) {
        if (id == 0) {
            m_commandBar->addSeparator();
        } else if (id == CommandId::kNew) {
            // "New meal" with its drop-down arrow: the arrow asks the diary for recent foods.
            auto* b = new QToolButton(m_commandBar);
            b->setDefaultAction(Command(CommandId::kNew));
            b->setProperty("command", CommandId::kNew);
            b->setPopupMode(QToolButton::MenuButtonPopup);
            auto* arrow = new QMenu(b);
            connect(arrow, &QMenu::aboutToShow, this, [this, arrow] {
                QMetaObject::invokeMethod(arrow, &QMenu::close, Qt::QueuedConnection);
                DropDown(CommandId::kNew);
            });
            b->setMenu(arrow);
            m_commandBar->addWidget(b);
        } else {
            m_commandBar->addAction(Command(id));
        }
    }
}

void CMainFrame::LoadDateBar(bool show)
{
    m_dateBar->clear();
    delete m_datePicker;
    m_datePicker = nullptr;
    if (!show) {
        m_dateBar->hide();
        return;
    }
    m_dateBar->addAction(Command(CommandId::kToday));
    m_datePicker = new CDatePicker(m_dateBar);
    m_datePicker->SetDate(m_services.doc.CurrentDate());
    m_dateBar->addWidget(m_datePicker);
    m_dateBar->addAction(Command(CommandId::kPreviousDay));
    m_dateBar->addSeparator();
    m_dateBar->addAction(Command(CommandId::kNextDay));
    m_dateBar->show();
}

void CMainFrame::ShowView(int templateId)
{
    const ViewInfo* info = ViewOfTemplate(templateId);
    if (!info)
        return;
    // The current view keeps what the user entered; its date picker goes.
    if (m_view) {
        m_view->FinishView();
        m_view->SetDatePicker(nullptr);
    }
    // The bars of the new view.
    m_viewType = info->type;
    HelpKey::SetTopic(this, HelpTopic());
    LoadCommandBar();
    LoadDateBar(m_viewType == kDiary || m_viewType == kReports);
    // The new view replaces the old one.
    CFormView* old = m_view;
    if (old)
        takeCentralWidget();
    switch (m_viewType) {
    case kStartView:
        m_view = new CViewSplashScreen(m_services);
        break;
    case kDiary:
        m_view = new CFoodDBView(m_services);
        break;
    case kReports:
        m_view = new CFoodDBViewDetails(m_services);
        break;
    case kWeightTracker:
        m_view = new CViewWeightTracker(m_services);
        break;
    case kGraphs:
        m_view = new CGraphForm(m_services);
        break;
    case kProfileView:
        m_view = new CViewProfile(m_services);
        break;
    default:
        m_view = new CViewPlaceholder(m_services, info->templateId, tr(info->title));
        break;
    }
    setCentralWidget(m_view);
    connect(m_view, &CFormView::commandsChanged, this, &CMainFrame::UpdateEnabling);
    m_view->SetDatePicker(m_datePicker);
    m_view->OnInitialUpdate();
    m_view->show();
    m_view->setFocus();
    delete old;
    SetCheckMarks();
    UpdateEnabling();
}

void CMainFrame::SetCheckMarks()
{
    const int checked = ViewOfType(m_viewType).checkCommand;
    for (const ViewInfo& v : kViews)
        if (v.checkCommand != 0)
            Command(v.checkCommand)->setChecked(v.checkCommand == checked);
}

void CMainFrame::UpdateEnabling()
{
    const bool start = m_viewType == kStartView;
    for (int id : kNeedProfile)
        Command(id)->setEnabled(!start);
    for (int id : CommandButtons())
        if (QAction* a = Command(id); a && m_view)
            a->setEnabled(m_view->CommandEnabled(id));
    Command(CFormView::kSaveAsPdf)->setEnabled(m_viewType == kReports);
    Command(CFormView::kSavePicture)->setEnabled(m_viewType == kGraphs || m_viewType == kWeightTracker);
}

QString CMainFrame::HelpTopic() const
{
    return QString::fromLatin1(ViewOfType(m_viewType).helpTopic);
}

void CMainFrame::RunCommand(int id)
{
    if (QAction* a = Command(id); a && a->isEnabled())
        a->trigger();
}

void CMainFrame::ProfileSettingsCommand()
{
    if (!m_services.doc.HasOpenProfile()) {
        m_services.messages.Tell(tr("Please open a profile first."), IMessageBox::Icon::Information);
        return;
    }
    // What the view holds is kept before the sheet changes the profile under it.
    FinishCurrentView();
    ProfileSettings();
    m_services.doc.UpdateAllViews();
}

void CMainFrame::ChangeZoom(int zoom)
{
    zoom = std::clamp(zoom, ScreenZoom::kMin, ScreenZoom::kMax);
    if (zoom == ScreenZoom::Current())
        return;
    // The window is made anew at the new scale, where it was on the screen.
    const QPoint at = pos() * ScreenZoom::Current();
    hide();
    if (windowHandle())
        windowHandle()->destroy();
    ScreenZoom::Apply(zoom);
    move(at / zoom);
    show();
    ScreenZoom::Keep(m_services.env.TheRegistry(), zoom);
    Command(kZoomIn)->setEnabled(zoom < ScreenZoom::kMax);
    Command(kZoomOut)->setEnabled(zoom > ScreenZoom::kMin);
}

void CMainFrame::DropDown(int commandId)
{
    if (m_viewType == kDiary && m_view)
        m_view->OnDropDown(commandId);
}

void CMainFrame::OnExchangeMessage()
{
    m_services.doc.UpdateAllViews();
}

void CMainFrame::BringToFront()
{
    show();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
}

void CMainFrame::NewProfile()
{
    // The day in view belongs to the profile being left: it is kept before the switch.
    FinishCurrentView();
    if (m_services.doc.NewProfile() == 0)
        return;
    ProfileSettings();
    ShowView(CFoodDBView::kTemplate);
}

void CMainFrame::ProfileSettings()
{
    CProfilePropertySheet sheet(tr("Profile Settings"), m_services.doc, m_services.messages, this);
    sheet.exec();
}

void CMainFrame::OpenProfile()
{
    CProfilesDlg dialog(m_services.doc, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The day in view belongs to the profile being left: it is kept before the switch.
    FinishCurrentView();
    if (m_services.doc.OpenProfile(dialog.ChosenProfile()))
        ShowView(CFoodDBView::kTemplate);
}

void CMainFrame::DeleteProfile()
{
    CProfilesDlg dialog(m_services.doc, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    IMessageBox& box = m_services.messages;
    if (!box.AskBeforeDeleting(tr("All data connected to selected profile will be deleted. Continue?")) ||
        !box.AskBeforeDeleting(tr("Please reconfirm deleting profile. Continue?")))
        return;
    // No view may hold the diary being deleted.
    ShowView(CViewSplashScreen::kTemplate);
    m_services.doc.DeleteProfile(dialog.ChosenProfile());
}

void CMainFrame::Options()
{
    COptionPropertySheet sheet(m_services.doc.Profile(), m_services.messages, this);
    // What the view holds is kept in the units it was typed in, before the measures may change.
    FinishCurrentView();
    sheet.exec();
    // OK or Cancel: the profile is written (Cancel changed nothing) and the measures follow it.
    m_services.doc.SaveProfile();
    m_services.doc.UpdateAllViews();
    if (m_viewType == kDiary)
        ShowView(CFoodDBView::kTemplate); // laid out anew, with the command buttons of the companion option
}

void CMainFrame::FinishCurrentView()
{
    if (m_view)
        m_view->FinishView();
}

void CMainFrame::DeleteNutrientDatabase()
{
    if (!m_services.messages.AskBeforeDeleting(
            tr("Are you sure you want to delete the Nutrient Database. All data will be lost."),
            IMessageBox::Icon::Warning))
        return;
    NutrientImport(m_services.env.Store(), &m_services.messages, &m_services.waitCursor)
        .RecreateNutrientDatabases();
    m_services.messages.Tell(tr("Nutrient Database deleted!"), IMessageBox::Icon::Information);
    m_services.doc.UpdateAllViews();
}

void CMainFrame::ImportNutrientDatabase()
{
    const QString file =
        FileDialogs::AskOpen(this, tr("Import Nutrient Database"), m_services.env.Folders().DocumentsDir(),
                             tr("All Files (*.*) (*.csv)"), QStringLiteral("csv"));
    if (file.isEmpty())
        return;
    if (!m_services.messages.Ask(
            QCoreApplication::translate("CMainFrame",
                                        "New entries will be appended to Nutrient Database. Existing "
                                        "entries will be updated. Continue?"),
            IMessageBox::Icon::None))
        return;
    FinishCurrentView();
    CNutrientDBDlg::RunParameters run;
    run.importFile = file;
    CNutrientDBDlg browser(m_services.doc, m_services.env.Folders(), m_services.messages,
                           m_services.waitCursor, run, this);
    browser.exec();
    m_services.doc.UpdateAllViews();
}

BackupRestore CMainFrame::Backups()
{
    return BackupRestore(m_services.env.Store(), m_services.env.TheClock(),
                         m_services.env.Folders().DocumentsDir(), &m_services.messages,
                         &m_services.waitCursor);
}

void CMainFrame::BackupAll()
{
    CBackupDlg dialog(CBackupDlg::Kind::BackupAll, m_services.env.Folders().DocumentsDir(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (m_view)
        m_view->FinishView(); // the backup holds what the screen shows
    Backups().BackupAll();
}

void CMainFrame::RestoreAll()
{
    CBackupDlg dialog(CBackupDlg::Kind::RestoreAll, m_services.env.Folders().DocumentsDir(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // No view may hold a diary record while the databases are replaced.
    ShowView(CViewSplashScreen::kTemplate);
    Backups().RestoreAll();
}

void CMainFrame::RestoreNutrientDatabase()
{
    CBackupDlg dialog(CBackupDlg::Kind::RestoreNutrients, m_services.env.Folders().DocumentsDir(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Backups().RestoreNutrientDatabase();
    m_services.doc.UpdateAllViews();
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Back in the window after working elsewhere: what another program stored meanwhile is shown.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        m_services.doc.RefreshIfChangedElsewhere())
        m_services.doc.UpdateAllViews();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_view)
        m_view->FinishView();
    event->accept();
}
