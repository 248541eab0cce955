#include "RecordStore.h"

#include "platform/PropCodec.h"
#include "platform/RecordStoreSql.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstring>

using StoreSql::BindProp;
using StoreSql::kSlotColumns;

namespace {

QString SortsToText(const std::vector<SortOrder>& sorts)
{
    QStringList parts;
    for (const SortOrder& s : sorts)
        parts << QStringLiteral("%1:%2:%3").arg(s.propId).arg(static_cast<int>(s.type)).arg(s.flags);
    return parts.join(QLatin1Char(','));
}

bool SortsFromText(const QString& text, std::array<SortOrder, 4>* sorts, int* count)
{
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > kSlotColumns)
        return false;
    for (int i = 0; i < parts.size(); ++i) {
        const QStringList f = parts[i].split(QLatin1Char(':'));
        if (f.size() != 3 || !IsValidPropTypeTag(f[1].toInt()))
            return false;
        (*sorts)[i] = SortOrder{static_cast<quint16>(f[0].toUInt()), static_cast<PropType>(f[1].toInt()),
                                f[2].toUInt()};
    }
    *count = static_cast<int>(parts.size());
    return true;
}

// What a failed SQLite call means to the user, and what to do about it.
QString FailureReason(int code)
{
    switch (code & 0xff) {
    case SQLITE_FULL:
        return QCoreApplication::translate("RecordStore",
                                           "the disk is full. Free some disk space, then try again");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QCoreApplication::translate(
            "RecordStore", "the file or its folder cannot be written. Make both writable for your user, "
                           "then try again");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QCoreApplication::translate(
            "RecordStore", "the file is damaged. Run \"vellamo-cli check\", and restore your last "
                           "backup if it finds damage");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QCoreApplication::translate(
            "RecordStore", "another program kept it locked. Close the other program, then try again");
    case SQLITE_NOMEM:
        return QCoreApplication::translate(
            "RecordStore", "there was not enough memory. Close other programs, then try again");
    case SQLITE_CANTOPEN:
        return QCoreApplication::translate(
            "RecordStore", "the file or its log cannot be opened. Check that its folder exists and is "
                           "writable, then try again");
    default:
        return QCoreApplication::translate("RecordStore",
                                           "the disk reported an error. Check the disk, then try again");
    }
}

} // namespace

// ---- statements ------------------------------------------------------------------------------

bool RecordStore::Exec(const char* sql)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    // A rollback after SQLite already rolled back on its own fails harmlessly.
    if (rc != SQLITE_OK && std::strcmp(sql, "ROLLBACK") != 0)
        NoteFailure(rc, true);
    return rc == SQLITE_OK;
}

int RecordStore::Run(sqlite3_stmt* st)
{
    const int rc = sqlite3_step(st);
    // A constraint is a refused write (a database name taken), not a failure of the file.
    if (rc != SQLITE_ROW && rc != SQLITE_DONE && (rc & 0xff) != SQLITE_CONSTRAINT)
        NoteFailure(rc, !sqlite3_stmt_readonly(st));
    return rc;
}

void RecordStore::NoteFailure(int code, bool writing)
{
    // Whatever the batch did so far may be gone with the failed statement: it must not commit.
    if (m_batchDepth > 0)
        m_batchFailed = true;
    if (!writing)
        m_readFailed = true;
    if (m_failureCode != 0)
        return;
    m_failureCode = code;
    m_failureWriting = writing;
    m_failureDetail = QString::fromUtf8(sqlite3_errstr(code));
    if (m_onFailure)
        m_onFailure(FailureText());
}

QString RecordStore::FailureText() const
{
    if (m_failureCode == 0)
        return QString();
    const QString what =
        m_failureWriting
            ? QCoreApplication::translate("RecordStore", "Vellamo could not write to its data file \"%1\"")
            : QCoreApplication::translate("RecordStore", "Vellamo could not read its data file \"%1\"");
    return what.arg(m_path) + QStringLiteral(": ") + FailureReason(m_failureCode) +
           QStringLiteral(". (SQLite: %1)").arg(m_failureDetail);
}

