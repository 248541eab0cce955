#include "platform/RecordStore.h"
#include "support/TestStore.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <functional>
#include <map>

using Target = RecordStore::WriteTarget;

namespace {

class RecordStoreTest : public TestStore
{
protected:
    void SetUp() override
    {
        TestStore::SetUp();
        ASSERT_TRUE(Store().CreateDb(QStringLiteral("Things"), 42,
                                     {{101, PropType::UI4}, {202, PropType::UI4}, {303, PropType::LpWstr}}));
    }

    DbHandle Open(quint16 sort = 0)
    {
        DbHandle h;
        EXPECT_TRUE(Store().OpenDb(h, QStringLiteral("Things"), sort));
        return h;
    }

    // A record with id 101 and group 202 (a group of 0 leaves 202 out).
    RecordOid Add(DbHandle& h, quint32 id, quint32 group, const QString& extra = QString())
    {
        std::vector<PropVal> p = {PropVal::UI4(101, id)};
        if (group)
            p.push_back(PropVal::UI4(202, group));
        if (!extra.isEmpty())
            p.push_back(PropVal::Text(404, extra));
        return Store().WriteProps(h, Target::New, p);
    }

    quint32 IdAt(DbHandle& h)
    {
        std::vector<PropVal> p;
        if (!Store().ReadProps(h, &p))
            return 0;
        for (const PropVal& v : p)
            if (v.Id() == 101)
                return v.ToUInt();
        return 0;
    }

    std::vector<quint32> Walk(DbHandle& h)
    {
        std::vector<quint32> ids;
        for (RecordOid o = Store().GoToIndex(h, 0, false); o; o = Store().GoNext(h))
            ids.push_back(IdAt(h));
        return ids;
    }
};

} // namespace

TEST_F(RecordStoreTest, PropertiesComeBackInTheOrderWritten)
{
    DbHandle h = Open();
    const std::vector<PropVal> written = {
        PropVal::UI4(101, 7),
        PropVal::Text(303, QStringLiteral("Brot \u00e4\u20ac")),
        PropVal::R8(219, 0.1),
        PropVal::I2(407, -3),
        PropVal::Time(410, FileTime(123456789012345ULL)),
        PropVal(),
        PropVal::Blob(500, QByteArray("\0\1\2", 3)),
        PropVal::Bool(501, true),
        PropVal::UI2(502, 65535),
        PropVal::I4(503, -70000),
        PropVal::Text(504, QString()),
    };
    const RecordOid oid = Store().WriteProps(h, Target::New, written);
    ASSERT_NE(oid, 0u);
    ASSERT_EQ(Store().GoToRecord(h, oid), oid);
    std::vector<PropVal> read;
    ASSERT_TRUE(Store().ReadProps(h, &read));
    EXPECT_EQ(read, written);

    // A write to the current record updates in place and appends new ids.
    ASSERT_EQ(Store().WriteProps(h, Target::Current, {PropVal::R8(219, 2.5), PropVal::UI4(999, 1)}), oid);
    ASSERT_TRUE(Store().ReadProps(h, &read));
    ASSERT_EQ(read.size(), written.size() + 1);
    EXPECT_EQ(read[2], PropVal::R8(219, 2.5));
    EXPECT_EQ(read.back(), PropVal::UI4(999, 1));

    const std::vector<quint16> some = {504, 101, 777};
    ASSERT_TRUE(Store().ReadProps(h, &read, &some));
    EXPECT_EQ(read, (std::vector<PropVal>{PropVal::UI4(101, 7), PropVal::Text(504, QString())}));
}

TEST_F(RecordStoreTest, ANewRecordHoldsAnIdOnceWithItsLastValue)
{
    DbHandle h = Open();
    // 101 and 165 share their low bits without being the same id; 202 comes twice.
    const RecordOid oid = Store().WriteProps(
        h, Target::New,
        {PropVal::UI4(101, 1), PropVal::UI4(202, 2), PropVal::UI4(165, 3), PropVal::UI4(202, 4)});
    ASSERT_EQ(Store().GoToRecord(h, oid), oid);
    std::vector<PropVal> read;
    ASSERT_TRUE(Store().ReadProps(h, &read));
    EXPECT_EQ(read, (std::vector<PropVal>{PropVal::UI4(101, 1), PropVal::UI4(202, 4), PropVal::UI4(165, 3)}));
}

