#include "NutrientImport.h"

#include "fooddb/CCsvFile.h"
#include "fooddb/FoodTree.h"
#include "platform/DataFolders.h"
#include "platform/IMessageBox.h"
#include "platform/WaitCursorScope.h"
#include "storage/CFoodTable.h"
#include "storage/CMeasuresTable.h"
#include "storage/CSubFoodTable.h"
#include "storage/CTreeTable.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

NutrientImport::NutrientImport(RecordStore& store, IMessageBox* messages, IWaitCursor* waitCursor)
    : m_store(store), m_messages(messages), m_waitCursor(waitCursor)
{
}

bool NutrientImport::RecreateNutrientDatabases()
{
    RecordStore::Batch batch(m_store);
    CFoodTable foods(m_store);
    CSubFoodTable parts(m_store);
    CMeasuresTable measures(m_store);
    CTreeTable tree(m_store);
    tree.Reopen(CTreeTable::kNodeProp);
    bool ok = true;
    for (CDbTable* t : std::initializer_list<CDbTable*>{&foods, &parts, &measures, &tree})
        ok = m_store.DeleteAllRecords(t->Handle()) && ok;
    if (!ok)
        batch.Abandon();
    return batch.Commit();
}

NutrientImport::Result NutrientImport::ImportDefaultDatabase(const DataFolders& folders)
{
    WaitCursorScope wait(m_waitCursor);
    RecreateNutrientDatabases();
    return ImportNutrientFile(folders.DefaultNutrientDatabasePath(), true);
}

