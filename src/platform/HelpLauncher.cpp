#include "HelpLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace HelpLauncher {

QString ViewerProgram()
{
    const QString fromEnvironment = qEnvironmentVariable("VELLAMO_HELP_VIEWER");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/vellamo-help");
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStringLiteral("vellamo-help");
}

QString Argument(const QString& topic)
{
    return QLatin1String(kHelpFile) + topic;
}

void OpenHelp(const QString& topic)
{
    // An argument list, never a shell: the topic cannot run anything.
    QProcess::startDetached(ViewerProgram(), {Argument(topic)});
}

} // namespace HelpLauncher
