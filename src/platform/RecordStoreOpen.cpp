// Opening a store: the file checked before it is used, made when new, brought up to date.
#include "RecordStore.h"

#include "platform/PropCodec.h"
#include "platform/RecordStoreSql.h"

#include <QCoreApplication>
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

// The third and fourth keys are indexed only where set: no database sorts by a fourth key and
// few by a third, so a row per record in those indexes would only slow every write.
#define VELLAMO_SPARSE_KEY_INDEXES                                                                           \
    "CREATE INDEX records_k3 ON records(db, k3) WHERE k3 IS NOT NULL;\n"                                     \
    "CREATE INDEX records_k4 ON records(db, k4) WHERE k4 IS NOT NULL;\n"

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
)sql" VELLAMO_SPARSE_KEY_INDEXES;

// Stores made before then had a row of every record in both: their indexes are made anew.
const char* const kLeanKeyIndexes = "DROP INDEX IF EXISTS records_k3;\n"
                                    "DROP INDEX IF EXISTS records_k4;\n" VELLAMO_SPARSE_KEY_INDEXES;

#undef VELLAMO_SPARSE_KEY_INDEXES

} // namespace

// ---- opening ---------------------------------------------------------------------------------

QString RecordStore::DescribeOpenError(OpenError error, const QString& path, const QString& detail)
{
    QString text;
    switch (error) {
    case OpenError::None:
        return QString();
    case OpenError::CannotCreate:
        text = QCoreApplication::translate("RecordStore", "The data file \"%1\" cannot be created.");
        break;
    case OpenError::NotAStore:
        text = QCoreApplication::translate(
            "RecordStore", "The data file \"%1\" is not a Vellamo data file, or it is damaged.");
        break;
    case OpenError::ForeignStore:
        text = QCoreApplication::translate(
            "RecordStore", "The data file \"%1\" belongs to another program; it is not a Vellamo data file.");
        break;
    case OpenError::Damaged:
        text = QCoreApplication::translate("RecordStore", "The data file \"%1\" is damaged.");
        break;
    case OpenError::NewerVersion:
        text = QCoreApplication::translate("RecordStore",
                                           "The data file \"%1\" was written by a newer version of Vellamo.");
        break;
    case OpenError::Locked:
        text =
            QCoreApplication::translate("RecordStore", "The data file \"%1\" is locked by another program.");
        break;
    case OpenError::CannotOpen:
        text = QCoreApplication::translate("RecordStore", "The data file \"%1\" cannot be opened.");
        break;
    }
    text = text.arg(path);
    if (!detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(detail);
    if (error != OpenError::CannotCreate && error != OpenError::CannotOpen)
        text += QCoreApplication::translate("RecordStore", " Vellamo has left it unchanged.");
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
            return fail(OpenError::Damaged,
                        QCoreApplication::translate("RecordStore", "the file is shorter than its pages"));
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
            return fail(OpenError::Damaged, QCoreApplication::translate("RecordStore", "tables missing"));
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