void RecordStore::ClearFailure()
{
    m_failureCode = 0;
    m_failureWriting = false;
    m_readFailed = false;
    m_failureDetail.clear();
}

qint64 RecordStore::DataVersion()
{
    Sql q(*this, "PRAGMA data_version");
    return q.Row() ? q.Int(0) : -1;
}

qint64 RecordStore::ChangeCount()
{
    // Both only grow: rows changed on this connection (rolled back or not), commits of others.
    return sqlite3_total_changes64(m_db) + DataVersion();
}

bool RecordStore::CanWrite(QString* message)
{
    auto refuse = [&](int code) {
        if (message)
            *message =
                QCoreApplication::translate("RecordStore", "Vellamo cannot change its data file \"%1\": %2.")
                    .arg(m_path, FailureReason(code));
        return false;
    };
    if (sqlite3_db_readonly(m_db, "main") == 1)
        return refuse(SQLITE_READONLY);
    const QString folder = QFileInfo(m_path).absolutePath();
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        return refuse(SQLITE_READONLY);
    if (m_batchDepth > 0)
        return true;
    // Taking the write lock touches the log the way a real change does, and writes nothing.
    const int rc = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return refuse(rc);
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    return true;
}

sqlite3_stmt* RecordStore::Prepare(std::string_view sql)
{
    auto it = m_plain.find(sql);
    if (it != m_plain.end())
        return it->second;
    sqlite3_stmt* st = nullptr;
    if (const int rc = sqlite3_prepare_v3(m_db, sql.data(), static_cast<int>(sql.size()),
                                          SQLITE_PREPARE_PERSISTENT, &st, nullptr);
        rc != SQLITE_OK) {
        NoteFailure(rc, false);
        return nullptr;
    }
    m_plain.emplace(std::string(sql), st);
    return st;
}

// ---- databases -------------------------------------------------------------------------------

bool RecordStore::CreateDb(const QString& name, quint32 typeId, const std::vector<SortOrder>& sorts)
{
    Forget();
    if (name.isEmpty() || sorts.empty() || sorts.size() > kSlotColumns)
        return false;
    Sql q(*this, "INSERT INTO dbs(name, type_id, sorts) VALUES (?1, ?2, ?3)");
    return q.Bind(1, name).Bind(2, typeId).Bind(3, SortsToText(sorts)).Done();
}

bool RecordStore::OpenDb(DbHandle& h, const QString& name, quint16 sortProp)
{
    Forget();
    h = DbHandle();
    Sql q(*this, "SELECT id, name, sorts FROM dbs WHERE name = ?1");
    if (!q.Bind(1, name).Row())
        return false;
    DbHandle opened;
    opened.m_dbId = q.Int(0);
    opened.m_name = q.Text(1);
    if (!SortsFromText(q.Text(2), &opened.m_sorts, &opened.m_sortCount))
        return false;
    if (sortProp != 0) {
        opened.m_slot = -1;
        for (int i = 0; i < opened.m_sortCount; ++i) {
            if (opened.m_sorts[i].propId == sortProp) {
                opened.m_slot = i;
                break;
            }
        }
        if (opened.m_slot < 0)
            return false;
    }
    h = opened;
    return true;
}

void RecordStore::CloseDb(DbHandle& h)
{
    Forget();
    h = DbHandle();
}

bool RecordStore::DropDb(DbHandle& h)
{
    Forget();
    if (!h.IsOpen())
        return false;
    bool began = false;
    if (!BeginWrite(&began))
        return false;
    const bool ok = Sql(*this, "DELETE FROM records WHERE db = ?1").Bind(1, h.m_dbId).Done() &&
                    Sql(*this, "DELETE FROM dbs WHERE id = ?1").Bind(1, h.m_dbId).Changed(1);
    const bool done = EndWrite(began, ok);
    CloseDb(h);
    return done;
}

