#pragma once

#include <QString>

#include <array>

class Clock;
class IMessageBox;
class IWaitCursor;
class RecordStore;

// Backup of every database to files in the documents folder, and the two restores. A restore
// reads and checks every file it needs before any database changes, and replaces the databases
// in one transaction: a missing or damaged file leaves all of them as they were.
class BackupRestore
{
public:
    // The backup files, in the order they are written.
    static constexpr std::array<const char*, 7> kFileNames = {
        "ZELDiary.bck",   "ZELFood.bck",    "ZELMeal.bck", "ZELMeasures.bck",
        "ZELProfile.bck", "ZELSubfood.bck", "ZELTree.bck"};

    BackupRestore(RecordStore& store, const Clock& clock, const QString& folder, IMessageBox* messages,
                  IWaitCursor* waitCursor);

    bool BackupAll();
    bool RestoreAll();
    bool RestoreNutrientDatabase();

    // The backup file of a database, e.g. "ZELSubfood.bck" for ZELSubFood.
    QString FilePath(const QString& fileName) const;

private:
    bool Restore(bool all, const QString& failure);

    RecordStore& m_store;
    const Clock& m_clock;
    QString m_folder;
    IMessageBox* m_messages;
    IWaitCursor* m_waitCursor;
};
