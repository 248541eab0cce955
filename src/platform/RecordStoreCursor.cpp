// The cursors of a store's handles: moving in a sort order, finding by value, walking records.
#include "RecordStore.h"

#include "platform/PropCodec.h"
#include "platform/RecordStoreSql.h"

#include <string>

using StoreSql::BindProp;
using StoreSql::kSlotColumns;

namespace {

// The statement of a walk over records: the cached one, or, when a walk of the same kind is
// already stepping it (a walk inside a walk), one of its own for as long as the walk lasts.
class WalkStatement
{
public:
    WalkStatement(sqlite3* db, sqlite3_stmt* cached) : m_st(cached)
    {
        if (m_st && sqlite3_stmt_busy(m_st)) {
            m_st = nullptr;
            if (sqlite3_prepare_v2(db, sqlite3_sql(cached), -1, &m_st, nullptr) == SQLITE_OK)
                m_own = true;
        }
    }
    ~WalkStatement()
    {
        if (m_own)
            sqlite3_finalize(m_st);
        else if (m_st)
            sqlite3_reset(m_st);
    }
    WalkStatement(const WalkStatement&) = delete;
    WalkStatement& operator=(const WalkStatement&) = delete;
    sqlite3_stmt* Get() const { return m_st; }

private:
    sqlite3_stmt* m_st;
    bool m_own = false;
};

std::string Column(int slot)
{
    return slot < 0 ? std::string("NULL") : "k" + std::to_string(slot + 1);
}

std::string Order(int slot, bool desc)
{
    const char* dir = desc ? " DESC" : "";
    if (slot < 0)
        return std::string("oid") + dir;
    return Column(slot) + dir + ", oid" + dir;
}

} // namespace

// Parameters: ?1 database, ?2 cursor key, ?3 cursor record, ?4 value looked for.
sqlite3_stmt* RecordStore::Statement(Query q, int slot, int findSlot)
{
    const int cacheKey = static_cast<int>(q) * 100 + (slot + 1) * 10 + (findSlot + 1);
    auto it = m_statements.find(cacheKey);
    if (it != m_statements.end())
        return it->second;

    const std::string c = Column(slot);
    const std::string head = "SELECT oid, " + c + ", props";
    const std::string asc = " ORDER BY " + Order(slot, false) + " LIMIT 1";
    const std::string desc = " ORDER BY " + Order(slot, true) + " LIMIT 1";
    const std::string find = findSlot >= 0 ? " AND " + Column(findSlot) + " = ?4" : std::string();
    const std::string after = slot < 0 ? " AND oid > ?3" : " AND (" + c + ", oid) > (?2, ?3)";
    const std::string afterNull = " AND " + c + " IS NULL AND oid > ?3";
    const std::string nonNull = " AND " + c + " IS NOT NULL";
    const std::string scanHead = head + " FROM records WHERE db = ?1";
    // Looking for a value of another sort property: walk that property's index and sort the few
    // hits, rather than walk the handle's whole order. On the handle's own property the hits
    // are all after the cursor, all before it, or those of its key after its record.
    const bool otherIndex = findSlot >= 0 && findSlot != slot;
    const std::string findFrom = otherIndex
                                     ? " FROM records INDEXED BY records_k" + std::to_string(findSlot + 1)
                                     : std::string(" FROM records");
    const std::string findAfter =
        findSlot == slot && slot >= 0 ? " AND (?4 > ?2 OR (?4 = ?2 AND oid > ?3))" : after;
    const std::string scanOrder = " ORDER BY " + Order(slot, false);

    std::string sql;
    switch (q) {
    case Query::First:
        sql = head + " FROM records WHERE db = ?1" + asc + " OFFSET ?5";
        break;
    case Query::Last:
        sql = head + " FROM records WHERE db = ?1" + desc + " OFFSET ?5";
        break;
    case Query::After:
        sql = head + " FROM records WHERE db = ?1" + after + asc;
        break;
    case Query::AfterFromNull:
        sql = head + " FROM records WHERE db = ?1" + afterNull + asc;
        break;
    case Query::FirstNonNull:
        sql = head + " FROM records WHERE db = ?1" + nonNull + asc;
        break;
    case Query::Before:
        sql = head + " FROM records WHERE db = ?1 AND (" + c + ", oid) < (?2, ?3)" + desc;
        break;
    case Query::BeforeNullTail:
        sql = head + " FROM records WHERE db = ?1 AND " + c + " IS NULL AND oid < ?3" + desc;
        break;
    case Query::LastNull:
        sql = head + " FROM records WHERE db = ?1 AND " + c + " IS NULL" + desc;
        break;
    case Query::KeyOf:
        sql = head + " FROM records WHERE db = ?1 AND oid = ?3";
        break;
    case Query::FindFirst:
        sql = head + findFrom + " WHERE db = ?1" + find + asc;
        break;
    case Query::FindAfter:
        sql = head + findFrom + " WHERE db = ?1" + findAfter + find + asc;
        break;
    case Query::FindAfterFromNull:
        sql = head + findFrom + " WHERE db = ?1" + afterNull + find + asc;
        break;
    case Query::FindFirstNonNull:
        sql = head + findFrom + " WHERE db = ?1" + nonNull + find + asc;
        break;
    case Query::FindAll:
        sql = head + findFrom + " WHERE db = ?1" + find + scanOrder;
        break;
    case Query::ScanFrom:
        sql = scanHead + scanOrder;
        break;
    case Query::ScanAfter:
        sql = scanHead + after + scanOrder;
        break;
    case Query::ScanAfterFromNull:
        sql = scanHead + afterNull + scanOrder;
        break;
    case Query::ScanFirstNonNull:
        sql = scanHead + nonNull + scanOrder;
        break;
    }
    sqlite3_stmt* st = nullptr;
    if (const int rc = sqlite3_prepare_v3(m_db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &st, nullptr);
        rc != SQLITE_OK) {
        NoteFailure(rc, false);
        return nullptr;
    }
    m_statements.emplace(cacheKey, st);
    return st;
}

