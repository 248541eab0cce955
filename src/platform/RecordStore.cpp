#include "RecordStore.h"

#include "platform/PropCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// "Vell" in the SQLite header's application id: marks a file as this program's store.
constexpr quint32 kApplicationId = 0x56656C6CU;
constexpr int kSchemaVersion = 1;
constexpr int kBusyTimeoutMs = 5000;
constexpr int kSlotColumns = 4;

const char* const kSchema = R"sql(
CREATE TABLE dbs(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT NOT NULL UNIQUE COLLATE NOCASE,
    type_id INTEGER NOT NULL,
    sorts TEXT NOT NULL);
CREATE TABLE records(
    oid INTEGER PRIMARY KEY AUTOINCREMENT,
    db INTEGER NOT NULL,
    k1, k2, k3, k4,
    props BLOB NOT NULL);
CREATE INDEX records_db ON records(db);
CREATE INDEX records_k1 ON records(db, k1);
CREATE INDEX records_k2 ON records(db, k2);
CREATE INDEX records_k3 ON records(db, k3) WHERE k3 IS NOT NULL;
CREATE INDEX records_k4 ON records(db, k4) WHERE k4 IS NOT NULL;
)sql";

// Stores made before the third and fourth keys were indexed only where set: no database sorts by
// a fourth key and few by a third, so a row per record in those indexes only slowed every write.
const char* const kLeanKeyIndexes = R"sql(
DROP INDEX IF EXISTS records_k3;
DROP INDEX IF EXISTS records_k4;
CREATE INDEX records_k3 ON records(db, k3) WHERE k3 IS NOT NULL;
CREATE INDEX records_k4 ON records(db, k4) WHERE k4 IS NOT NULL;
)sql";

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

void BindProp(sqlite3_stmt* st, int index, const PropVal& p)
{
    switch (p.Type()) {
    case PropType::R8:
        sqlite3_bind_double(st, index, p.ToDouble());
        break;
    case PropType::LpWstr:
        sqlite3_bind_text16(st, index, p.ToText().utf16(), static_cast<int>(p.ToText().size() * 2),
                            SQLITE_TRANSIENT);
        break;
    case PropType::Blob:
        sqlite3_bind_blob(st, index, p.ToBlob().constData(), static_cast<int>(p.ToBlob().size()),
                          SQLITE_TRANSIENT);
        break;
    default:
        sqlite3_bind_int64(st, index, p.ToInt());
        break;
    }
}

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
        return QStringLiteral("the disk is full. Free some disk space, then try again");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("the file or its folder cannot be written. Make both writable for your user, "
                              "then try again");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("the file is damaged. Run \"vellamo-cli check\", and restore your last "
                              "backup if it finds damage");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("another program kept it locked. Close the other program, then try again");
    case SQLITE_NOMEM:
        return QStringLiteral("there was not enough memory. Close other programs, then try again");
    case SQLITE_CANTOPEN:
        return QStringLiteral("the file or its log cannot be opened. Check that its folder exists and is "
                              "writable, then try again");
    default:
        return QStringLiteral("the disk reported an error. Check the disk, then try again");
    }
}

} // namespace

// One use of a prepared statement: its values bound, stepped through the store, which notes a
// failure, and reset when the use ends, so that it never holds a read snapshot open. A statement
// that could not be prepared (the store noted why) gives an empty use: it binds nothing and its
// step fails.
class RecordStore::Sql
{
public:
    Sql(RecordStore& store, sqlite3_stmt* st) : m_store(store), m_st(st) {}
    Sql(RecordStore& store, std::string_view sql) : Sql(store, store.Prepare(sql)) {}
    ~Sql()
    {
        if (m_st)
            sqlite3_reset(m_st);
    }
    Sql(const Sql&) = delete;
    Sql& operator=(const Sql&) = delete;

