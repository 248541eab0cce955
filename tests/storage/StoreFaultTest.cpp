// Every operation the user asks for, run against a disk that fails at each point in turn: what is
// reported done must be on disk, nothing else may be called done, and the store opens afterwards.
#include "app/BackupRestore.h"
#include "diary/CFoodDBDoc.h"
#include "fooddb/NutrientImport.h"
#include "storage/CDiaryTable.h"
#include "storage/CFoodTable.h"
#include "storage/CMealTable.h"
#include "storage/CMeasuresTable.h"
#include "support/FaultVfs.h"
#include "support/RecordingMessageBox.h"
#include "support/TestStore.h"

#include <QDir>
#include <QFile>

#include <functional>

namespace {

using FaultVfs::Fault;

constexpr int kMaxFailurePoints = 80;

struct Outcome
{
    bool reported = false; // the operation said it was done, and the store noted no failure
};

struct Operation
{
    const char* name;
    std::vector<Fault> faults;
    std::function<Outcome(RecordStore&, const Clock&, const QString& docs)> run;
    // Checks the store as the next start finds it.
    std::function<void(RecordStore&, const Clock&, const QString& docs, bool reported)> check;
};

DayRecord StoredDay(RecordStore& store, const Clock& clock)
{
    CDiaryTable days(store, clock);
    days.FindDay(FileTime::FromDate(2026, 12, 9), 1);
    days.Load();
    return days.Buffer();
}

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class StoreFaultTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FaultVfs::Install();
        ASSERT_TRUE(m_dir.isValid());
        m_docs = m_dir.filePath(QStringLiteral("Documents"));
        QDir().mkpath(m_docs);
        // The store every run starts from: a profile, a food with a serving, a day with a meal,
        // and a backup set of a larger state (for the restore).
        auto store = RecordStore::Open(m_dir.filePath(QStringLiteral("template.db")), nullptr, nullptr);
        ASSERT_TRUE(store);
        CFoodDBDoc doc(*store, m_clock);
        ASSERT_EQ(doc.NewProfile(), 1u);
        CFoodTable foods(*store);
        CMeasuresTable measures(*store);
        foods.NewRecord(7);
        foods.Buffer().name = QStringLiteral("Rye bread");
        foods.Buffer().values[Nutrient::Energy] = 250;
        foods.Buffer().referenceWeight = 100;
        foods.Buffer().defaultServingId = measures.NewRecord(7);
        foods.Save();
        measures.Buffer().description = QStringLiteral("slice");
        measures.Buffer().weight = 40;
        measures.Save();
        for (quint32 id = 100; id < 140; ++id) {
            foods.NewRecord(id);
            foods.Buffer().name = QStringLiteral("Backed-up food %1").arg(id);
            foods.Save();
        }
        QDir().mkpath(m_dir.filePath(QStringLiteral("set")));
        BackupRestore(*store, m_clock, m_dir.filePath(QStringLiteral("set")), nullptr, nullptr).BackupAll();
        for (quint32 id = 100; id < 140; ++id)
            if (foods.FindId(id))
                foods.DeleteCurrent();
        doc.SetCurrentDate(FileTime::FromDate(2026, 12, 9));
        doc.OpenDay();
        doc.AddMealEntry(7, 40, 1, QStringLiteral("slice"), FileTime::FromDate(2026, 12, 9));
        doc.ComputeDay(doc.Day().id);
        doc.SaveDay();
        QFile csv(m_dir.filePath(QStringLiteral("three.csv")));
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        QByteArray text = "header" + QByteArray(",h").repeated(36) + "\n";
        for (int id : {501, 502, 503})
            text += QByteArray::number(id) + ",Fruits,Fresh,Food " + QByteArray::number(id) +
                    ",52,0.3,0.2,0,0,0,14,10,0,0,2.4,1,100,medium,182" + QByteArray(",0,0").repeated(9) +
                    "\n";
        csv.write(text);
    }

    // Runs the operation on a fresh copy of the template store with the fault armed after
    // `after` calls; false when the operation finished without meeting the fault.
    bool RunOnce(const Operation& op, Fault fault, int after)
    {
        const QString path = m_dir.filePath(QStringLiteral("run.db"));
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(path + QLatin1String(suffix));
        QFile::copy(m_dir.filePath(QStringLiteral("template.db")), path);
        for (const char* f : BackupRestore::kFileNames) {
            QFile::remove(m_docs + QLatin1Char('/') + QLatin1String(f));
            QFile::copy(m_dir.filePath(QStringLiteral("set/") + QLatin1String(f)),
                        m_docs + QLatin1Char('/') + QLatin1String(f));
        }
        bool tripped = false;
        Outcome outcome;
        {
            auto store = RecordStore::Open(path, nullptr, nullptr);
            EXPECT_TRUE(store);
            if (!store)
                return false;
            FaultVfs::Arm(fault, after);
            outcome = op.run(*store, m_clock, m_docs);
            outcome.reported = outcome.reported && !store->HasFailed();
            tripped = FaultVfs::Calls() > after;
            if (!tripped) {
                EXPECT_TRUE(outcome.reported) << op.name << ": no fault met, yet not done";
            }
        } // closed with the disk still failing, as a program ending on a full disk is
        FaultVfs::Disarm();
        QString message;
        auto reopened = RecordStore::Open(path, nullptr, &message);
        EXPECT_TRUE(reopened) << op.name << " after " << after << ": " << message.toStdString();
        if (!reopened)
            return false;
        QString finding;
        EXPECT_TRUE(reopened->CheckPages(&finding)) << finding.toStdString();
        op.check(*reopened, m_clock, m_docs, outcome.reported);
        return tripped;
    }

    void RunAll(const Operation& op)
    {
        for (Fault fault : op.faults) {
            int after = 0;
            while (after < kMaxFailurePoints && RunOnce(op, fault, after))
                ++after;
            SCOPED_TRACE(op.name);
            EXPECT_LT(after, kMaxFailurePoints) << "the operation kept meeting the fault";
            EXPECT_GT(after, 0) << "the fault was never met: the case tests nothing";
        }
    }

    QTemporaryDir m_dir;
    QString m_docs;
    FixedClock m_clock{LocalDateTime{2026, 12, 9, 14, 30, 0, 0}};
};

} // namespace

