#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
constexpr int kAnswerMs = 2000;
const QByteArray kRaise = "raise\n";
const QByteArray kDone = "ok\n";
} // namespace

SingleInstance::SingleInstance(const QString& storePath, QObject* parent) : QObject(parent)
{
    const QByteArray hash = QCryptographicHash::hash(storePath.toUtf8(), QCryptographicHash::Sha256).toHex();
    m_name = QStringLiteral("vellamo-%1").arg(QString::fromLatin1(hash.left(20)));
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::ActivateRunning()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write(kRaise);
    socket.waitForBytesWritten(kAnswerMs);
    // An instance that accepts but never answers is hung; it still owns the data folder.
    socket.waitForReadyRead(kAnswerMs);
    return true;
}

bool SingleInstance::Listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket file left by a program that crashed: nobody answered on it, so take it over.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kRaise.trimmed())) {
                    emit raiseRequested();
                    socket->write(kDone);
                    socket->flush();
                }
            });
        }
    });
    return true;
}
