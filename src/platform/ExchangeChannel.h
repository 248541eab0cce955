#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class LineServer;

// The notification channel between Vellamo and its companion training log. Each program listens
// on a per-user local socket named after the number it publishes in the registry ("HWND"); a
// message is one line, answered by one line once the receiver has handled it:
//   "RVLZEL_EXCHANGE <seconds> 0"   a day changed (seconds since 1970, local time)  -> "0"
//   "RAISE"                         come to the front                               -> "0"
namespace ExchangeChannel {

// How long a sender waits for the answer: a peer that hangs cannot freeze the diary longer.
constexpr int kAnswerMs = 1000;

QString EndpointName(quint32 number);
// Sends one line and waits for its answer; false when nobody listens or no answer comes in time.
bool Send(quint32 number, const QByteArray& line, QByteArray* answer = nullptr, int timeoutMs = kAnswerMs);
bool SendExchange(quint32 number, quint32 seconds, int timeoutMs = kAnswerMs);
bool SendRaise(quint32 number, int timeoutMs = kAnswerMs);

} // namespace ExchangeChannel

// The receiving end: listens under a number and reports each message before answering it.
class ExchangeEndpoint : public QObject
{
    Q_OBJECT

public:
    explicit ExchangeEndpoint(QObject* parent = nullptr);
    ~ExchangeEndpoint() override;

    bool Listen(quint32 number);
    quint32 Number() const { return m_number; }

signals:
    void exchangeReceived(quint32 seconds);
    void raiseRequested();

private:
    QByteArray Handle(const QByteArray& line);

    LineServer* m_server;
    quint32 m_number = 0;
};