bool RecordStore::DeleteAllRecords(DbHandle& h)
{
    Forget();
    if (!h.IsOpen())
        return false;
    h.m_hasCursor = false;
    h.m_endOfData = false;
    return Sql(*this, "DELETE FROM records WHERE db = ?1").Bind(1, h.m_dbId).Done();
}

bool RecordStore::GatherRecords(DbHandle& h)
{
    Forget();
    if (!h.IsOpen())
        return false;
    qint64 count = 0;
    qint64 last = 0;
    // Close enough when no more than as many other records lie among them.
    const auto spread = [&] {
        Sql q(*this, "SELECT count(*), min(oid), max(oid) FROM records WHERE db = ?1");
        if (!q.Bind(1, h.m_dbId).Row())
            return false;
        count = q.Int(0);
        last = q.Int(2);
        return count > 0 && last - q.Int(1) + 1 > 2 * count;
    };
    if (!spread())
        return false;
    bool began = false;
    if (!BeginWrite(&began))
        return false;
    // Read again under the write lock, then copied to the end of the file and the old rows gone.
    const bool ok = spread() &&
                    Sql(*this, "INSERT INTO records(db, k1, k2, k3, k4, props) SELECT db, k1, k2, k3, k4, "
                               "props FROM records WHERE db = ?1 ORDER BY oid")
                        .Bind(1, h.m_dbId)
                        .Done() &&
                    Sql(*this, "DELETE FROM records WHERE db = ?1 AND oid <= ?2")
                        .Bind(1, h.m_dbId)
                        .Bind(2, last)
                        .Changed(count);
    if (ok) {
        h.m_hasCursor = false;
        h.m_endOfData = false;
    }
    return EndWrite(began, ok);
}

bool RecordStore::AnyRecordHolds(DbHandle& h, const PropVal& value)
{
    Forget();
    if (!h.IsOpen())
        return false;
    const QByteArray bytes = PropCodec::Encode({value});
    Sql q(*this, "SELECT props FROM records WHERE db = ?1 AND instr(props, ?2) > 0");
    q.Bind(1, h.m_dbId).BindBytes(2, bytes);
    std::vector<PropVal> props;
    while (q.Row()) {
        // The bytes may also lie across two properties: the record says.
        if (PropCodec::Decode(sqlite3_column_blob(q.Get(), 0), sqlite3_column_bytes(q.Get(), 0), &props) &&
            std::find(props.begin(), props.end(), value) != props.end())
            return true;
    }
    return false;
}

quint32 RecordStore::CountRecords(const DbHandle& h)
{
    Forget();
    if (!h.IsOpen())
        return 0;
    Sql q(*this, "SELECT count(*) FROM records WHERE db = ?1");
    return q.Bind(1, h.m_dbId).Row() ? static_cast<quint32>(q.Int(0)) : 0;
}

bool RecordStore::IsEmpty(const DbHandle& h)
{
    Forget();
    if (!h.IsOpen())
        return true;
    Sql q(*this, "SELECT EXISTS(SELECT 1 FROM records WHERE db = ?1)");
    return !q.Bind(1, h.m_dbId).Row() || q.Int(0) == 0;
}

// ---- reading and writing ---------------------------------------------------------------------

bool RecordStore::FetchProps(const DbHandle& h, RecordOid oid, std::vector<PropVal>* out)
{
    Sql q(*this, "SELECT props FROM records WHERE oid = ?1 AND db = ?2");
    return q.Bind(1, oid).Bind(2, h.m_dbId).Row() &&
           PropCodec::Decode(sqlite3_column_blob(q.Get(), 0), sqlite3_column_bytes(q.Get(), 0), out);
}