void RecordStore::BindKey(sqlite3_stmt* st, int index, const DbHandle& h) const
{
    const DbHandle::Key& k = h.m_key;
    switch (k.kind) {
    case DbHandle::Key::Kind::Null:
        sqlite3_bind_null(st, index);
        break;
    case DbHandle::Key::Kind::Int:
        sqlite3_bind_int64(st, index, k.i);
        break;
    case DbHandle::Key::Kind::Real:
        sqlite3_bind_double(st, index, k.r);
        break;
    case DbHandle::Key::Kind::Text:
        sqlite3_bind_text16(st, index, k.text.utf16(), static_cast<int>(k.text.size() * 2), SQLITE_TRANSIENT);
        break;
    case DbHandle::Key::Kind::Blob:
        sqlite3_bind_blob(st, index, k.blob.constData(), static_cast<int>(k.blob.size()), SQLITE_TRANSIENT);
        break;
    }
}

namespace {

DbHandle::Key KeyFromColumn(sqlite3_stmt* st, int col)
{
    DbHandle::Key k;
    switch (sqlite3_column_type(st, col)) {
    case SQLITE_INTEGER:
        k.kind = DbHandle::Key::Kind::Int;
        k.i = sqlite3_column_int64(st, col);
        break;
    case SQLITE_FLOAT:
        k.kind = DbHandle::Key::Kind::Real;
        k.r = sqlite3_column_double(st, col);
        break;
    case SQLITE_TEXT:
        k.kind = DbHandle::Key::Kind::Text;
        k.text = QString::fromUtf16(static_cast<const char16_t*>(sqlite3_column_text16(st, col)),
                                    sqlite3_column_bytes16(st, col) / 2);
        break;
    case SQLITE_BLOB:
        k.kind = DbHandle::Key::Kind::Blob;
        k.blob =
            QByteArray(static_cast<const char*>(sqlite3_column_blob(st, col)), sqlite3_column_bytes(st, col));
        break;
    default:
        break;
    }
    return k;
}

} // namespace

