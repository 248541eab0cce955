#include "SingleInstance.h"

#include "platform/LineServer.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {
constexpr int kAnswerMs = 2000;
// How long a start waits for a program that holds the lock to listen.
constexpr int kClaimMs = 10000;
const QByteArray kRaise = "raise";
const QByteArray kDone = "ok";
} // namespace

SingleInstance::SingleInstance(const QString& storePath, QObject* parent)
    : QObject(parent), m_server(new LineServer([this](const QByteArray& line) { return Answer(line); }, this))
{
    const QByteArray hash = QCryptographicHash::hash(storePath.toUtf8(), QCryptographicHash::Sha256).toHex();
    // The runtime folder is the user's own (mode 0700), emptied when the user logs out.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString base =
        QDir(folder).filePath(QStringLiteral("vellamo-%1").arg(QString::fromLatin1(hash.left(20))));
    m_socketPath = base + QStringLiteral(".socket");
    m_lockPath = base + QStringLiteral(".lock");
}

SingleInstance::~SingleInstance()
{
    m_server->Close(); // before the lock goes: the next start finds no socket of ours
    if (m_lock)
        m_lock->unlock();
}

SingleInstance::Claim SingleInstance::Start()
{
    if (!QFileInfo(m_lockPath).isAbsolute()) // no runtime folder
        return Claim::Failed;
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    m_lock->setStaleLockTime(0); // only a lock whose program has died is stale
    const QDeadlineTimer deadline(kClaimMs);
    while (!deadline.hasExpired()) {
        // Holding the lock, a socket file left at its name is a dead program's.
        if (m_lock->tryLock(0))
            return m_server->Listen(m_socketPath) ? Claim::First : Claim::Failed;
        if (m_lock->error() == QLockFile::PermissionError || m_lock->error() == QLockFile::UnknownError)
            return Claim::Failed;
        // The holder may still be starting: it listens once it has the lock.
        if (AskRunningToRaise())
            return Claim::OtherRunning;
        QThread::msleep(20);
    }
    // A holder that never answers is hung; it still owns the data folder.
    return Claim::OtherRunning;
}

bool SingleInstance::AskRunningToRaise() const
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write(kRaise + '\n');
    socket.waitForBytesWritten(kAnswerMs);
    socket.waitForReadyRead(kAnswerMs);
    return true;
}

QByteArray SingleInstance::Answer(const QByteArray& line)
{
    if (line != kRaise)
        return "?";
    emit raiseRequested();
    return kDone;
}
