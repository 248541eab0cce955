#include "NutrientImport.h"

#include "CCsvFile.h"
#include "CFoodTable.h"
#include "CMeasuresTable.h"
#include "CSubFoodTable.h"
#include "CTreeTable.h"
#include "DataFolders.h"
#include "FoodTree.h"
#include "IMessageBox.h"
#include "WaitCursorScope.h"

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
                QStringLiteral("There is no database installed. Default database will be imported."),
                IMessageBox::Icon::None);
        m_messages->Tell(
            QStringLiteral("Importing the Nutrient Database might take several minutes. Please be "
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

    std::vector<QByteArray> line;
    bool eof = f.ReadLine(&line);         // the header line
    QString previousFirst(QChar(0xFFFF)); // matches no folder name
    QString previousSecond(QChar(0xFFFF));
    quint32 folder = FoodTree::kRoot;
    while (!eof && !f.HasError()) {
        eof = f.ReadLine(&line);
        if (line.empty())
            continue;
        const QString name = line.size() > 3 ? CCsvFile::TextOf(line[3]) : QString();
        if (name.isEmpty())
            continue; // a line without a food name is no food
        const qint64 id = CCsvFile::IntegerOf(line[0]);
        const double reference = line.size() > 16 ? CCsvFile::NumberOf(line[16]) : 0.0;
        // A line cut short, or one whose id or reference weight is 0, would make a food that
        // is not in the file: it is skipped and counted.
        if (static_cast<int>(line.size()) != kColumns || id <= 0 || id > 0xFFFFFFFFLL || reference == 0) {
            ++result.skipped;
            continue;
        }
        const QString first = CCsvFile::TextOf(line[1]);
        const QString second = CCsvFile::TextOf(line[2]);
        if (first != previousFirst || second != previousSecond) {
            qint64 top = tree.FindTopFolder(first);
            if (top < 0)
                top = tree.CreateFolder(FoodTree::kRoot, first);
            qint64 sub = tree.FindSubFolder(first, second);
            if (sub < 0)
                sub = tree.CreateFolder(static_cast<quint32>(top), second);
            folder = static_cast<quint32>(sub);
            previousFirst = first;
            previousSecond = second;
        }

        const quint32 foodId = static_cast<quint32>(id);
        if (foods.FindId(foodId) && foods.Load()) {
            ++result.updated;
        } else {
            foods.NewRecord(foodId);
            foods.Load();
            ++result.added;
        }
        FoodRecord& r = foods.Buffer();
        r.folderId = folder;
        r.name = name;
        for (int n = 0; n < kNutrientCount; ++n)
            r.values.amounts[n] = CCsvFile::NumberOf(line[4 + n]) * (100.0 / reference);
        r.referenceWeight = reference;
        for (RecordOid o = measures.FirstOfFood(foodId); o; o = measures.FirstOfFood(foodId))
            measures.DeleteCurrent();
        r.defaultServingId = 0;
        for (int s = 0; s < 10; ++s) {
            const QString description = CCsvFile::TextOf(line[17 + 2 * s]);
            if (description.isEmpty() || description == QLatin1String("0"))
                continue;
            const quint32 servingId = measures.NewRecord(foodId);
            measures.Buffer().description = description;
            measures.Buffer().weight = CCsvFile::NumberOf(line[18 + 2 * s]);
            measures.Save();
            if (r.defaultServingId == 0)
                r.defaultServingId = servingId;
        }
        foods.FindId(foodId);
        foods.Save();
        ++result.foods;
    }
    batch.Commit();
    return result;
}
