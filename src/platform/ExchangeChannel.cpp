#include "ExchangeChannel.h"

#include "platform/LineServer.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

#include <unistd.h>

namespace ExchangeChannel {

QString EndpointName(quint32 number)
{
    return QStringLiteral("rvlzel-%1-%2").arg(::getuid()).arg(number);
}

bool Send(quint32 number, const QByteArray& line, QByteArray* answer, int timeoutMs)
{
    if (number == 0)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(EndpointName(number));
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
        return false;
    socket.write(line.endsWith('\n') ? line : line + '\n');
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
        return false;
    QByteArray got;
    while (!got.contains('\n')) {
        const qint64 left = deadline.remainingTime();
        if (left <= 0 || !socket.waitForReadyRead(static_cast<int>(left)))
            return false;
        got += socket.readAll();
    }
    if (answer)
        *answer = got.left(got.indexOf('\n'));
    return true;
}

bool SendExchange(quint32 number, quint32 seconds, int timeoutMs)
{
    return Send(number, "RVLZEL_EXCHANGE " + QByteArray::number(seconds) + " 0", nullptr, timeoutMs);
}

bool SendRaise(quint32 number, int timeoutMs)
{
    return Send(number, "RAISE", nullptr, timeoutMs);
}

} // namespace ExchangeChannel

ExchangeEndpoint::ExchangeEndpoint(QObject* parent)
    : QObject(parent), m_server(new LineServer([this](const QByteArray& line) { return Handle(line); }, this))
{
}

ExchangeEndpoint::~ExchangeEndpoint() = default;

bool ExchangeEndpoint::Listen(quint32 number)
{
    if (!m_server->Listen(ExchangeChannel::EndpointName(number)))
        return false;
    m_number = number;
    return true;
}

QByteArray ExchangeEndpoint::Handle(const QByteArray& line)
{
    const QList<QByteArray> words = line.split(' ');
    if (words.value(0) == "RVLZEL_EXCHANGE" && words.size() == 3) {
        emit exchangeReceived(words[1].toUInt());
        return "0";
    }
    if (words.value(0) == "RAISE") {
        emit raiseRequested();
        return "0";
    }
    return "ERR";
}