bool RecordStore::ReadProps(const DbHandle& h, std::vector<PropVal>* out, const std::vector<quint16>* ids)
{
    out->clear();
    const RecordOid oid = CurrentRecord(h);
    const bool prefetched =
        oid != 0 && m_prefetch.handle == &h && m_prefetch.dbId == h.m_dbId && m_prefetch.oid == oid;
    bool ok = false;
    if (prefetched)
        ok = PropCodec::Decode(m_prefetch.props.constData(), static_cast<int>(m_prefetch.props.size()), out);
    else
        ok = oid != 0 && FetchProps(h, oid, out);
    Forget();
    if (!ok)
        return false;
    if (ids) {
        std::vector<PropVal> picked;
        for (const PropVal& p : *out) {
            if (std::find(ids->begin(), ids->end(), p.Id()) != ids->end())
                picked.push_back(p);
        }
        out->swap(picked);
    }
    return true;
}

bool RecordStore::BeginWrite(bool* began)
{
    *began = false;
    if (m_batchDepth > 0)
        return !m_batchFailed;
    if (!Exec("BEGIN IMMEDIATE"))
        return false;
    *began = true;
    return true;
}

bool RecordStore::EndWrite(bool began, bool ok)
{
    if (!began)
        return ok;
    if (ok && Exec("COMMIT"))
        return true;
    Exec("ROLLBACK");
    return false;
}

namespace {

// Merges a property list into a record: existing ids are updated in place, new ones appended.
void Merge(std::vector<PropVal>& record, const std::vector<PropVal>& props)
{
    for (const PropVal& p : props) {
        auto it =
            std::find_if(record.begin(), record.end(), [&](const PropVal& r) { return r.Id() == p.Id(); });
        if (it != record.end())
            *it = p;
        else
            record.push_back(p);
    }
}

bool IdsUnique(const std::vector<PropVal>& props)
{
    // A table's list almost always has ids whose low bits differ, which answers at once.
    quint64 seen = 0;
    bool clash = false;
    for (const PropVal& p : props) {
        const quint64 bit = quint64{1} << (p.Id() & 63);
        clash = clash || (seen & bit) != 0;
        seen |= bit;
    }
    if (!clash)
        return true;
    for (size_t i = 1; i < props.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (props[i].Id() == props[j].Id())
                return false;
        }
    }
    return true;
}

} // namespace

// Writes the encoded record and its sort keys; oid 0 inserts a new record.
bool RecordStore::StoreProps(DbHandle& h, RecordOid oid, const std::vector<PropVal>& props)
{
    Sql write(*this, oid == 0
                         ? "INSERT INTO records(db, k1, k2, k3, k4, props) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"
                         : "UPDATE records SET k1 = ?2, k2 = ?3, k3 = ?4, k4 = ?5, props = ?6 "
                           "WHERE db = ?1 AND oid = ?7");
    if (!write)
        return false;
    sqlite3_stmt* st = write.Get();
    write.Bind(1, h.m_dbId);
    for (int slot = 0; slot < kSlotColumns; ++slot) {
        sqlite3_bind_null(st, 2 + slot);
        if (slot >= h.m_sortCount)
            continue;
        for (const PropVal& p : props) {
            if (p.Id() == h.m_sorts[slot].propId && p.Type() == h.m_sorts[slot].type) {
                BindProp(st, 2 + slot, p);
                break;
            }
        }
    }
    PropCodec::EncodeInto(props, &m_encoded);
    write.BindBytes(6, m_encoded);
    if (oid != 0)
        write.Bind(7, oid);
    const bool ok = write.Changed(1);
    if (m_encoded.capacity() > 64 * 1024)
        m_encoded = QByteArray(); // a picture's room is not kept
    return ok;
}

