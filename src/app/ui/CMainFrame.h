#pragma once

#include "app/ui/AppServices.h"
#include "app/ui/CommandId.h"

#include <QMainWindow>
#include <QMap>

#include <functional>

class BackupRestore;
class CDatePicker;
class CFormView;
class QAction;
class QMenu;
class QToolBar;
class QToolButton;

// The program's one window on the 240 x 320 screen: the command bar at the bottom with the
// File, View and Tools menus and the current view's buttons, the date bar above it for the
// diary and the reports, and one view at a time.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kScreenWidth = 240;
    // View, Zoom in and Zoom out: the window's size.
    static constexpr int kZoomIn = CommandId::kZoomIn;
    static constexpr int kZoomOut = CommandId::kZoomOut;
    static constexpr int kScreenHeight = 320;
    static constexpr int kDateBarHeight = 24;
    static constexpr int kTitleBarHeight = 26;

    enum ViewType
    {
        kStartView = 1,
        kDiary = 2,
        kReports = 3,
        kProfileView = 4,
        kWeightTracker = 5,
        kGraphs = 6,
    };

    explicit CMainFrame(AppServices& services, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Switches to the view of a form template (a view class's kTemplate); another number changes
    // nothing.
    void ShowView(int templateId);
    int CurrentViewType() const { return m_viewType; }
    CFormView* CurrentView() const { return m_view; }
    CDatePicker* DatePicker() const { return m_datePicker; }
    QToolBar* CommandBar() const { return m_commandBar; }
    QToolBar* DateBar() const { return m_dateBar; }
    // Every command by its id (menu items and buttons).
    QAction* Command(int id) const { return m_commands.value(id); }
    // Runs a command as if chosen from its menu or button.
    void RunCommand(int id);
    // The command buttons of the current view, in order (separators as 0).
    QList<int> CommandButtons() const;
    QList<int> DateBarButtons() const;
    QString HelpTopic() const;
    // The companion's exchange message: every view shows the figures anew.
    void OnExchangeMessage();
    // The drop-down arrow of a command button.
    void DropDown(int commandId);
    // Shows the window at another zoom (within 1 to 8) and keeps it for the next start.
    void ChangeZoom(int zoom);
    void BringToFront();
    // The "Profile Settings" sheet on the open profile, which it writes when it closes.
    void ProfileSettings();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateCommands();
    QAction* AddCommand(int id, const QString& text, QMenu* menu, const std::function<void()>& handler);
    // A command the view in front carries out.
    QAction* AddViewCommand(int id, const QString& text, QMenu* menu);
    void AddMenuButton(const QString& title, QMenu* menu);
    void LoadCommandBar();
    void LoadDateBar(bool show);
    void SetCheckMarks();
    void UpdateEnabling();

    void NewProfile();
    void OpenProfile();
    void DeleteProfile();
    void Options();
    void ProfileSettingsCommand();
    void FinishCurrentView();
    void DeleteNutrientDatabase();
    void ImportNutrientDatabase();
    BackupRestore Backups();
    void BackupAll();
    void RestoreAll();
    void RestoreNutrientDatabase();

    AppServices& m_services;
    int m_viewType = kStartView;
    CFormView* m_view = nullptr;
    CDatePicker* m_datePicker = nullptr;
    QToolBar* m_commandBar = nullptr;
    QToolBar* m_dateBar = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_toolsMenu = nullptr;
    QMap<int, QAction*> m_commands;
};
