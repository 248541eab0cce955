#pragma once

#include "platform/DbHandle.h"
#include "platform/PropVal.h"
#include "platform/RecordOid.h"
#include "platform/SortOrder.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The record databases (ZELFood ... RVLZEL_EXCHANGE) in one SQLite file. Records keep their
// properties in the order written; every operation goes to the file, so a record written by one
// handle or process is seen by every other at its next call. An operation that fails returns
// 0 / false and changes nothing; the store also keeps the first failure since it was last
// cleared (a full disk, a read-only file, a damaged page) so that a command can tell the user
// instead of reporting work as done that never reached the disk.
class RecordStore
{
public:
    enum class OpenError
    {
        None,
        CannotCreate, // the file could not be created
        NotAStore,    // not a SQLite file, or too short to be one
        ForeignStore, // a SQLite file of another program
        Damaged,      // our store, but its structure check failed
        NewerVersion, // written by a later version with another layout
        Locked,       // another program holds it locked
        CannotOpen,   // permissions or other I/O failure
    };

    enum class WriteTarget
    {
        New,
        Current,
    };

    struct PropKey
    {
        quint16 id;
        PropType type;
    };

    // Opens the store at path, creating an empty one (mode 0600) when the file does not exist.
    // A file that is not a readable store of this program is never written to.
    static std::unique_ptr<RecordStore> Open(const QString& path, OpenError* error, QString* message);
    // The user-facing text for an open failure, naming the file.
    static QString DescribeOpenError(OpenError error, const QString& path, const QString& detail);

    ~RecordStore();
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    const QString& Path() const { return m_path; }

    // Reads every page of the store; false with SQLite's finding when one is damaged.
    bool CheckPages(QString* finding);

    // Whether a change can be written: false with a message naming the file and the reason when
    // the file, its folder or the disk refuses a write (nothing is changed by the probe).
    bool CanWrite(QString* message);

    // The first failure met since ClearFailure(): SQLite refused a read or a write for a reason
    // other than a record not being there.
    bool HasFailed() const { return m_failureCode != 0; }
    // Whether a read failed since ClearFailure() (a writing failure may have come first).
    bool HasReadFailure() const { return m_readFailed; }
    // The failure in the program's words, naming the file and saying what to do.
    QString FailureText() const;
    void ClearFailure();
    // Called once at the first failure after a clear, e.g. to show a message.
    void SetFailureListener(std::function<void(const QString&)> listener)
    {
        m_onFailure = std::move(listener);
    }
    // A number that changes whenever another connection (another process) commits a change.
    qint64 DataVersion();
    // A number that changes whenever a record changes, written here or by another connection:
    // what a cache of records compares to know it is still right.
    qint64 ChangeCount();

    bool CreateDb(const QString& name, quint32 typeId, const std::vector<SortOrder>& sorts);
    // sortProp 0 opens in store order.
    bool OpenDb(DbHandle& h, const QString& name, quint16 sortProp);
    void CloseDb(DbHandle& h);
    bool DropDb(DbHandle& h);
    // Deletes every record of the handle's database; the database and every handle on it stay.
    bool DeleteAllRecords(DbHandle& h);
    quint32 CountRecords(const DbHandle& h);
    // Writes the database's records again, in the same order, side by side at the end of the
    // file, when they lie spread among other databases' records: a walk over them then reads a
    // few pages instead of most of the file. True when they were moved. Cursors on the
    // database are lost.
    bool GatherRecords(DbHandle& h);
    // Whether a record of the database holds the property with that value, on any property,
    // sort key or not: the records' bytes are searched, and only those that hold the value's
    // bytes are read.
    bool AnyRecordHolds(DbHandle& h, const PropVal& value);
    bool IsEmpty(const DbHandle& h);

    RecordOid GoToIndex(DbHandle& h, quint32 n, bool fromEnd);
    RecordOid GoToRecord(DbHandle& h, RecordOid oid);
    RecordOid GoNext(DbHandle& h);
    RecordOid GoPrevious(DbHandle& h);
    RecordOid CurrentRecord(const DbHandle& h) const;
    RecordOid FindFirstEqual(DbHandle& h, const PropVal& value);
    RecordOid FindNextEqual(DbHandle& h, const PropVal& value);
    // Every record of the handle's database in its order, in one pass that leaves the cursor
    // alone; the visitor returns false to stop. For checks that read a whole table.
    void ForEachRecord(DbHandle& h, const std::function<bool(const std::vector<PropVal>&)>& visit);
    // The same for the records with a property of this value (all of them in one pass when a
    // sort order covers the property).
    void ForEachEqual(DbHandle& h, const PropVal& value,
                      const std::function<bool(const std::vector<PropVal>&)>& visit);