// Steps a bound positioning statement; on a hit the cursor moves there.
RecordOid RecordStore::Move(DbHandle& h, Sql& q)
{
    return q.Row() ? Land(h, q.Get()) : 0;
}

// The cursor moves to the row the statement stands on: oid, key and properties.
RecordOid RecordStore::Land(DbHandle& h, sqlite3_stmt* st)
{
    h.m_oid = static_cast<RecordOid>(sqlite3_column_int64(st, 0));
    h.m_key = KeyFromColumn(st, 1);
    h.m_hasCursor = true;
    h.m_endOfData = false;
    Prefetch(h, st);
    return h.m_oid;
}

// Keeps the record a move landed on, so that a read that follows at once needs no second query.
void RecordStore::Prefetch(const DbHandle& h, sqlite3_stmt* st)
{
    m_prefetch.handle = &h;
    m_prefetch.dbId = h.m_dbId;
    m_prefetch.oid = h.m_oid;
    m_prefetch.props =
        QByteArray(static_cast<const char*>(sqlite3_column_blob(st, 2)), sqlite3_column_bytes(st, 2));
}

// ---- moving ----------------------------------------------------------------------------------

RecordOid RecordStore::GoToIndex(DbHandle& h, quint32 n, bool fromEnd)
{
    Forget();
    if (!h.IsOpen())
        return 0;
    Sql q(*this, Statement(fromEnd ? Query::Last : Query::First, h.m_slot));
    return Move(h, q.Bind(1, h.m_dbId).Bind(5, n));
}

RecordOid RecordStore::GoToRecord(DbHandle& h, RecordOid oid)
{
    Forget();
    if (!h.IsOpen() || oid == 0)
        return 0;
    Sql q(*this, Statement(Query::KeyOf, h.m_slot));
    return Move(h, q.Bind(1, h.m_dbId).Bind(3, oid));
}

// Runs a positioning query from the handle's cursor: the database, its key and its record bound.
RecordOid RecordStore::Step(DbHandle& h, Query q)
{
    Sql step(*this, Statement(q, h.m_slot));
    if (!step)
        return 0;
    BindKey(step.Get(), 2, h);
    return Move(h, step.Bind(1, h.m_dbId).Bind(3, h.m_oid));
}

RecordOid RecordStore::GoNext(DbHandle& h)
{
    Forget();
    if (!h.IsOpen() || h.m_endOfData)
        return 0;
    if (!h.m_hasCursor)
        return GoToIndex(h, 0, false);
    RecordOid found = 0;
    if (h.m_key.kind != DbHandle::Key::Kind::Null)
        found = Step(h, Query::After);
    else if (!(found = Step(h, Query::AfterFromNull)) && h.m_slot >= 0)
        found = Step(h, Query::FirstNonNull);
    if (!found)
        h.m_endOfData = true;
    return found;
}

RecordOid RecordStore::GoPrevious(DbHandle& h)
{
    Forget();
    if (!h.IsOpen() || !h.m_hasCursor)
        return 0;
    if (h.m_endOfData)
        return GoToIndex(h, 0, true);
    if (h.m_key.kind == DbHandle::Key::Kind::Null)
        return Step(h, Query::BeforeNullTail);
    const RecordOid found = Step(h, Query::Before);
    return found ? found : Step(h, Query::LastNull);
}

RecordOid RecordStore::CurrentRecord(const DbHandle& h) const
{
    return h.IsOpen() && h.m_hasCursor && !h.m_endOfData ? h.m_oid : 0;
}

int RecordStore::SlotOf(const DbHandle& h, quint16 propId, PropType type) const
{
    for (int i = 0; i < h.m_sortCount; ++i) {
        if (h.m_sorts[i].propId == propId && h.m_sorts[i].type == type)
            return i;
    }
    return -1;
}

RecordOid RecordStore::FindFirstEqual(DbHandle& h, const PropVal& value)
{
    return FindEqual(h, value, true);
}

RecordOid RecordStore::FindNextEqual(DbHandle& h, const PropVal& value)
{
    return FindEqual(h, value, false);
}

