#include "CNutritionApp.h"

#include "app/CompanionLink.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/HelpKey.h"
#include "diary/CFoodDBDoc.h"
#include "diary/ui/CFoodDBView.h"
#include "diary/ui/CInternationalSettingsDlg.h"
#include "diary/ui/DiaryDialogs.h"
#include "platform/AppEnvironment.h"
#include "platform/ExchangeChannel.h"
#include "platform/IMessageBox.h"
#include "platform/ui/SingleInstance.h"
#include "storage/DatabaseConversion.h"

#include <QCoreApplication>
#include <QTimer>

CNutritionApp::CNutritionApp(AppEnvironment& env, IMessageBox& messages, IWaitCursor& waitCursor)
    : m_env(env), m_messages(messages), m_waitCursor(waitCursor), m_helpKey(std::make_unique<HelpKey>())
{
}

CNutritionApp::~CNutritionApp()
{
    m_env.Store().SetFailureListener(nullptr);
    // The frame and its views go before the document they observe.
    m_endpoint.reset();
    m_frame.reset();
}

bool CNutritionApp::StartUp()
{
    // One program per data folder: a second start brings the first to the front.
    m_instance = std::make_unique<SingleInstance>(m_env.Folders().StorePath());
    if (m_instance->Start() == SingleInstance::Claim::OtherRunning)
        return false;

    // A data file that cannot take a change would lose everything typed into it: said at once.
    QString message;
    if (!m_env.Store().CanWrite(&message)) {
        m_messages.Tell(message + tr(" Vellamo stops so that nothing you enter is lost."),
                        IMessageBox::Icon::Stop);
        m_refused = true;
        return false;
    }
    // A change SQLite refuses is told once per action, after the action has ended (never in the
    // middle of a transaction); the views keep what they show.
    m_env.Store().SetFailureListener([this](const QString& text) {
        QTimer::singleShot(0, this, [this, text] {
            m_messages.Tell(text, IMessageBox::Icon::Stop);
            m_env.Store().ClearFailure();
        });
    });

    // The document with every table, the frame with the start view.
    m_doc = std::make_unique<CFoodDBDoc>(m_env.Store(), m_env.TheClock());
    m_dialogs = std::make_unique<DiaryDialogs>(*m_doc, m_env.Folders(), m_messages, m_waitCursor);
    m_dialogs->Install();
    m_companion = std::make_unique<CompanionLink>(m_env.TheRegistry());
    m_services = std::make_unique<AppServices>(
        AppServices{m_env, *m_doc, m_messages, m_waitCursor, m_companion.get()});
    m_frame = std::make_unique<CMainFrame>(*m_services);
    m_dialogs->SetParent(m_frame.get());
    connect(m_instance.get(), &SingleInstance::raiseRequested, m_frame.get(), &CMainFrame::BringToFront);

    m_frame->show();
    m_frame->setWindowTitle(QStringLiteral("Vellamo"));
    // Databases of earlier versions are brought up to date.
    DatabaseConversion(m_env.Store(), m_env.TheClock(), &m_messages, &m_waitCursor).Run();
    m_frame->repaint(); // the start view is seen while the profile opens
    SelectStartProfile();
    PublishWindow(); // the companion can find the window from now on
    return true;
}

void CNutritionApp::SelectStartProfile()
{
    CFoodDBDoc& doc = *m_doc;
    if (doc.Profiles().Count() > 0) {
        if (doc.OpenMarkedProfile())
            m_frame->ShowView(CFoodDBView::kTemplate);
        return; // none open: the start view stays
    }
    // The first run.
    if (doc.NewProfile() == 0)
        return;
    CInternationalSettingsDlg settings(&doc.Profile().flags, m_frame.get());
    settings.exec();
    m_frame->ProfileSettings();
    m_frame->ShowView(CFoodDBView::kTemplate);
}

quint32 CNutritionApp::EndpointNumber() const
{
    return m_endpoint ? m_endpoint->Number() : 0;
}

void CNutritionApp::PublishWindow()
{
    // The endpoint of the exchange message; the companion's message updates every view.
    m_endpoint = std::make_unique<ExchangeEndpoint>();
    if (!m_endpoint->Listen(static_cast<quint32>(QCoreApplication::applicationPid())))
        return;
    connect(m_endpoint.get(), &ExchangeEndpoint::exchangeReceived, m_frame.get(),
            &CMainFrame::OnExchangeMessage);
    // The key is the companion's to create; without it nothing is published.
    Registry::Key key;
    if (!m_env.TheRegistry().OpenKey(Registry::Hive::CurrentUser, QString::fromLatin1(kSettingsKey), &key))
        return;
    key.SetDword(QStringLiteral("HWND"), m_endpoint->Number());
    key.Close();
}