TEST_F(RecordStoreTest, HandlesTraverseInSortOrderOrStoreOrder)
{
    DbHandle h = Open();
    Add(h, 3, 20);
    Add(h, 1, 10);
    Add(h, 2, 0); // no group: first in the group order
    Add(h, 5, 10);
    Add(h, 4, 30);

    EXPECT_EQ(Walk(h), (std::vector<quint32>{3, 1, 2, 5, 4}));
    EXPECT_TRUE(h.EndOfData());
    DbHandle byId = Open(101);
    EXPECT_EQ(Walk(byId), (std::vector<quint32>{1, 2, 3, 4, 5}));
    DbHandle byGroup = Open(202);
    EXPECT_EQ(Walk(byGroup), (std::vector<quint32>{2, 1, 5, 3, 4}));

    // Backwards, from the end, and by index.
    std::vector<quint32> back;
    for (RecordOid o = Store().GoToIndex(byGroup, 0, true); o; o = Store().GoPrevious(byGroup))
        back.push_back(IdAt(byGroup));
    EXPECT_EQ(back, (std::vector<quint32>{4, 3, 5, 1, 2}));
    EXPECT_EQ(IdAt(byGroup), 2u); // GoPrevious on the first record did not move
    EXPECT_EQ(Store().GoPrevious(byGroup), 0u);
    Store().GoToIndex(byGroup, 2, false);
    EXPECT_EQ(IdAt(byGroup), 5u);
    Store().GoToIndex(byGroup, 1, true);
    EXPECT_EQ(IdAt(byGroup), 3u);
    EXPECT_EQ(Store().GoToIndex(byGroup, 5, false), 0u);
    EXPECT_EQ(Store().CountRecords(byGroup), 5u);

    // Past the end there is no current record; stepping back returns to the last one.
    Store().GoToIndex(byId, 0, true);
    EXPECT_EQ(Store().GoNext(byId), 0u);
    EXPECT_EQ(Store().CurrentRecord(byId), 0u);
    EXPECT_NE(Store().GoPrevious(byId), 0u);
    EXPECT_EQ(IdAt(byId), 5u);
}

