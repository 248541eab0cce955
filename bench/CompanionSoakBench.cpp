// Soak of the exchange with the companion: the stand-in writes its exchange record and sends the
// exchange message every 10 ms while Vellamo saves the day every 10 ms and answers the messages.
// Rounds: VELLAMO_SOAK_ROUNDS (default 10,000).
#include "BenchHomes.h"
#include "app/CompanionLink.h"
#include "platform/ExchangeChannel.h"
#include "support/StandIn.h"

#include <QElapsedTimer>
#include <QThread>

#include <benchmark/benchmark.h>

namespace {

// Sockets need the main thread's event loop.
void EnsureApplication()
{
    static int argc = 1;
    static char arg0[] = "vellamo_bench";
    static char* argv[] = {arg0, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

void BM_CompanionSoak(benchmark::State& state)
{
    EnsureApplication();
    const int rounds = qEnvironmentVariableIsSet("VELLAMO_SOAK_ROUNDS")
                           ? qEnvironmentVariableIntValue("VELLAMO_SOAK_ROUNDS")
                           : 10000;
    for (auto _ : state) {
        state.PauseTiming();
        Home home;
        FixedClock clock{LocalDateTime{2026, 12, 9, 20, 0, 0, 0}};
        Registry registry(home.folders.RegistryPath(false), home.folders.RegistryPath(true));
        StandIn standIn;
        if (!standIn.Start(home.dir.path())) {
            state.SkipWithError("the stand-in did not start");
            return;
        }
        CFoodDBDoc doc(*home.store, clock);
        const quint32 profile = doc.NewProfile();
        doc.OpenDay();
        // Vellamo's side: its endpoint published, every message makes the day be read again.
        ExchangeEndpoint endpoint;
        endpoint.Listen(static_cast<quint32>(QCoreApplication::applicationPid()));
        Registry::Key key;
        registry.OpenKey(Registry::Hive::CurrentUser, QStringLiteral("Software\\Vellamo\\Vellamo"), &key);
        key.SetDword(QStringLiteral("HWND"), endpoint.Number());
        int received = 0;
        QObject::connect(&endpoint, &ExchangeEndpoint::exchangeReceived, [&] {
            ++received;
            doc.OpenDay();
        });
        state.ResumeTiming();

        standIn.Process().write(
            QStringLiteral("soak %1 10 %2 2026-12-09\n").arg(rounds).arg(profile).toUtf8());
        int saves = 0;
        int lostSaves = 0;
        QElapsedTimer t;
        t.start();
        while (!standIn.Process().canReadLine() && standIn.Process().state() == QProcess::Running) {
            ++saves;
            const double weight = 60 + (saves % 1000) * 0.01;
            doc.SaveDay(weight, {});
            if (doc.StoredWeightOnDay(clock.Today()) != weight)
                ++lostSaves;
            const qint64 next = static_cast<qint64>(saves) * 10;
            while (t.elapsed() < next) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
                standIn.Process().waitForReadyRead(1);
                if (standIn.Process().canReadLine())
                    break;
            }
        }
        const QList<QByteArray> result = standIn.Process().readLine().trimmed().split(' ');
        // "soak N failed-writes F lost L untold U ms T"
        state.counters["rounds"] = result.value(1).toDouble();
        state.counters["standin_failed_writes"] = result.value(3).toDouble();
        state.counters["standin_lost"] = result.value(5).toDouble();
        state.counters["standin_untold"] = result.value(7).toDouble();
        state.counters["vellamo_saves"] = saves;
        state.counters["vellamo_lost_saves"] = lostSaves;
        state.counters["vellamo_messages"] = received;
    }
}
BENCHMARK(BM_CompanionSoak)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
