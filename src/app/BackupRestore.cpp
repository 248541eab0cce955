#include "BackupRestore.h"

#include "platform/IMessageBox.h"
#include "platform/WaitCursorScope.h"
#include "storage/BackupFile.h"
#include "storage/CDiaryTable.h"
#include "storage/CFoodTable.h"
#include "storage/CMealTable.h"
#include "storage/CMeasuresTable.h"
#include "storage/CProfileTable.h"
#include "storage/CSubFoodTable.h"
#include "storage/CTreeTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

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
        const auto& f = BackupRestore::kFileNames;
        return {{{&diary, f[0], false},
                 {&food, f[1], true},
                 {&meal, f[2], false},
                 {&measures, f[3], true},
                 {&profile, f[4], false},
                 {&subFood, f[5], true},
                 {&tree, f[6], true}}};
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

namespace {

QString NewFile(const QString& path)
{
    return path + QStringLiteral(".new");
}

QString OldFile(const QString& path)
{
    return path + QStringLiteral(".old");
}

// Puts the seven new files in place of the old set, all or none: the old files are kept aside
// by a second name until every new one is in place. A link at a file's name is replaced, never
// written through.
bool ReplaceSet(const QStringList& targets)
{
    auto name = [](const QString& path) { return QFile::encodeName(path); };
    // Old files get a second name (a hard link, so the set stays whole under its own names
    // should the program stop here; a plain rename where links are not possible).
    QStringList keptAside;
    bool ok = true;
    for (const QString& t : targets) {
        ::unlink(name(OldFile(t)).constData());
        struct stat info = {};
        if (::lstat(name(t).constData(), &info) != 0)
            continue; // nothing there yet
        if (::link(name(t).constData(), name(OldFile(t)).constData()) != 0 &&
            ::rename(name(t).constData(), name(OldFile(t)).constData()) != 0) {
            ok = false;
            break;
        }
        keptAside << t;
    }
    QStringList placed;
    for (const QString& t : targets) {
        if (!ok)
            break;
        // rename() replaces a link at the name by the file, never writing through it.
        ok = ::rename(name(NewFile(t)).constData(), name(t).constData()) == 0;
        if (ok)
            placed << t;
    }
    if (!ok) {
        for (const QString& t : targets) {
            if (keptAside.contains(t))
                ::rename(name(OldFile(t)).constData(), name(t).constData());
            else if (placed.contains(t))
                ::unlink(name(t).constData());
        }
    }
    for (const QString& t : targets) {
        ::unlink(name(OldFile(t)).constData());
        ::unlink(name(NewFile(t)).constData());
    }
    return ok;
}

} // namespace

bool BackupRestore::BackupAll()
{
    Tables tables(m_store, m_clock);
    bool ok = true;
    {
        WaitCursorScope wait(m_waitCursor);
        QStringList targets;
        {
            // One state of the store for all seven files, written beside the old set.
            RecordStore::Snapshot snapshot(m_store);
            for (const Tables::Entry& e : tables.All()) {
                const QString target = FilePath(QString::fromLatin1(e.file));
                targets << target;
                QFile::remove(NewFile(target)); // a link left there is not written through
                if (!e.table->BackupTo(NewFile(target), m_messages) || m_store.HasReadFailure()) {
                    ok = false;
                    break;
                }
            }
        }
        // Each new file must read back whole before the old set is given up.
        for (int i = 0; ok && i < targets.size(); ++i) {
            qint64 records = 0;
            QString error;
            ok = BackupFile::Check(NewFile(targets[i]), &records, &error);
        }
        if (ok)
            ok = ReplaceSet(targets);
        else
            for (const QString& t : targets)
                QFile::remove(NewFile(t));
    }
    if (m_messages) {
        if (m_store.HasReadFailure())
            m_messages->Tell(m_store.FailureText(), IMessageBox::Icon::Stop);
        m_messages->Tell(ok ? QCoreApplication::translate("BackupRestore", "Backup is finished!")
                            : QCoreApplication::translate(
                                  "BackupRestore",
                                  "Error performing backup! Do not restore data before a backup is "
                                  "performed successfully!"),
                         IMessageBox::Icon::None);
    }
    return ok;
}

bool BackupRestore::Restore(bool all, const QString& failure)
{
    Tables tables(m_store, m_clock);
    std::vector<std::pair<CDbTable*, QString>> files;
    QString error;
    bool ok = true;
    {
        WaitCursorScope wait(m_waitCursor);
        // Each file is read once, as its records are written, so that none is ever held in
        // memory whole; all of them go in one transaction, so a file that does not read back
        // whole leaves every database as it was.
        for (const Tables::Entry& e : tables.All()) {
            if (all || e.nutrient)
                files.emplace_back(e.table, FilePath(QString::fromLatin1(e.file)));
        }
        {
            RecordStore::Batch batch(m_store);
            for (const auto& [table, path] : files) {
                if (!BackupFile::ReplaceFrom(*table, path, &error)) {
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
        else if (!ok && m_store.HasFailed())
            m_messages->Tell(m_store.FailureText(), IMessageBox::Icon::Stop);
        m_messages->Tell(ok ? QCoreApplication::translate("BackupRestore", "Restore is finished!") : failure,
                         IMessageBox::Icon::None);
    }
    return ok;
}

bool BackupRestore::RestoreAll()
{
    return Restore(true, QCoreApplication::translate(
                             "BackupRestore",
                             "Restore failed! Data might be corrupted! If the program is not working "
                             "correctly then please uninstall and confirm deleting databases when "
                             "asked. Afterwards reinstall the program again."));
}

bool BackupRestore::RestoreNutrientDatabase()
{
    return Restore(false, QCoreApplication::translate(
                              "BackupRestore",
                              "Restore failed! Data in Vellamo might be corrupted! If Vellamo is not "
                              "working correctly then please uninstall Vellamo and confirm deleting "
                              "databases when asked. Afterwards reinstall Vellamo again."));
}
