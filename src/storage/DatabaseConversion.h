#pragma once

#include <QtGlobal>

class Clock;
class IMessageBox;
class IWaitCursor;
class RecordStore;

// Brings databases of earlier versions to the current format, once, at start-up: the 2.0
// conversion (numbers kept as text become doubles, records get their full property set), the
// folder tree's 3.1 conversion (no stored Root, two folder levels) and the repair of duplicate
// folder ids. Each check does its work at most once; its own check no longer fires afterwards.
class DatabaseConversion
{
public:
    static constexpr int kMaxFolders = 2048;
    static constexpr int kMaxProfiles = 256;

    DatabaseConversion(RecordStore& store, const Clock& clock, IMessageBox* messages,
                       IWaitCursor* waitCursor);

    // The three checks in their order; true when any of them converted something.
    bool Run();
    bool ConvertTo20();
    bool ConvertTreeTo31();
    bool RepairTree();
    void RebuildTree();

private:
    void ConvertFoods();
    void ConvertComponents();
    void ConvertDays();
    void ConvertEntries();
    void ConvertServings();
    void ConvertProfiles();

    RecordStore& m_store;
    const Clock& m_clock;
    IMessageBox* m_messages;
    IWaitCursor* m_waitCursor;
};
