#pragma once

class AppEnvironment;
class CompanionLink;
class CFoodDBDoc;
class IMessageBox;
class IWaitCursor;

// What the frame, its views and its dialogs work with; owned by the application object (or a
// test), which outlives them all.
struct AppServices
{
    AppEnvironment& env;
    CFoodDBDoc& doc;
    IMessageBox& messages;
    IWaitCursor& waitCursor;
    CompanionLink* companion = nullptr; // none: no notifications
};