    explicit operator bool() const { return m_st != nullptr; }
    sqlite3_stmt* Get() const { return m_st; }
    Sql& Bind(int index, qint64 value)
    {
        if (m_st)
            sqlite3_bind_int64(m_st, index, value);
        return *this;
    }
    // The text is copied: it may go before the statement is stepped.
    Sql& Bind(int index, const QString& text)
    {
        if (m_st)
            sqlite3_bind_text16(m_st, index, text.utf16(), static_cast<int>(text.size() * 2),
                                SQLITE_TRANSIENT);
        return *this;
    }
    // The bytes are not copied: they must last until the statement is stepped.
    Sql& BindBytes(int index, const QByteArray& bytes)
    {
        if (m_st)
            sqlite3_bind_blob(m_st, index, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_STATIC);
        return *this;
    }
    int Step() { return m_st ? m_store.Run(m_st) : SQLITE_MISUSE; }
    bool Row() { return Step() == SQLITE_ROW; }
    bool Done() { return Step() == SQLITE_DONE; }
    // Done, and it changed exactly this many rows.
    bool Changed(qint64 rows) { return Done() && sqlite3_changes64(m_store.m_db) == rows; }
    qint64 Int(int column) const { return sqlite3_column_int64(m_st, column); }
    QString Text(int column) const
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_st, column)));
    }

private:
    RecordStore& m_store;
    sqlite3_stmt* m_st;
};

// ---- opening ---------------------------------------------------------------------------------