TEST_F(StoreFaultTest, NothingReportedDoneIsMissingAtAnyFailurePoint)
{
    const std::vector<Fault> writing = {Fault::FullDisk, Fault::WriteError, Fault::SyncError,
                                        Fault::ReadError};
    const std::vector<Operation> operations = {
        {"meal add", writing,
         [](RecordStore& store, const Clock& clock, const QString&) {
             CFoodDBDoc doc(store, clock);
             doc.OpenMarkedProfile();
             doc.SetCurrentDate(FileTime::FromDate(2026, 12, 9));
             doc.OpenDay();
             const quint32 id =
                 doc.AddMealEntry(7, 80, 2, QStringLiteral("slice"), FileTime::FromDate(2026, 12, 9));
             doc.ComputeDay(doc.Day().id);
             doc.SaveDay();
             return Outcome{id != 0};
         },
         [](RecordStore& store, const Clock& clock, const QString&, bool reported) {
             const quint32 entries = CMealTable(store).Count();
             EXPECT_TRUE(entries == 1 || entries == 2);
             if (reported) {
                 EXPECT_EQ(entries, 2u);
                 EXPECT_DOUBLE_EQ(StoredDay(store, clock).values[Nutrient::Energy], 300);
             }
         }},
        {"weight set", writing,
         [](RecordStore& store, const Clock& clock, const QString&) {
             CFoodDBDoc doc(store, clock);
             doc.OpenMarkedProfile();
             doc.SetCurrentDate(FileTime::FromDate(2026, 12, 9));
             doc.OpenDay();
             doc.SaveDay(72.5, doc.Day().params);
             return Outcome{true};
         },
         [](RecordStore& store, const Clock& clock, const QString&, bool reported) {
             if (reported) {
                 EXPECT_DOUBLE_EQ(StoredDay(store, clock).weight, 72.5);
             }
         }},
        {"import", writing,
         [this](RecordStore& store, const Clock&, const QString&) {
             const NutrientImport::Result r =
                 NutrientImport(store, nullptr, nullptr)
                     .ImportNutrientFile(m_dir.filePath(QStringLiteral("three.csv")), false);
             return Outcome{r.opened && r.stored && r.error.isEmpty() && r.added == 3};
         },
         [](RecordStore& store, const Clock&, const QString&, bool reported) {
             const quint32 foods = CFoodTable(store).Count();
             EXPECT_TRUE(foods == 1 || foods == 4) << foods; // all or nothing
             if (reported) {
                 EXPECT_EQ(foods, 4u);
             }
         }},
        {"restore", writing,
         [](RecordStore& store, const Clock& clock, const QString& docs) {
             return Outcome{BackupRestore(store, clock, docs, nullptr, nullptr).RestoreAll()};
         },
         [](RecordStore& store, const Clock&, const QString&, bool reported) {
             const quint32 foods = CFoodTable(store).Count();
             EXPECT_TRUE(foods == 1 || foods == 41) << foods; // all or nothing
             if (reported) {
                 EXPECT_EQ(foods, 41u);
             }
         }},
        {"backup",
         {Fault::ReadError},
         [](RecordStore& store, const Clock& clock, const QString& docs) {
             std::vector<QByteArray> old;
             for (const char* f : BackupRestore::kFileNames)
                 old.push_back(FileBytes(docs + QLatin1Char('/') + QLatin1String(f)));
             RecordingMessageBox box;
             const bool ok = BackupRestore(store, clock, docs, &box, nullptr).BackupAll();
             EXPECT_EQ(box.Texts().last() == QStringLiteral("Backup is finished!"), ok);
             if (!ok) {
                 for (size_t i = 0; i < BackupRestore::kFileNames.size(); ++i)
                     EXPECT_TRUE(FileBytes(docs + QLatin1Char('/') +
                                           QLatin1String(BackupRestore::kFileNames[i])) == old[i])
                         << BackupRestore::kFileNames[i];
             }
             return Outcome{ok};
         },
         [](RecordStore&, const Clock&, const QString& docs, bool reported) {
             if (reported) {
                 QByteArray food = FileBytes(docs + QStringLiteral("/ZELFood.bck"));
                 EXPECT_EQ(food.count('\n'), 1) << "the backup holds the one food of the store";
             }
         }},
    };
    for (const Operation& op : operations)
        RunAll(op);
}

