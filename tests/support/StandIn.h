#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

// The companion stand-in as a separate process on a data folder. While it is asked something,
// this process keeps handling its own events, so the stand-in's messages to it are answered.
class StandIn
{
public:
    bool Start(const QString& home, const QStringList& args = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELLAMO_HOME"), home);
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral(STANDIN_BIN), args);
        const QByteArray ready = ReadLine(10000);
        if (!ready.startsWith("ready "))
            return false;
        m_number = ready.mid(6).toUInt();
        return true;
    }

    ~StandIn()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.write("quit\n");
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished();
    }

    // One command; its answer line ("" when none came in time).
    QByteArray Ask(const QByteArray& command, int timeoutMs = 20000)
    {
        m_process.write(command + '\n');
        return ReadLine(timeoutMs);
    }

    quint32 Number() const { return m_number; }
    QProcess& Process() { return m_process; }

private:
    QByteArray ReadLine(int timeoutMs)
    {
        QElapsedTimer t;
        t.start();
        while (!m_process.canReadLine() && t.elapsed() < timeoutMs &&
               m_process.state() != QProcess::NotRunning) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            m_process.waitForReadyRead(5);
        }
        return m_process.canReadLine() ? m_process.readLine().trimmed() : QByteArray();
    }

    QProcess m_process;
    quint32 m_number = 0;
};
