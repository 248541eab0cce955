#include "ExchangeChannel.h"

#include <QDeadlineTimer>
#include <QLocalServer>
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

ExchangeEndpoint::ExchangeEndpoint(QObject* parent) : QObject(parent) {}

ExchangeEndpoint::~ExchangeEndpoint() = default;

bool ExchangeEndpoint::Listen(quint32 number)
{
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = ExchangeChannel::EndpointName(number);
    if (!m_server->listen(name)) {
        // Left by an earlier process with this number that did not end cleanly.
        QLocalServer::removeServer(name);
        if (!m_server->listen(name))
            return false;
    }
    m_number = number;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Handle(socket); });
        }
    });
    return true;
}

void ExchangeEndpoint::Handle(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        const QList<QByteArray> words = socket->readLine().trimmed().split(' ');
        QByteArray answer = "ERR\n";
        if (words.value(0) == "RVLZEL_EXCHANGE" && words.size() == 3) {
            emit exchangeReceived(words[1].toUInt());
            answer = "0\n";
        } else if (words.value(0) == "RAISE") {
            emit raiseRequested();
            answer = "0\n";
        }
        socket->write(answer);
        socket->flush();
    }
}
