#include "CompanionLink.h"

#include "platform/ExchangeChannel.h"
#include "platform/Registry.h"

#include <QProcess>

quint32 CompanionLink::CompanionNumber() const
{
    Registry::Key key;
    quint32 number = 0;
    if (!m_registry.OpenKey(Registry::Hive::CurrentUser, QString::fromLatin1(kCompanionKey), &key) ||
        !key.QueryDword(QStringLiteral("HWND"), &number))
        return 0;
    return number;
}

bool CompanionLink::NotifyCompanion(FileTime day)
{
    const quint32 number = CompanionNumber();
    return number != 0 && ExchangeChannel::SendExchange(number, day.SecondsSince1970());
}

QString CompanionLink::LaunchCompanion()
{
    // Running: it only comes to the front.
    if (const quint32 number = CompanionNumber(); number != 0 && ExchangeChannel::SendRaise(number))
        return QString();
    // Not running: started from where it is installed, else from the default place.
    QString program = QString::fromLatin1(kDefaultProgram);
    Registry::Key key;
    QString folder;
    if (m_registry.OpenKey(Registry::Hive::LocalMachine, QString::fromLatin1(kInstallKey), &key) &&
        key.QueryString(QStringLiteral("InstallDir"), &folder))
        program = folder.left(255) + QLatin1Char('/') + QLatin1String(kProgramName);
    QProcess::startDetached(program, {});
    return program;
}
