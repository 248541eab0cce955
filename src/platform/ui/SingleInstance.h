#pragma once

#include <QObject>
#include <QString>

#include <memory>

class LineServer;
class QLockFile;

// One running program per data folder. The first start takes a lock in the user's runtime folder
// and listens on a socket beside it; a later start asks it to come to the front and ends. The
// lock of a program that died is taken over; lock and socket are removed when the program ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Claim
    {
        First,        // this program holds the lock and listens
        OtherRunning, // another program runs on the folder and was asked to come to the front
        Failed,       // neither: the runtime folder cannot be used
    };

    explicit SingleInstance(const QString& storePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    Claim Start();
    // The socket's path, and the lock's.
    const QString& SocketPath() const { return m_socketPath; }
    const QString& LockPath() const { return m_lockPath; }

signals:
    void raiseRequested();

private:
    bool AskRunningToRaise() const;
    QByteArray Answer(const QByteArray& line);

    QString m_socketPath;
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
    LineServer* m_server;
};