TEST_F(RecordStoreTest, FindsByValueOnAnyProperty)
{
    DbHandle h = Open(202);
    Add(h, 1, 10, QStringLiteral("x"));
    Add(h, 2, 20, QStringLiteral("y"));
    Add(h, 3, 10, QStringLiteral("y"));
    Add(h, 4, 0, QStringLiteral("y"));
    Add(h, 5, 10, QStringLiteral("x"));

    // On the handle's own sort property.
    std::vector<quint32> hits;
    Store().GoToIndex(h, 0, false);
    const PropVal group = PropVal::UI4(202, 10);
    for (RecordOid o = Store().FindFirstEqual(h, group); o; o = Store().FindNextEqual(h, group))
        hits.push_back(IdAt(h));
    EXPECT_EQ(hits, (std::vector<quint32>{1, 3, 5}));

    // On another declared sort property, while sorted by the group.
    Store().GoToIndex(h, 0, false);
    ASSERT_NE(Store().FindFirstEqual(h, PropVal::UI4(101, 4)), 0u);
    EXPECT_EQ(IdAt(h), 4u);
    EXPECT_EQ(Store().FindNextEqual(h, PropVal::UI4(101, 4)), 0u);
    EXPECT_EQ(IdAt(h), 4u); // a failed find leaves the cursor

    // On a property no sort order covers, in the handle's order.
    hits.clear();
    const PropVal y = PropVal::Text(404, QStringLiteral("y"));
    Store().GoToIndex(h, 0, false);
    for (RecordOid o = Store().FindFirstEqual(h, y); o; o = Store().FindNextEqual(h, y))
        hits.push_back(IdAt(h));
    EXPECT_EQ(hits, (std::vector<quint32>{4, 3, 2}));

    // The type is part of the value.
    EXPECT_EQ(Store().FindFirstEqual(h, PropVal::I4(202, 10)), 0u);
    EXPECT_EQ(Store().FindFirstEqual(h, PropVal::UI4(202, 99)), 0u);

    // All of them in one pass: by an index in the handle's order, and without one.
    const auto all = [&](const PropVal& v) {
        std::vector<quint32> ids;
        Store().ForEachEqual(h, v, [&](const std::vector<PropVal>& props) {
            for (const PropVal& p : props)
                if (p.Id() == 101)
                    ids.push_back(static_cast<quint32>(p.ToInt()));
            return true;
        });
        return ids;
    };
    Store().GoToIndex(h, 0, false);
    const RecordOid before = Store().CurrentRecord(h);
    EXPECT_EQ(all(group), (std::vector<quint32>{1, 3, 5}));
    EXPECT_EQ(Store().CurrentRecord(h), before); // the indexed pass leaves the cursor
    EXPECT_EQ(all(y), (std::vector<quint32>{4, 3, 2}));
    EXPECT_TRUE(all(PropVal::UI4(202, 99)).empty());
    // A pass inside a pass of the same kind: each sees all of its own records.
    std::vector<std::pair<quint32, quint32>> pairs;
    Store().ForEachEqual(h, group, [&](const std::vector<PropVal>& outer) {
        for (quint32 inner : all(PropVal::UI4(202, 20)))
            pairs.emplace_back(outer[0].ToUInt(), inner);
        return true;
    });
    EXPECT_EQ(pairs, (std::vector<std::pair<quint32, quint32>>{{1, 2}, {3, 2}, {5, 2}}));
}

TEST_F(RecordStoreTest, NewRecordsAreSeenAtOnceAndCursorsSurviveOtherWrites)
{
    DbHandle reader = Open(101);
    DbHandle writer = Open(101);
    Add(writer, 10, 1);
    Add(writer, 20, 1);
    Add(writer, 30, 1);
    ASSERT_NE(Store().GoToIndex(reader, 0, false), 0u);
    EXPECT_EQ(IdAt(reader), 10u);

    // The writer adds before and after the reader's position and deletes the record under it.
    Add(writer, 5, 1);
    Add(writer, 25, 1);
    Store().GoToIndex(writer, 1, false);
    ASSERT_EQ(IdAt(writer), 10u);
    ASSERT_TRUE(Store().RemoveRecord(writer, Store().CurrentRecord(writer)));

    std::vector<quint32> rest;
    while (Store().GoNext(reader))
        rest.push_back(IdAt(reader));
    EXPECT_EQ(rest, (std::vector<quint32>{20, 25, 30}));
    EXPECT_EQ(Store().CountRecords(reader), 4u);

    // A change made between a move and the read that follows it is what the read returns.
    Store().GoToIndex(reader, 0, false);
    Store().GoToIndex(writer, 0, false);
    Store().WriteProps(writer, Target::Current, {PropVal::UI4(202, 77)});
    std::vector<PropVal> p;
    ASSERT_TRUE(Store().ReadProps(reader, &p));
    EXPECT_EQ(p.back(), PropVal::UI4(202, 77));
}

