#pragma once

class AppEnvironment;
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
};