RecordOid RecordStore::FindEqual(DbHandle& h, const PropVal& value, bool first)
{
    Forget();
    if (!h.IsOpen() || (!first && h.m_endOfData))
        return 0;
    const int findSlot = SlotOf(h, value.Id(), value.Type());
    if (findSlot < 0)
        return ScanEqual(h, value, first);

    auto run = [&](Query q) -> RecordOid {
        Sql find(*this, Statement(q, h.m_slot, findSlot));
        if (!find)
            return 0;
        if (q == Query::FindAfter)
            BindKey(find.Get(), 2, h);
        BindProp(find.Get(), 4, value);
        return Move(h, find.Bind(1, h.m_dbId).Bind(3, h.m_oid));
    };
    if (first || !h.m_hasCursor)
        return run(Query::FindFirst);
    if (h.m_key.kind != DbHandle::Key::Kind::Null)
        return run(Query::FindAfter);
    const RecordOid found = run(Query::FindAfterFromNull);
    return found || h.m_slot < 0 ? found : run(Query::FindFirstNonNull);
}

// Find by a property that no sort order covers: walk the records in the handle's order.
RecordOid RecordStore::ScanEqual(DbHandle& h, const PropVal& value, bool first)
{
    auto scan = [&](Query q) -> RecordOid {
        Sql scan(*this, Statement(q, h.m_slot));
        if (!scan)
            return 0;
        sqlite3_stmt* st = scan.Get();
        scan.Bind(1, h.m_dbId);
        if (q == Query::ScanAfter)
            BindKey(st, 2, h);
        scan.Bind(3, h.m_oid);
        std::vector<PropVal> props;
        while (scan.Row()) {
            if (!PropCodec::Decode(sqlite3_column_blob(st, 2), sqlite3_column_bytes(st, 2), &props))
                continue;
            for (const PropVal& p : props) {
                if (p == value)
                    return Land(h, st);
            }
        }
        return 0;
    };
    if (first || !h.m_hasCursor)
        return scan(Query::ScanFrom);
    if (h.m_key.kind != DbHandle::Key::Kind::Null)
        return scan(Query::ScanAfter);
    const RecordOid found = scan(Query::ScanAfterFromNull);
    return found || h.m_slot < 0 ? found : scan(Query::ScanFirstNonNull);
}

void RecordStore::ForEachRecord(DbHandle& h, const std::function<bool(const std::vector<PropVal>&)>& visit)
{
    if (!h.IsOpen())
        return;
    const WalkStatement walk(m_db, Statement(Query::ScanFrom, h.m_slot));
    sqlite3_stmt* st = walk.Get();
    if (!st)
        return;
    sqlite3_bind_int64(st, 1, h.m_dbId);
    std::vector<PropVal> props;
    while (Run(st) == SQLITE_ROW) {
        if (PropCodec::Decode(sqlite3_column_blob(st, 2), sqlite3_column_bytes(st, 2), &props) &&
            !visit(props))
            return;
    }
}

void RecordStore::ForEachEqual(DbHandle& h, const PropVal& value,
                               const std::function<bool(const std::vector<PropVal>&)>& visit)
{
    if (!h.IsOpen())
        return;
    const int findSlot = SlotOf(h, value.Id(), value.Type());
    std::vector<PropVal> props;
    if (findSlot < 0) {
        // No index: the cursor's own walk, which moves it.
        for (RecordOid o = FindFirstEqual(h, value); o; o = FindNextEqual(h, value))
            if (ReadProps(h, &props) && !visit(props))
                return;
        return;
    }
    const WalkStatement walk(m_db, Statement(Query::FindAll, h.m_slot, findSlot));
    sqlite3_stmt* st = walk.Get();
    if (!st)
        return;
    sqlite3_bind_int64(st, 1, h.m_dbId);
    BindProp(st, 4, value);
    while (Run(st) == SQLITE_ROW) {
        if (PropCodec::Decode(sqlite3_column_blob(st, 2), sqlite3_column_bytes(st, 2), &props) &&
            !visit(props))
            return;
    }
}