TEST_F(RecordStoreTest, FailuresChangeNothing)
{
    EXPECT_FALSE(Store().CreateDb(QStringLiteral("Things"), 1, {{1, PropType::UI4}}));
    EXPECT_FALSE(Store().CreateDb(QStringLiteral("things"), 1, {{1, PropType::UI4}})); // names ignore case
    EXPECT_FALSE(Store().CreateDb(QStringLiteral("None"), 1, {}));
    DbHandle h;
    EXPECT_FALSE(Store().OpenDb(h, QStringLiteral("Missing"), 0));
    EXPECT_FALSE(Store().OpenDb(h, QStringLiteral("Things"), 999)); // not a declared order
    EXPECT_FALSE(h.IsOpen());
    EXPECT_EQ(Store().CountRecords(h), 0u);
    EXPECT_EQ(Store().GoToIndex(h, 0, false), 0u);
    EXPECT_EQ(Store().WriteProps(h, Target::New, {PropVal::UI4(101, 1)}), 0u);

    h = Open(101);
    EXPECT_EQ(Store().WriteProps(h, Target::New, {}), 0u);
    EXPECT_EQ(Store().WriteProps(h, Target::Current, {PropVal::UI4(101, 1)}), 0u); // no current record
    const RecordOid oid = Add(h, 1, 2);
    Store().GoToRecord(h, oid);
    EXPECT_FALSE(Store().RemoveProps(h, {{777, PropType::UI4}, {202, PropType::R8}}));
    ASSERT_TRUE(Store().RemoveProps(h, {{202, PropType::UI4}}));
    std::vector<PropVal> p;
    ASSERT_TRUE(Store().ReadProps(h, &p));
    EXPECT_EQ(p, (std::vector<PropVal>{PropVal::UI4(101, 1)}));
    EXPECT_FALSE(Store().RemoveRecord(h, oid + 100));
    EXPECT_EQ(Store().CountRecords(h), 1u);
}

TEST_F(RecordStoreTest, DropDeletesTheDatabaseForEveryHandle)
{
    DbHandle a = Open(101);
    DbHandle b = Open(101);
    Add(a, 1, 1);
    ASSERT_TRUE(Store().DropDb(a));
    EXPECT_FALSE(a.IsOpen());
    EXPECT_EQ(Store().GoToIndex(b, 0, false), 0u);
    EXPECT_FALSE(Store().OpenDb(a, QStringLiteral("Things"), 101));
    ASSERT_TRUE(Store().CreateDb(QStringLiteral("Things"), 42, {{101, PropType::UI4}}));
    a = Open(101);
    EXPECT_EQ(Store().CountRecords(a), 0u);
}

TEST_F(RecordStoreTest, BatchesCommitOrRollBackAsAWhole)
{
    DbHandle h = Open(101);
    {
        RecordStore::Batch outer(Store());
        Add(h, 1, 1);
        {
            RecordStore::Batch inner(Store());
            Add(h, 2, 1);
        }
        EXPECT_TRUE(outer.Commit());
    }
    {
        RecordStore::Batch outer(Store());
        Add(h, 3, 1);
        {
            RecordStore::Batch inner(Store());
            Add(h, 4, 1);
            inner.Abandon();
        }
        EXPECT_FALSE(outer.Commit());
    }
    Reopen();
    h = Open(101);
    EXPECT_EQ(Walk(h), (std::vector<quint32>{1, 2}));
}

