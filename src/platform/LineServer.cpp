#include "LineServer.h"

#include <QLocalServer>
#include <QLocalSocket>

LineServer::LineServer(Handler handler, QObject* parent) : QObject(parent), m_handler(std::move(handler)) {}

LineServer::~LineServer()
{
    Close();
}

bool LineServer::Listen(const QString& name)
{
    Close();
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        QLocalServer::removeServer(name);
        if (!m_server->listen(name)) {
            Close();
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Answer(socket); });
        }
    });
    return true;
}

void LineServer::Close()
{
    if (!m_server)
        return;
    m_server->close(); // removes the socket file
    delete m_server;
    m_server = nullptr;
}

void LineServer::Answer(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        socket->write(m_handler(socket->readLine().trimmed()) + '\n');
        socket->flush();
    }
}
