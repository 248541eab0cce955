#pragma once

#include "platform/FileTime.h"

#include <QString>

class Registry;

// The companion training log as Vellamo reaches it: tell it that a day changed, and bring it to
// the front or start it. A companion that is not installed or not running makes both a silent
// no-op.
class CompanionLink
{
public:
    static constexpr const char* kCompanionKey = "Software\\Korvane\\Ravelin";
    static constexpr const char* kInstallKey = "SOFTWARE\\Apps\\Korvane Ravelin";
    static constexpr const char* kProgramName = "ravelin";
    static constexpr const char* kDefaultProgram = "/opt/ravelin/ravelin";

    explicit CompanionLink(const Registry& registry) : m_registry(registry) {}

    // Sends the day (seconds since 1970 of its local date and time) and waits for the companion
    // to handle it, at most the channel's time limit. False when nothing was delivered.
    bool NotifyCompanion(FileTime day);
    // Brings a running companion to the front, else starts it from its installation folder or
    // the default path; nothing is reported. The program that was started, or "" when one was
    // only brought to the front.
    QString LaunchCompanion();

private:
    quint32 CompanionNumber() const;

    const Registry& m_registry;
};
