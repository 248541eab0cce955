#pragma once

#include <QString>

// Opens a help topic in the help viewer: one argument, "Vellamo.htm" directly followed by the
// topic ("#About"). It neither waits for the viewer nor looks at the result.
namespace HelpLauncher {

constexpr const char* kHelpFile = "Vellamo.htm";

// The viewer: $VELLAMO_HELP_VIEWER, else vellamo-help beside the running program, else the one
// on the PATH.
QString ViewerProgram();
QString Argument(const QString& topic);
void OpenHelp(const QString& topic);

} // namespace HelpLauncher
