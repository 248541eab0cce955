// ravelin-standin: a stand-in for the companion training log, showing how such a program talks to
// Vellamo (see doc/companion-exchange.md). It works on the data folder of VELLAMO_HOME (or the XDG
// folders), publishes its endpoint under "Software\Korvane\Ravelin" "HWND", answers Vellamo's
// messages and takes commands on standard input, one per line:
//   write PROFILE YYYY-MM-DD EXPENDITURE WEIGHT   writes the day's exchange record, then tells Vellamo
//   soak ROUNDS INTERVAL_MS PROFILE YYYY-MM-DD    writes and tells every interval, then prints its counts
//   quit
// Options: --log FILE (each message received: "exchange SECONDS" or "raise"), --hang (accepts
// messages and never answers, as a companion that hangs).
#include "app/CompanionLink.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/ExchangeChannel.h"
#include "platform/RecordStore.h"
#include "platform/Registry.h"
#include "storage/CDiaryTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QThread>

#include <cstdio>

#include <unistd.h>

namespace {

const QString kExchange = QString::fromLatin1(CDiaryTable::kExchangeName);

void Say(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The day's record of the exchange database, written as a training log would: its own figures
// (expenditure and weight) into the record of that profile and day, made when there is none.
bool WriteExchange(RecordStore& store, quint32 profile, FileTime day, double expenditure, double weight)
{
    store.CreateDb(
        kExchange, 1000,
        {{CDiaryTable::kExDateProp, PropType::FileTime}, {CDiaryTable::kExProfileProp, PropType::UI4}});
    DbHandle h;
    if (!store.OpenDb(h, kExchange, CDiaryTable::kExDateProp))
        return false;
    const quint32 stamp = day.SecondsSince1970();
    RecordStore::Batch batch(store);
    bool found = false;
    const PropVal date = PropVal::Time(CDiaryTable::kExDateProp, day);
    for (RecordOid o = store.FindFirstEqual(h, date); o && !found; o = store.FindNextEqual(h, date)) {
        std::vector<PropVal> props;
        if (!store.ReadProps(h, &props))
            continue;
        for (const PropVal& p : props)
            if (p.Id() == CDiaryTable::kExProfileProp && p.ToUInt() == profile)
                found = true;
    }
    bool ok = false;
    if (found)
        ok = store.WriteProps(h, RecordStore::WriteTarget::Current,
                              {PropVal::UI4(CDiaryTable::kExStampProp, stamp),
                               PropVal::R8(CDiaryTable::kExExpenditureProp, expenditure),
                               PropVal::R8(CDiaryTable::kExWeightProp, weight)}) != 0;
    else
        ok = store.WriteProps(h, RecordStore::WriteTarget::New,
                              {date, PropVal::UI4(CDiaryTable::kExStampProp, stamp),
                               PropVal::UI4(CDiaryTable::kExProfileProp, profile),
                               PropVal::R8(CDiaryTable::kExIntakeProp, 0),
                               PropVal::R8(CDiaryTable::kExExpenditureProp, expenditure),
                               PropVal::R8(CDiaryTable::kExWeightProp, weight)}) != 0;
    if (!ok)
        batch.Abandon();
    store.CloseDb(h);
    return batch.Commit() && ok;
}

// Vellamo's endpoint, as Vellamo publishes it.
quint32 VellamoNumber(const Registry& registry)
{
    Registry::Key key;
    quint32 number = 0;
    if (registry.OpenKey(Registry::Hive::CurrentUser, QStringLiteral("Software\\Vellamo\\Vellamo"), &key))
        key.QueryDword(QStringLiteral("HWND"), &number);
    return number;
}

bool ParseDay(const QByteArray& text, FileTime* day)
{
    LocalDateTime t;
    if (!Clock::ParseNow(QString::fromLatin1(text) + QStringLiteral("T00:00"), &t))
        return false;
    *day = FileTime::FromLocal(t);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString logPath;
    bool hang = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--log") && i + 1 < args.size())
            logPath = args[++i];
        else if (args[i] == QLatin1String("--hang"))
            hang = true;
        else {
            std::fprintf(stderr, "usage: ravelin-standin [--log FILE] [--hang]\n");
            return 2;
        }
    }

    const DataFolders folders = DataFolders::FromEnvironment();
    QString error;
    if (!folders.EnsureExists(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::unique_ptr<RecordStore> store = RecordStore::Open(folders.StorePath(), nullptr, &error);
    if (!store) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    Registry registry(folders.RegistryPath(false), folders.RegistryPath(true));

    auto log = [&](const QByteArray& line) {
        if (logPath.isEmpty())
            return;
        QFile f(logPath);
        if (f.open(QIODevice::Append))
            f.write(line + '\n');
    };

    const quint32 number = static_cast<quint32>(QCoreApplication::applicationPid());
    ExchangeEndpoint endpoint;
    QLocalServer hung;
    if (hang) {
        // Takes every message and never answers.
        hung.listen(ExchangeChannel::EndpointName(number));
        QObject::connect(&hung, &QLocalServer::newConnection, [&] {
            while (QLocalSocket* s = hung.nextPendingConnection())
                QObject::connect(s, &QLocalSocket::readyRead, s, [s] { s->readAll(); });
        });
    } else if (!endpoint.Listen(number)) {
        std::fprintf(stderr, "cannot listen\n");
        return 1;
    }
    int received = 0;
    QObject::connect(&endpoint, &ExchangeEndpoint::exchangeReceived, [&](quint32 seconds) {
        ++received;
        log("exchange " + QByteArray::number(seconds));
    });
    QObject::connect(&endpoint, &ExchangeEndpoint::raiseRequested, [&] { log("raise"); });

    // Publish the endpoint; make Vellamo's key so that Vellamo publishes its own at its start.
    Registry::Key key;
    registry.CreateKey(Registry::Hive::CurrentUser, QString::fromLatin1(CompanionLink::kCompanionKey), &key);
    key.SetDword(QStringLiteral("HWND"), number);
    Registry::Key vellamoKey;
    registry.CreateKey(Registry::Hive::CurrentUser, QStringLiteral("Software\\Vellamo\\Vellamo"),
                       &vellamoKey);

    QSocketNotifier input(0, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buf[4096];
        const ssize_t n = ::read(0, buf, sizeof buf);
        if (n <= 0) {
            app.quit();
            return;
        }
        pending.append(buf, static_cast<qsizetype>(n));
        while (pending.contains('\n')) {
            const QByteArray line = pending.left(pending.indexOf('\n')).trimmed();
            pending.remove(0, pending.indexOf('\n') + 1);
            const QList<QByteArray> w = line.split(' ');
            FileTime day;
            if (w.value(0) == "quit") {
                app.quit();
                return;
            }
            if (w.value(0) == "write" && w.size() == 5 && ParseDay(w[2], &day)) {
                const bool written =
                    WriteExchange(*store, w[1].toUInt(), day, w[3].toDouble(), w[4].toDouble());
                const bool told =
                    ExchangeChannel::SendExchange(VellamoNumber(registry), day.SecondsSince1970());
                Say("done " + QByteArray(written ? "written" : "failed") + (told ? " told" : " untold"));
            } else if (w.value(0) == "soak" && w.size() == 5 && ParseDay(w[4], &day)) {
                const int rounds = w[1].toInt();
                const int interval = w[2].toInt();
                const quint32 profile = w[3].toUInt();
                int failedWrites = 0;
                int untold = 0;
                int lost = 0;
                const SystemClock clock;
                CDiaryTable reader(*store, clock);
                QElapsedTimer t;
                t.start();
                for (int i = 1; i <= rounds; ++i) {
                    if (!WriteExchange(*store, profile, day, i, 70))
                        ++failedWrites;
                    CDiaryTable::Exchange back;
                    if (!reader.LookUpExchange(day, profile, &back) || back.expenditure != i)
                        ++lost;
                    if (!ExchangeChannel::SendExchange(VellamoNumber(registry), day.SecondsSince1970()))
                        ++untold;
                    QCoreApplication::processEvents();
                    const qint64 next = static_cast<qint64>(i) * interval;
                    if (t.elapsed() < next)
                        QThread::msleep(static_cast<unsigned long>(next - t.elapsed()));
                }
                Say("soak " + QByteArray::number(rounds) + " failed-writes " +
                    QByteArray::number(failedWrites) + " lost " + QByteArray::number(lost) + " untold " +
                    QByteArray::number(untold) + " ms " + QByteArray::number(t.elapsed()));
            } else if (!line.isEmpty()) {
                Say("error " + line);
            }
        }
    });
    Say("ready " + QByteArray::number(number));
    const int rc = app.exec();
    log("received " + QByteArray::number(received));
    return rc;
}