TEST_F(RecordStoreTest, StoreFileIsPrivateAndKeepsItsRecords)
{
    EXPECT_EQ(QFileInfo(StorePath()).permissions() &
                  (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    DbHandle h = Open(101);
    Add(h, 7, 1);
    Reopen();
    h = Open(101);
    EXPECT_EQ(Walk(h), (std::vector<quint32>{7}));
}

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void RunSql(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

} // namespace

TEST_F(RecordStoreTest, FilesThatAreNotAReadableStoreAreRefusedAndLeftAlone)
{
    // A real store with enough records to span many pages.
    DbHandle h = Open(101);
    {
        RecordStore::Batch batch(Store());
        for (quint32 i = 1; i <= 400; ++i)
            Add(h, i, i % 7 + 1, QString(40, QLatin1Char('n')));
    }
    m_store.reset();
    const QByteArray good = ReadAll(StorePath());
    ASSERT_GT(good.size(), 16 * 4096);

    struct Case
    {
        const char* name;
        std::function<void(const QString&)> make;
        RecordStore::OpenError expected;
    };
    const std::vector<Case> cases = {
        {"text file", [](const QString& p) { WriteAll(p, "name,energy\nbread,250\n"); },
         RecordStore::OpenError::NotAStore},
        {"short file", [](const QString& p) { WriteAll(p, QByteArray("SQLite format 3\0", 16)); },
         RecordStore::OpenError::NotAStore},
        {"truncated store", [&](const QString& p) { WriteAll(p, good.left(good.size() / 2)); },
         RecordStore::OpenError::Damaged},
        {"another program's database",
         [](const QString& p) { RunSql(p, "CREATE TABLE notes(x); INSERT INTO notes VALUES (1);"); },
         RecordStore::OpenError::ForeignStore},
        {"newer layout",
         [&](const QString& p) {
             WriteAll(p, good);
             RunSql(p, "PRAGMA user_version=99;");
         },
         RecordStore::OpenError::NewerVersion},
    };
    for (const Case& c : cases) {
        const QString path = m_dir.filePath(QStringLiteral("case-%1.db").arg(QString::fromLatin1(c.name)));
        c.make(path);
        const QByteArray before = ReadAll(path);
        RecordStore::OpenError error = RecordStore::OpenError::None;
        QString message;
        EXPECT_FALSE(RecordStore::Open(path, &error, &message)) << c.name;
        EXPECT_EQ(error, c.expected) << c.name;
        EXPECT_TRUE(message.contains(path)) << message.toStdString();
        EXPECT_EQ(ReadAll(path), before) << c.name;
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-journal"))) << c.name;
    }

    // An empty file, as left by a start that stopped at once, becomes a store.
    const QString empty = m_dir.filePath(QStringLiteral("empty.db"));
    WriteAll(empty, QByteArray());
    EXPECT_TRUE(RecordStore::Open(empty, nullptr, nullptr));
}

TEST_F(RecordStoreTest, DamagedPagesAreFoundByTheFullCheckAndAfterAnUncleanEnd)
{
    DbHandle h = Open(101);
    {
        RecordStore::Batch batch(Store());
        for (quint32 i = 1; i <= 400; ++i)
            Add(h, i, i % 7 + 1, QString(40, QLatin1Char('n')));
    }
    QString finding;
    EXPECT_TRUE(Store().CheckPages(&finding));
    EXPECT_EQ(finding, QStringLiteral("ok"));
    m_store.reset();
    // Garbage over the middle of the file, header and length intact.
    QByteArray bytes = ReadAll(StorePath());
    for (int i = 0; i < 4096; ++i)
        bytes[static_cast<int>(bytes.size() / 2 / 4096 * 4096) + i] = static_cast<char>(0xA5);
    WriteAll(StorePath(), bytes);

    // After a clean end the start stays quick; the full check finds the damage.
    std::unique_ptr<RecordStore> store = RecordStore::Open(StorePath(), nullptr, nullptr);
    ASSERT_TRUE(store);
    EXPECT_FALSE(store->CheckPages(&finding));
    EXPECT_NE(finding, QStringLiteral("ok"));
    store.reset();

    // With the log of an unfinished session beside it, the store is refused and left alone.
    QFile wal(StorePath() + QStringLiteral("-wal"));
    ASSERT_TRUE(wal.open(QIODevice::WriteOnly));
    wal.write(QByteArray(32, '\0')); // not a valid log: SQLite ignores it, the check still runs
    wal.close();
    RecordStore::OpenError error = RecordStore::OpenError::None;
    EXPECT_FALSE(RecordStore::Open(StorePath(), &error, nullptr));
    EXPECT_EQ(error, RecordStore::OpenError::Damaged);
    EXPECT_EQ(ReadAll(StorePath()), bytes);
}

namespace {

// The SQL of each index of the records, by name.
std::map<QString, QString> RecordIndexes(const QString& path)
{
    std::map<QString, QString> indexes;
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
        sqlite3_prepare_v2(
            db, "SELECT name, sql FROM sqlite_schema WHERE type = 'index' AND tbl_name = 'records'", -1, &st,
            nullptr) == SQLITE_OK)
        while (sqlite3_step(st) == SQLITE_ROW)
            indexes[QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)))] =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return indexes;
}

} // namespace

