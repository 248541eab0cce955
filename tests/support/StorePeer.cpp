// A second process on the same store, for tests of sharing between processes.
//   store_peer STORE add-exchange YYYY-MM-DD PROFILE EXPENDITURE WEIGHT
//   store_peer STORE add-food ID NAME
//   store_peer STORE add-meals ROUNDS FOOD YYYY-MM-DD...
//       ROUNDS meals of the open profile, on the dates in turn, each as vellamo-cli adds one
//       (the day opened, the entry written, the day computed and saved); prints each entry's id
//       once it is written.
#include "diary/CFoodDBDoc.h"
#include "platform/Clock.h"
#include "platform/RecordStore.h"
#include "storage/CDiaryTable.h"
#include "storage/CFoodTable.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    QString message;
    std::unique_ptr<RecordStore> store = RecordStore::Open(args[1], nullptr, &message);
    if (!store) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return 3;
    }
    if (args[2] == QLatin1String("add-exchange") && args.size() == 7) {
        LocalDateTime day;
        if (!Clock::ParseNow(args[3], &day))
            return 2;
        DbHandle h;
        const QString name = QString::fromLatin1(CDiaryTable::kExchangeName);
        store->CreateDb(
            name, 1000,
            {{CDiaryTable::kExDateProp, PropType::FileTime}, {CDiaryTable::kExProfileProp, PropType::UI4}});
        if (!store->OpenDb(h, name, CDiaryTable::kExDateProp))
            return 4;
        const RecordOid oid =
            store->WriteProps(h, RecordStore::WriteTarget::New,
                              {PropVal::Time(CDiaryTable::kExDateProp, FileTime::FromLocal(day)),
                               PropVal::UI4(CDiaryTable::kExStampProp, 0),
                               PropVal::UI4(CDiaryTable::kExProfileProp, args[4].toUInt()),
                               PropVal::R8(CDiaryTable::kExIntakeProp, 0),
                               PropVal::R8(CDiaryTable::kExExpenditureProp, args[5].toDouble()),
                               PropVal::R8(CDiaryTable::kExWeightProp, args[6].toDouble())});
        return oid ? 0 : 5;
    }
    if (args[2] == QLatin1String("add-food") && args.size() == 5) {
        CFoodTable foods(*store);
        if (!foods.NewRecord(args[3].toUInt()))
            return 5;
        foods.Buffer().name = args[4];
        return foods.Save() ? 0 : 5;
    }
    if (args[2] == QLatin1String("add-meals") && args.size() >= 6) {
        SystemClock clock;
        CFoodDBDoc doc(*store, clock);
        if (!doc.OpenMarkedProfile())
            return 4;
        const int rounds = args[3].toInt();
        const quint32 food = args[4].toUInt();
        const QStringList dates = args.mid(5);
        for (int r = 0; r < rounds; ++r) {
            LocalDateTime day;
            if (!Clock::ParseNow(dates[r % dates.size()], &day))
                return 2;
            doc.SetCurrentDate(FileTime::FromLocal(day));
            doc.OpenDay();
            const quint32 id =
                doc.AddMealEntry(food, 40, 1, QStringLiteral("slice"), FileTime::FromLocal(day));
            if (id == 0 || store->HasFailed())
                return 5;
            doc.ComputeDay(doc.Day().id);
            doc.SaveDay();
            if (store->HasFailed())
                return 5;
            std::printf("%u\n", id);
            std::fflush(stdout);
        }
        return 0;
    }
    return 2;
}