NutrientImport::Result NutrientImport::ImportNutrientFile(const QString& path, bool defaultDatabase)
{
    Result result;
    CCsvFile f(m_messages);
    if (!f.OpenRead(path))
        return result;
    result.opened = true;
    if (m_messages) {
        if (defaultDatabase)
            m_messages->Tell(
                QCoreApplication::translate(
                    "NutrientImport", "There is no database installed. Default database will be imported."),
                IMessageBox::Icon::None);
        m_messages->Tell(QCoreApplication::translate(
                             "NutrientImport",
                             "Importing the Nutrient Database might take several minutes. Please be "
                             "patient!"),
                         IMessageBox::Icon::None);
    }
    WaitCursorScope wait(m_waitCursor);
    // One transaction per import is what makes thousands of foods quick; each food is still
    // complete when written, and a file that ends early keeps the foods before it.
    RecordStore::Batch batch(m_store);
    FoodTree tree(m_store);
    CFoodTable foods(m_store);
    CMeasuresTable measures(m_store);
    CMeasuresTable servingIds(m_store);
    servingIds.Reopen(CDbTable::kIdProp);
    quint32 nextServingId = servingIds.NextId();
    // Into an empty food table a food can only exist if this import wrote it, which spares a
    // look-up per line of the default database.
    const bool foodsWereEmpty = foods.First() == 0;
    QSet<quint32> written;
    written.reserve(8192);
    // Only this import adds folders while it runs, so a folder's children are read once, on
    // its first use, the names resolved from then on stay valid, and the folder ids are counted
    // on from the highest one. New folders are written after the foods, side by side in the
    // file: the check of the folder tree at each start then reads a few pages, not most of them.
    QHash<QPair<quint32, QString>, quint32> folders;
    QSet<quint32> childrenRead;
    quint32 nextFolderId = tree.Table().NextNodeId();
    std::vector<FolderRecord> newFolders;
    const auto folderOf = [&](quint32 parent, const QString& name) {
        if (!childrenRead.contains(parent)) {
            childrenRead.insert(parent);
            CTreeTable& t = tree.Table();
            for (RecordOid o = t.FirstChild(parent); o; o = t.NextChild(parent)) {
                if (!t.Load() || t.Buffer().id == 0)
                    continue;
                const auto key = qMakePair(parent, t.Buffer().name);
                const auto it = folders.find(key);
                if (it == folders.end())
                    folders.insert(key, t.Buffer().id);
                else if (t.Buffer().id < it.value())
                    it.value() = t.Buffer().id; // the first in folder-id order, as FindChild
            }
        }
        const auto key = qMakePair(parent, name);
        if (auto it = folders.constFind(key); it != folders.constEnd())
            return it.value();
        const quint32 id = nextFolderId++;
        folders.insert(key, id);
        childrenRead.insert(id); // a new folder has none to read
        FolderRecord& n = newFolders.emplace_back();
        n.id = id;
        n.parentId = parent;
        n.name = name;
        return id;
    };

    std::vector<QByteArray> line;
    bool eof = f.ReadLine(&line); // the header line
    // The folder bytes of the line before: most lines share them, and the same bytes read as
    // the same names.
    bool folderRead = false;
    QByteArray previousFirst;
    QByteArray previousSecond;
    quint32 folder = FoodTree::kRoot;
    while (!eof && !f.HasError()) {
        eof = f.ReadLine(&line);
        if (line.empty())
            continue;
        if (f.HasError())
            break; // a field too long: the line is not read whole
        const qint64 id = CCsvFile::IntegerOf(line[0]);
        const double reference = line.size() > 16 ? CCsvFile::NumberOf(line[16]) : 0.0;
        // A line cut short, or one whose id or reference weight is 0, would make a food that
        // is not in the file: it is skipped and counted.
        if (static_cast<int>(line.size()) != kColumns || id <= 0 || id > 0xFFFFFFFFLL || reference == 0) {
            ++result.skipped;
            continue;
        }
        // The folders of a line are made before its name is looked at, as every import has done.
        if (!folderRead || line[1] != previousFirst || line[2] != previousSecond) {
            folderRead = true;
            folder =
                folderOf(folderOf(FoodTree::kRoot, CCsvFile::TextOf(line[1])), CCsvFile::TextOf(line[2]));
            previousFirst = line[1];
            previousSecond = line[2];
        }
        const QString name = CCsvFile::TextOf(line[3]);
        if (name.isEmpty()) {
            ++result.skipped; // a line without a food name is no food
            continue;
        }

        const quint32 foodId = static_cast<quint32>(id);
        const bool exists =
            (!foodsWereEmpty || written.contains(foodId)) && foods.FindId(foodId) && foods.Load();
        if (exists) {
            ++result.updated;
            for (RecordOid o = measures.FirstOfFood(foodId); o; o = measures.FirstOfFood(foodId))
                measures.DeleteCurrent();
        } else {
            foods.Buffer() = FoodRecord();
            foods.Buffer().id = foodId;
            ++result.added;
        }
        FoodRecord& r = foods.Buffer();
        r.folderId = folder;
        r.name = name;
        for (int n = 0; n < kNutrientCount; ++n)
            r.values.amounts[n] = CCsvFile::NumberOf(line[4 + n]) * (100.0 / reference);
        r.referenceWeight = reference;
        r.defaultServingId = 0;
        for (int s = 0; s < 10; ++s) {
            const QString description = CCsvFile::TextOf(line[17 + 2 * s]);
            if (description.isEmpty() || description == QLatin1String("0"))
                continue;
            ServingRecord& serving = servingIds.Buffer();
            serving.id = nextServingId;
            serving.foodId = foodId;
            serving.description = description;
            serving.weight = CCsvFile::NumberOf(line[18 + 2 * s]);
            if (!servingIds.Insert())
                continue;
            if (r.defaultServingId == 0)
                r.defaultServingId = nextServingId;
            ++nextServingId;
        }
        if (exists)
            foods.Save();
        else
            foods.Insert();
        written.insert(foodId);
        ++result.foods;
    }
    tree.CreateFolders(newFolders); // a failed write fails the whole import
    if (f.HasError())
        result.error = f.Error() + QCoreApplication::translate(
                                       "NutrientImport",
                                       " The import stopped there; the foods before that line are kept.");
    if (!batch.Commit()) {
        // Nothing of this import reached the file.
        const bool opened = result.opened;
        result = Result();
        result.opened = opened;
        result.stored = false;
    }
    return result;
}
