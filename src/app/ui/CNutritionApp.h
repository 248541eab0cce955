#pragma once

#include "app/ui/AppServices.h"

#include <QObject>

#include <memory>

class AppEnvironment;
class CFoodDBDoc;
class CMainFrame;
class CompanionLink;
class ExchangeEndpoint;
class HelpKey;
class DiaryDialogs;
class IMessageBox;
class IWaitCursor;
class SingleInstance;

// The application object: one running program per data folder, the document and the frame,
// the start-up checks of the databases, the profile to open, and the published endpoint.
class CNutritionApp : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* kSettingsKey = "Software\\Vellamo\\Vellamo";

    CNutritionApp(AppEnvironment& env, IMessageBox& messages, IWaitCursor& waitCursor);
    ~CNutritionApp() override;

    // False when the process should end at once (another instance was brought to the front,
    // or the window could not be made).
    bool StartUp();
    // Whether StartUp stopped because the data file cannot be changed.
    bool Refused() const { return m_refused; }
    void SelectStartProfile();

    CFoodDBDoc& Doc() { return *m_doc; }
    CMainFrame* Frame() const { return m_frame.get(); }
    CompanionLink& Companion() { return *m_companion; }
    // The number under which this program's endpoint listens (its "HWND").
    quint32 EndpointNumber() const;

private:
    void PublishWindow();

    AppEnvironment& m_env;
    IMessageBox& m_messages;
    IWaitCursor& m_waitCursor;
    std::unique_ptr<HelpKey> m_helpKey;
    std::unique_ptr<CFoodDBDoc> m_doc;
    std::unique_ptr<DiaryDialogs> m_dialogs;
    std::unique_ptr<CompanionLink> m_companion;
    std::unique_ptr<ExchangeEndpoint> m_endpoint;
    std::unique_ptr<AppServices> m_services;
    std::unique_ptr<SingleInstance> m_instance;
    bool m_refused = false;
    std::unique_ptr<CMainFrame> m_frame;
};
