#pragma once

#include <QString>

class DataFolders;
class IMessageBox;
class IWaitCursor;
class RecordStore;

// The import of a nutrient database file: 37 columns, a header line, one food per line with its
// folders, values for its reference weight and up to ten serving sizes.
class NutrientImport
{
public:
    static constexpr int kColumns = 37;

    struct Result
    {
        bool opened = false;
        int foods = 0;      // foods written
        int added = 0;      // of them new
        int updated = 0;    // of them already there
        int skipped = 0;    // lines without a name, an id or a reference weight
        bool stored = true; // false when the store refused the import: none of it was kept
        QString error;      // why the import stopped before the end of the file, naming the line
    };

    NutrientImport(RecordStore& store, IMessageBox* messages, IWaitCursor* waitCursor);

    // Foods already there with an id of the file are updated in place, keeping their components.
    // Lines with id 0 or reference weight 0 are skipped and counted. The foods before a bad line stay.
    Result ImportNutrientFile(const QString& path, bool defaultDatabase);
    // Empties the four databases of the nutrient database.
    bool RecreateNutrientDatabases();
    // The default database: emptied and imported from the documents folder's Vellamo/Vellamo.csv.
    Result ImportDefaultDatabase(const DataFolders& folders);

private:
    RecordStore& m_store;
    IMessageBox* m_messages;
    IWaitCursor* m_waitCursor;
};
