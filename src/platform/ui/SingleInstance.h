#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per data folder: the first start listens on a per-user local socket, a
// later start asks it to come to the front and then ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& storePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another instance answered; it has been asked to come to the front.
    bool ActivateRunning();
    // Starts listening for later starts.
    bool Listen();
    const QString& Name() const { return m_name; }

signals:
    void raiseRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};
