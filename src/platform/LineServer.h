#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

// A local socket, open to this user alone, that takes messages of one line and answers each
// with one line once it has been handled: the listening side of the single instance and of the
// companion's endpoint.
class LineServer : public QObject
{
    Q_OBJECT

public:
    // The answer to a line (both without the line end).
    using Handler = std::function<QByteArray(const QByteArray& line)>;

    explicit LineServer(Handler handler, QObject* parent = nullptr);
    ~LineServer() override;

    // Listens under the name. A socket file in the way is left by a program that did not end
    // cleanly: it is removed, and listening tried once more.
    bool Listen(const QString& name);
    // Stops listening and removes the socket file.
    void Close();

private:
    void Answer(QLocalSocket* socket);

    Handler m_handler;
    QLocalServer* m_server = nullptr;
};