RecordOid RecordStore::WriteProps(DbHandle& h, WriteTarget target, const std::vector<PropVal>& props)
{
    Forget();
    if (!h.IsOpen() || props.empty())
        return 0;
    if (target == WriteTarget::New) {
        // A property id at most once; a table's own list, the usual case, is used as it is.
        std::vector<PropVal> merged;
        if (!IdsUnique(props)) {
            merged.reserve(props.size());
            Merge(merged, props);
        }
        bool began = false;
        if (!BeginWrite(&began))
            return 0;
        const bool ok = StoreProps(h, 0, merged.empty() ? props : merged);
        const RecordOid oid = ok ? static_cast<RecordOid>(sqlite3_last_insert_rowid(m_db)) : 0;
        return EndWrite(began, ok) ? oid : 0;
    }
    const RecordOid oid = CurrentRecord(h);
    if (oid == 0)
        return 0;
    bool began = false;
    if (!BeginWrite(&began))
        return 0;
    std::vector<PropVal> record;
    bool ok = FetchProps(h, oid, &record);
    if (ok) {
        Merge(record, props);
        ok = StoreProps(h, oid, record);
    }
    if (!EndWrite(began, ok))
        return 0;
    GoToRecord(h, oid); // the sort key may have changed
    return oid;
}

bool RecordStore::RemoveProps(DbHandle& h, const std::vector<PropKey>& props)
{
    Forget();
    const RecordOid oid = CurrentRecord(h);
    if (oid == 0 || props.empty())
        return false;
    bool began = false;
    if (!BeginWrite(&began))
        return false;
    std::vector<PropVal> record;
    bool ok = FetchProps(h, oid, &record);
    if (ok) {
        const auto end = std::remove_if(record.begin(), record.end(), [&](const PropVal& r) {
            return std::any_of(props.begin(), props.end(),
                               [&](const PropKey& k) { return k.id == r.Id() && k.type == r.Type(); });
        });
        ok = end != record.end();
        record.erase(end, record.end());
        ok = ok && StoreProps(h, oid, record);
    }
    ok = EndWrite(began, ok);
    if (ok)
        GoToRecord(h, oid);
    return ok;
}

bool RecordStore::RemoveRecord(DbHandle& h, RecordOid oid)
{
    Forget();
    if (!h.IsOpen() || oid == 0)
        return false;
    return Sql(*this, "DELETE FROM records WHERE oid = ?1 AND db = ?2")
        .Bind(1, oid)
        .Bind(2, h.m_dbId)
        .Changed(1);
}

// ---- batches ---------------------------------------------------------------------------------

RecordStore::Batch::Batch(RecordStore& store) : m_store(&store)
{
    m_store->Forget();
    if (m_store->m_batchDepth++ == 0) {
        m_store->m_batchFailed = !m_store->Exec("BEGIN IMMEDIATE");
    }
}

RecordStore::Batch::~Batch()
{
    Commit();
}

void RecordStore::Batch::Abandon()
{
    if (m_active)
        m_store->m_batchFailed = true;
}

bool RecordStore::Batch::Commit()
{
    if (!m_active)
        return m_ok;
    m_active = false;
    m_store->Forget();
    const bool outer = --m_store->m_batchDepth == 0;
    if (!outer) {
        m_ok = !m_store->m_batchFailed;
        return m_ok;
    }
    if (m_store->m_batchFailed) {
        m_store->Exec("ROLLBACK");
        m_ok = false;
    } else if (!m_store->Exec("COMMIT")) {
        m_store->Exec("ROLLBACK");
        m_ok = false;
    }
    m_store->m_batchFailed = false;
    return m_ok;
}

RecordStore::Snapshot::Snapshot(RecordStore& store) : m_store(&store)
{
    if (m_store->m_batchDepth == 0)
        m_began = m_store->Exec("BEGIN");
    if (m_began)
        ++m_store->m_batchDepth;
}

RecordStore::Snapshot::~Snapshot()
{
    if (!m_began)
        return;
    --m_store->m_batchDepth;
    m_store->Forget();
    if (m_store->m_batchFailed || !m_store->Exec("COMMIT"))
        m_store->Exec("ROLLBACK");
    m_store->m_batchFailed = false;
}