QString RecordStore::DescribeOpenError(OpenError error, const QString& path, const QString& detail)
{
    QString text;
    switch (error) {
    case OpenError::None:
        return QString();
    case OpenError::CannotCreate:
        text = QStringLiteral("The data file \"%1\" cannot be created.");
        break;
    case OpenError::NotAStore:
        text = QStringLiteral("The data file \"%1\" is not a Vellamo data file, or it is damaged.");
        break;
    case OpenError::ForeignStore:
        text =
            QStringLiteral("The data file \"%1\" belongs to another program; it is not a Vellamo data file.");
        break;
    case OpenError::Damaged:
        text = QStringLiteral("The data file \"%1\" is damaged.");
        break;
    case OpenError::NewerVersion:
        text = QStringLiteral("The data file \"%1\" was written by a newer version of Vellamo.");
        break;
    case OpenError::Locked:
        text = QStringLiteral("The data file \"%1\" is locked by another program.");
        break;
    case OpenError::CannotOpen:
        text = QStringLiteral("The data file \"%1\" cannot be opened.");
        break;
    }
    text = text.arg(path);
    if (!detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(detail);
    if (error != OpenError::CannotCreate && error != OpenError::CannotOpen)
        text += QStringLiteral(" Vellamo has left it unchanged.");
    return text;
}

std::unique_ptr<RecordStore> RecordStore::Open(const QString& path, OpenError* error, QString* message)
{
    auto fail = [&](OpenError e, const QString& detail = QString()) -> std::unique_ptr<RecordStore> {
        if (error)
            *error = e;
        if (message)
            *message = DescribeOpenError(e, path, detail);
        return nullptr;
    };
    if (error)
        *error = OpenError::None;

    const QByteArray native = QFile::encodeName(path);
    if (!QFileInfo::exists(path)) {
        const int fd = ::open(native.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return fail(OpenError::CannotCreate, QString::fromLocal8Bit(strerror(errno)));
        if (fd >= 0)
            ::close(fd);
    }

    // Look at the header before SQLite may touch the file: a file that is not ours is never written.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(OpenError::CannotOpen, file.errorString());
    const qint64 size = file.size();
    const QByteArray header = file.read(100);
    file.close();
    const bool fresh = size == 0;
    bool wholeLength = true;
    if (!fresh) {
        if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
            return fail(OpenError::NotAStore);
        const auto b = [&](int i) { return static_cast<quint32>(static_cast<quint8>(header[i])); };
        const quint32 appId = (b(68) << 24) | (b(69) << 16) | (b(70) << 8) | b(71);
        if (appId != kApplicationId)
            return fail(OpenError::ForeignStore);
        // The page count in the header is valid when its change counter matches; a file
        // shorter than those pages lost its end (judged below, and only without a log).
        const auto u32 = [&](int i) { return (b(i) << 24) | (b(i + 1) << 16) | (b(i + 2) << 8) | b(i + 3); };
        const quint32 pageSize = b(16) == 0 && b(17) == 1 ? 65536u : (b(16) << 8) | b(17);
        wholeLength = u32(92) != u32(24) || static_cast<qint64>(u32(28)) * pageSize <= size;
    }
    // A store whose last session did not end cleanly (its log is still there) gets the full page
    // check; otherwise the header and the layout are checked, which keeps the start quick.
    const bool uncleanEnd = QFileInfo(path + QStringLiteral("-wal")).size() > 0;
    // A diary is private: a file more open than that (an older version, a copy) is closed up.
    struct stat info = {};
    if (::stat(native.constData(), &info) == 0 && info.st_uid == ::getuid() && (info.st_mode & 077) != 0)
        ::chmod(native.constData(), 0600);

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(native.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
        sqlite3_close(db);
        return fail(OpenError::CannotOpen, detail);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    std::unique_ptr<RecordStore> store(new RecordStore(path, db));

    auto scalar = [&](const char* sql, QString* text, int* rc) -> qint64 {
        sqlite3_stmt* st = nullptr;
        *rc = sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
        qint64 v = 0;
        if (*rc == SQLITE_OK) {
            *rc = sqlite3_step(st);
            if (*rc == SQLITE_ROW) {
                v = sqlite3_column_int64(st, 0);
                if (text)
                    *text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
                *rc = SQLITE_OK;
            }
        }
        sqlite3_finalize(st);
        return v;
    };
    auto failCode = [&](int rc) {
        const QString detail = QString::fromUtf8(sqlite3_errstr(rc));
        const int primary = rc & 0xff;
        if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
            return fail(OpenError::Locked);
        if (primary == SQLITE_NOTADB)
            return fail(OpenError::NotAStore);
        if (primary == SQLITE_CORRUPT)
            return fail(OpenError::Damaged, detail);
        return fail(OpenError::CannotOpen, detail);
    };

    int rc = SQLITE_OK;
    if (!fresh) {
        if (uncleanEnd) {
            QString check;
            scalar("PRAGMA quick_check(1)", &check, &rc);
            if (rc != SQLITE_OK)
                return failCode(rc);
            if (check != QLatin1String("ok"))
                return fail(OpenError::Damaged, check);
        } else if (!wholeLength) {
            // Without a log the file alone holds every page, so one shorter than its header's
            // page count lost its end. With a log, SQLite reads the missing pages from it and
            // its own check above is the judge.
            return fail(OpenError::Damaged, QStringLiteral("the file is shorter than its pages"));
        }
        const qint64 version = scalar("PRAGMA user_version", nullptr, &rc);
        if (rc != SQLITE_OK)
            return failCode(rc);
        if (version > kSchemaVersion)
            return fail(OpenError::NewerVersion);
        const qint64 tables =
            scalar("SELECT count(*) FROM sqlite_schema WHERE type='table' AND name IN ('dbs','records')",
                   nullptr, &rc);
        if (rc != SQLITE_OK)
            return failCode(rc);
        if (tables != 2)
            return fail(OpenError::Damaged, QStringLiteral("tables missing"));
        const qint64 fullIndexes = scalar("SELECT count(*) FROM sqlite_schema WHERE type='index' AND "
                                          "name IN ('records_k3','records_k4') AND sql NOT LIKE '%WHERE%'",
                                          nullptr, &rc);
        // Tried at each start until done; a store another program is writing to, or one that
        // cannot be written, is used as it is (the indexes only cost time).
        if (rc == SQLITE_OK && fullIndexes > 0) {
            sqlite3_busy_timeout(db, 0);
            if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK &&
                (sqlite3_exec(db, kLeanKeyIndexes, nullptr, nullptr, nullptr) != SQLITE_OK ||
                 sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK))
                sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_busy_timeout(db, kBusyTimeoutMs);
        }
    } else {
        // A new store is laid out before it switches to WAL, so the header that marks it as
        // ours is in the main file from the start.
        if (!store->Exec("BEGIN IMMEDIATE"))
            return failCode(sqlite3_errcode(db));
        const qint64 tables = scalar("SELECT count(*) FROM sqlite_schema", nullptr, &rc);
        bool ok = rc == SQLITE_OK;
        if (ok && tables == 0) {
            const std::string pragmas = "PRAGMA application_id=" + std::to_string(kApplicationId) +
                                        "; PRAGMA user_version=" + std::to_string(kSchemaVersion) + ";";
            ok = store->Exec(kSchema) && store->Exec(pragmas.c_str());
        }
        if (!ok || !store->Exec("COMMIT")) {
            const int code = sqlite3_errcode(db);
            store->Exec("ROLLBACK");
            return failCode(code);
        }
    }
    QString mode;
    scalar("PRAGMA journal_mode=WAL", &mode, &rc);
    if (rc != SQLITE_OK)
        return failCode(rc);
    // Each committed change reaches the disk before the call returns: a diary entry is never lost.
    store->Exec("PRAGMA synchronous=FULL");
    // Room for the whole nutrient database and its indexes, which keeps a large import in memory.
    store->Exec("PRAGMA cache_size=-16384");
    return store;
}

bool RecordStore::CheckPages(QString* finding)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db, "PRAGMA quick_check(1)", -1, &st, nullptr) != SQLITE_OK) {
        *finding = QString::fromUtf8(sqlite3_errmsg(m_db));
        return false;
    }
    const int rc = sqlite3_step(st);
    *finding = rc == SQLITE_ROW ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)))
                                : QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_finalize(st);
    return *finding == QLatin1String("ok");
}

