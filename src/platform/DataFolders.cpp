#include "DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

DataFolders DataFolders::ForHome(const QString& home)
{
    DataFolders f;
    f.m_dataDir = QDir::cleanPath(home);
    f.m_documentsDir = QDir::cleanPath(home + QStringLiteral("/Documents"));
    return f;
}

DataFolders DataFolders::FromEnvironment()
{
    const QString home = qEnvironmentVariable("VELLAMO_HOME");
    if (!home.isEmpty())
        return ForHome(home);
    DataFolders f;
    f.m_dataDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Vellamo");
    f.m_documentsDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return f;
}

QString DataFolders::StorePath() const
{
    return m_dataDir + QStringLiteral("/Vellamo.db");
}

QString DataFolders::RegistryPath(bool localMachine) const
{
    const QString path = m_dataDir + (localMachine ? QStringLiteral("/installed-programs.txt")
                                                   : QStringLiteral("/settings.txt"));
    // Earlier versions named the files after the registry hives they stand in for: such a file
    // is taken over under the new name, or, where the folder refuses the rename, used as it is.
    const QString old = m_dataDir + (localMachine ? QStringLiteral("/Registry-LocalMachine.txt")
                                                  : QStringLiteral("/Registry-CurrentUser.txt"));
    if (!QFile::exists(path) && QFile::exists(old) && !QFile::rename(old, path) && !QFile::exists(path))
        return old;
    return path;
}

QString DataFolders::DefaultNutrientDatabasePath() const
{
    return DocumentPath(QStringLiteral("Vellamo/Vellamo.csv"));
}

QString DataFolders::DocumentPath(const QString& fileName) const
{
    return m_documentsDir + QLatin1Char('/') + fileName;
}

bool DataFolders::EnsureExists(QString* error) const
{
    QDir dir;
    const bool dataExisted = dir.exists(m_dataDir);
    if (!dir.mkpath(m_dataDir)) {
        if (error)
            *error = QCoreApplication::translate("DataFolders", "Cannot create the data folder \"%1\".")
                         .arg(m_dataDir);
        return false;
    }
    if (!dataExisted)
        QFile::setPermissions(m_dataDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!dir.mkpath(m_documentsDir)) {
        if (error)
            *error = QCoreApplication::translate("DataFolders", "Cannot create the documents folder \"%1\".")
                         .arg(m_documentsDir);
        return false;
    }
    return true;
}