    // All properties of the current record, or those of ids that exist.
    bool ReadProps(const DbHandle& h, std::vector<PropVal>* out, const std::vector<quint16>* ids = nullptr);
    RecordOid WriteProps(DbHandle& h, WriteTarget target, const std::vector<PropVal>& props);
    bool RemoveProps(DbHandle& h, const std::vector<PropKey>& props);
    bool RemoveRecord(DbHandle& h, RecordOid oid);

    // Groups the writes of its lifetime in one transaction. Nested batches join the outer one;
    // Abandon() rolls the whole outer batch back when it ends.
    class Batch
    {
    public:
        explicit Batch(RecordStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Ends the batch now; false when the outer commit failed or the batch was abandoned.
        bool Commit();
        void Abandon();

    private:
        RecordStore* m_store;
        bool m_active = true;
        bool m_ok = true;
    };

    // Reads of its lifetime see one state of the file and take its lock once: for work that
    // reads many records and writes none. Inside a batch it joins the batch.
    class Snapshot
    {
    public:
        explicit Snapshot(RecordStore& store);
        ~Snapshot();
        Snapshot(const Snapshot&) = delete;
        Snapshot& operator=(const Snapshot&) = delete;

    private:
        RecordStore* m_store;
        bool m_began = false;
    };

private:
    explicit RecordStore(const QString& path, sqlite3* db);

    enum class Query : int
    {
        First,          // ORDER BY order ASC LIMIT 1 OFFSET ?
        Last,           // ORDER BY order DESC LIMIT 1 OFFSET ?
        After,          // next after (key, oid)
        AfterFromNull,  // next after (NULL, oid): NULL keys with higher oid
        FirstNonNull,   // first record whose key is not NULL
        Before,         // previous before (key, oid)
        BeforeNullTail, // last NULL-key record below oid
        LastNull,       // last NULL-key record (used after Before finds nothing non-null)
        KeyOf,          // key of a record
        FindFirst,      // first with k(find) = ?
        FindAfter,      // next after (key, oid) with k(find) = ?
        FindAfterFromNull,
        FindFirstNonNull,
        FindAll,  // every record with k(find) = ?, in order
        ScanFrom, // records in order from the start, with props
        ScanAfter,
        ScanAfterFromNull,
        ScanFirstNonNull,
    };

    class Sql;
    sqlite3_stmt* Statement(Query q, int slot, int findSlot = -1);
    sqlite3_stmt* Prepare(std::string_view sql);
    bool Exec(const char* sql);
    // sqlite3_step, noting a failure that is not the normal end of a query.
    int Run(sqlite3_stmt* st);
    void NoteFailure(int code, bool writing);
    bool BeginWrite(bool* began);
    bool EndWrite(bool began, bool ok);
    RecordOid Move(DbHandle& h, Sql& q);
    RecordOid Land(DbHandle& h, sqlite3_stmt* st);
    RecordOid Step(DbHandle& h, Query q);
    void Prefetch(const DbHandle& h, sqlite3_stmt* st);
    void Forget() { m_prefetch.handle = nullptr; }
    RecordOid FindEqual(DbHandle& h, const PropVal& value, bool first);
    RecordOid ScanEqual(DbHandle& h, const PropVal& value, bool first);
    void BindKey(sqlite3_stmt* st, int index, const DbHandle& h) const;
    int SlotOf(const DbHandle& h, quint16 propId, PropType type) const;
    bool FetchProps(const DbHandle& h, RecordOid oid, std::vector<PropVal>* out);
    bool StoreProps(DbHandle& h, RecordOid oid, const std::vector<PropVal>& props);

    QString m_path;
    sqlite3* m_db = nullptr;
    std::unordered_map<int, sqlite3_stmt*> m_statements;
    // Looked up by the text without copying it: a write looks its statement up every time.
    struct TextHash
    {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, sqlite3_stmt*, TextHash, std::equal_to<>> m_plain;
    // The record the last move landed on, valid only for a ReadProps that comes straight after
    // it on the same handle: every other operation forgets it.
    struct
    {
        const DbHandle* handle = nullptr;
        qint64 dbId = 0;
        RecordOid oid = 0;
        QByteArray props;
    } m_prefetch;
    // The bytes of the record being written; its room serves the next write.
    QByteArray m_encoded;
    int m_batchDepth = 0;
    bool m_batchFailed = false;
    int m_failureCode = 0;
    bool m_failureWriting = false;
    bool m_readFailed = false;
    QString m_failureDetail;
    std::function<void(const QString&)> m_onFailure;
};