TEST_F(RecordStoreTest, TheThirdAndFourthKeysAreIndexedOnlyWhereSetAndOlderStoresAreMadeSo)
{
    // No database sorts by a fourth key and few by a third: an index row per record for them
    // would only slow every write.
    const auto lean = [](const std::map<QString, QString>& indexes) {
        return indexes.size() == 5 &&
               indexes.at(QStringLiteral("records_k3")).contains(QStringLiteral("k3 IS NOT NULL")) &&
               indexes.at(QStringLiteral("records_k4")).contains(QStringLiteral("k4 IS NOT NULL")) &&
               !indexes.at(QStringLiteral("records_k2")).contains(QStringLiteral("WHERE"));
    };
    EXPECT_TRUE(lean(RecordIndexes(StorePath())));

    DbHandle h = Open();
    // Odd ids with a third key, even ones without.
    for (quint32 i = 1; i <= 4; ++i) {
        std::vector<PropVal> p = {PropVal::UI4(101, i)};
        if (i % 2)
            p.push_back(PropVal::Text(303, QStringLiteral("odd")));
        Store().WriteProps(h, Target::New, p);
    }
    m_store.reset();
    // The layout stores had before: every key indexed for every record.
    RunSql(StorePath(),
           "DROP INDEX records_k3; DROP INDEX records_k4;"
           "CREATE INDEX records_k3 ON records(db, k3); CREATE INDEX records_k4 ON records(db, k4);");
    ASSERT_FALSE(lean(RecordIndexes(StorePath())));
    {
        // Another program writing: the store opens at once, as it is, and without a failure.
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(StorePath()).constData(), &other), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        Reopen();
        EXPECT_TRUE(Store().FailureText().isEmpty());
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        m_store.reset();
        EXPECT_FALSE(lean(RecordIndexes(StorePath())));
    }
    Reopen();
    EXPECT_TRUE(lean(RecordIndexes(StorePath())));

    // Walks and finds on the third key, set or not, find what they did.
    h = Open(303);
    EXPECT_EQ(Walk(h), (std::vector<quint32>{2, 4, 1, 3}));
    ASSERT_TRUE(Store().FindFirstEqual(h, PropVal::Text(303, QStringLiteral("odd"))));
    EXPECT_EQ(IdAt(h), 1u);
    ASSERT_TRUE(Store().FindNextEqual(h, PropVal::Text(303, QStringLiteral("odd"))));
    EXPECT_EQ(IdAt(h), 3u);
}

TEST_F(RecordStoreTest, AnyRecordHoldsAValueOnAnyPropertyOfItsOwnDatabase)
{
    DbHandle h = Open();
    Add(h, 1, 5, QStringLiteral("Roots"));
    ASSERT_TRUE(Store().CreateDb(QStringLiteral("Others"), 43, {{101, PropType::UI4}}));
    DbHandle other;
    ASSERT_TRUE(Store().OpenDb(other, QStringLiteral("Others"), 0));
    Store().WriteProps(other, Target::New,
                       {PropVal::UI4(101, 9), PropVal::Text(404, QStringLiteral("Root"))});

    const PropVal root = PropVal::Text(404, QStringLiteral("Root"));
    EXPECT_FALSE(Store().AnyRecordHolds(h, root)) << "a longer text, or another database's record";
    EXPECT_TRUE(Store().AnyRecordHolds(other, root));
    Add(h, 2, 0, QStringLiteral("Root"));
    EXPECT_TRUE(Store().AnyRecordHolds(h, root));
    EXPECT_FALSE(Store().AnyRecordHolds(h, PropVal::Text(405, QStringLiteral("Root")))) << "another property";
    EXPECT_TRUE(Store().AnyRecordHolds(h, PropVal::UI4(202, 5)));
}
