#include "BackupRestore.h"

#include "BackupFile.h"
#include "CDiaryTable.h"
#include "CFoodTable.h"
#include "CMealTable.h"
#include "CMeasuresTable.h"
#include "CProfileTable.h"
#include "CSubFoodTable.h"
#include "CTreeTable.h"
#include "IMessageBox.h"
#include "WaitCursorScope.h"

#include <memory>

namespace {

// The seven databases in the order of their files.
struct Tables
{
    explicit Tables(RecordStore& store, const Clock& clock)
        : diary(store, clock), food(store), meal(store), measures(store), profile(store, clock),
          subFood(store), tree(store)
    {
    }
    CDiaryTable diary;
    CFoodTable food;
    CMealTable meal;
    CMeasuresTable measures;
    CProfileTable profile;
    CSubFoodTable subFood;
    CTreeTable tree;

    struct Entry
    {
        CDbTable* table;
        const char* file;
        bool nutrient;
    };
    std::array<Entry, 7> All()
    {
        return {{{&diary, "ZELDiary.bck", false},
                 {&food, "ZELFood.bck", true},
                 {&meal, "ZELMeal.bck", false},
                 {&measures, "ZELMeasures.bck", true},
                 {&profile, "ZELProfile.bck", false},
                 {&subFood, "ZELSubfood.bck", true},
                 {&tree, "ZELTree.bck", true}}};
    }
};

} // namespace

BackupRestore::BackupRestore(RecordStore& store, const Clock& clock, const QString& folder,
                             IMessageBox* messages, IWaitCursor* waitCursor)
    : m_store(store), m_clock(clock), m_folder(folder), m_messages(messages), m_waitCursor(waitCursor)
{
}

QString BackupRestore::FilePath(const QString& fileName) const
{
    return m_folder + QLatin1Char('/') + fileName;
}

bool BackupRestore::BackupAll()
{
    Tables tables(m_store, m_clock);
    bool ok = true;
    {
        WaitCursorScope wait(m_waitCursor);
        for (const Tables::Entry& e : tables.All()) {
            if (!e.table->BackupTo(FilePath(QString::fromLatin1(e.file)), m_messages)) {
                ok = false;
                break;
            }
        }
    }
    if (m_messages)
        m_messages->Tell(
            ok ? QStringLiteral("Backup is finished!")
               : QStringLiteral("Error performing backup! Do not restore data before a backup is "
                                "performed successfully!"),
            IMessageBox::Icon::None);
    return ok;
}

bool BackupRestore::Restore(bool all, const QString& failure)
{
    Tables tables(m_store, m_clock);
    std::vector<std::pair<CDbTable*, std::vector<BackupFile::Record>>> contents;
    QString error;
    bool ok = true;
    {
        WaitCursorScope wait(m_waitCursor);
        for (const Tables::Entry& e : tables.All()) {
            if (!all && !e.nutrient)
                continue;
            std::vector<BackupFile::Record> records;
            if (!BackupFile::Read(FilePath(QString::fromLatin1(e.file)), &records, &error)) {
                ok = false;
                break;
            }
            contents.emplace_back(e.table, std::move(records));
        }
        if (ok) {
            RecordStore::Batch batch(m_store);
            for (const auto& [table, records] : contents) {
                if (!BackupFile::Replace(*table, records)) {
                    batch.Abandon();
                    break;
                }
            }
            ok = batch.Commit();
        }
    }
    if (m_messages) {
        if (!error.isEmpty())
            m_messages->Tell(error, IMessageBox::Icon::None);
        m_messages->Tell(ok ? QStringLiteral("Restore is finished!") : failure, IMessageBox::Icon::None);
    }
    return ok;
}

bool BackupRestore::RestoreAll()
{
    return Restore(true,
                   QStringLiteral("Restore failed! Data might be corrupted! If the program is not working "
                                  "correctly then please uninstall and confirm deleting databases when "
                                  "asked. Afterwards reinstall the program again."));
}

bool BackupRestore::RestoreNutrientDatabase()
{
    return Restore(false,
                   QStringLiteral("Restore failed! Data in Vellamo might be corrupted! If Vellamo is not "
                                  "working correctly then please uninstall Vellamo and confirm deleting "
                                  "databases when asked. Afterwards reinstall Vellamo again."));
}