RecordStore::RecordStore(const QString& path, sqlite3* db) : m_path(path), m_db(db) {}

RecordStore::~RecordStore()
{
    for (auto& [k, st] : m_statements)
        sqlite3_finalize(st);
    for (auto& [k, st] : m_plain)
        sqlite3_finalize(st);
    sqlite3_close(m_db);
}

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
    const QString what = m_failureWriting ? QStringLiteral("Vellamo could not write to its data file \"%1\"")
                                          : QStringLiteral("Vellamo could not read its data file \"%1\"");
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
            *message = QStringLiteral("Vellamo cannot change its data file \"%1\": %2.")
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
RecordOid RecordStore::Move(DbHandle& h, sqlite3_stmt* st)
{
    Sql q(*this, st);
    if (!q.Row())
        return 0;
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

// ---- moving ----------------------------------------------------------------------------------

RecordOid RecordStore::GoToIndex(DbHandle& h, quint32 n, bool fromEnd)
{
    Forget();
    if (!h.IsOpen())
        return 0;
    sqlite3_stmt* st = Statement(fromEnd ? Query::Last : Query::First, h.m_slot);
    if (!st)
        return 0;
    sqlite3_bind_int64(st, 1, h.m_dbId);
    sqlite3_bind_int64(st, 5, n);
    return Move(h, st);
}

RecordOid RecordStore::GoToRecord(DbHandle& h, RecordOid oid)
{
    Forget();
    if (!h.IsOpen() || oid == 0)
        return 0;
    sqlite3_stmt* st = Statement(Query::KeyOf, h.m_slot);
    if (!st)
        return 0;
    sqlite3_bind_int64(st, 1, h.m_dbId);
    sqlite3_bind_int64(st, 3, oid);
    return Move(h, st);
}

// Runs a positioning query from the handle's cursor: the database, its key and its record bound.
RecordOid RecordStore::Step(DbHandle& h, Query q)
{
    sqlite3_stmt* st = Statement(q, h.m_slot);
    if (!st)
        return 0;
    sqlite3_bind_int64(st, 1, h.m_dbId);
    BindKey(st, 2, h);
    sqlite3_bind_int64(st, 3, h.m_oid);
    return Move(h, st);
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
        sqlite3_stmt* st = Statement(q, h.m_slot, findSlot);
        if (!st)
            return 0;
        sqlite3_bind_int64(st, 1, h.m_dbId);
        if (q == Query::FindAfter)
            BindKey(st, 2, h);
        sqlite3_bind_int64(st, 3, h.m_oid);
        BindProp(st, 4, value);
        return Move(h, st);
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
                if (p == value) {
                    h.m_oid = static_cast<RecordOid>(sqlite3_column_int64(st, 0));
                    h.m_key = KeyFromColumn(st, 1);
                    h.m_hasCursor = true;
                    h.m_endOfData = false;
                    Prefetch(h, st);
                    return h.m_oid;
                }
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