TEST_F(StoreFaultTest, TheFailureIsToldInTheProgramsWordsOnce)
{
    auto store = RecordStore::Open(m_dir.filePath(QStringLiteral("template.db")), nullptr, nullptr);
    ASSERT_TRUE(store);
    QStringList told;
    store->SetFailureListener([&](const QString& text) { told << text; });
    CFoodDBDoc doc(*store, m_clock);
    doc.OpenMarkedProfile();
    doc.SetCurrentDate(FileTime::FromDate(2026, 12, 10));
    FaultVfs::Arm(Fault::FullDisk, 0);
    doc.OpenDay();
    EXPECT_EQ(doc.AddMealEntry(7, 40, 1, QStringLiteral("slice"), FileTime::FromDate(2026, 12, 10)), 0u);
    doc.SaveDay(70, doc.Day().params);
    FaultVfs::Disarm();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(
        QStringLiteral("Vellamo could not write to its data file \"%1\": the disk is full.")
            .arg(store->Path())))
        << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(QStringLiteral("(SQLite: ")));
    EXPECT_TRUE(store->HasFailed());
    store->ClearFailure();
    EXPECT_FALSE(store->HasFailed());
    EXPECT_NE(doc.AddMealEntry(7, 40, 1, QStringLiteral("slice"), FileTime::FromDate(2026, 12, 10)), 1u);
}

TEST_F(StoreFaultTest, AReadOnlyFileIsFoundBeforeAnythingIsChanged)
{
    FaultVfs::Arm(Fault::ReadOnly, 0);
    QString message;
    auto store = RecordStore::Open(m_dir.filePath(QStringLiteral("template.db")), nullptr, &message);
    FaultVfs::Disarm();
    ASSERT_TRUE(store) << message.toStdString();
    EXPECT_FALSE(store->CanWrite(&message));
    EXPECT_TRUE(message.contains(QStringLiteral("cannot be written"))) << message.toStdString();
    // Reading works all the same.
    CFoodDBDoc doc(*store, m_clock);
    EXPECT_TRUE(doc.OpenMarkedProfile());
    EXPECT_FALSE(store->HasReadFailure());
}
