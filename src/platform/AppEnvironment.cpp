#include "AppEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

AppEnvironment::AppEnvironment(const DataFolders& folders, std::unique_ptr<Clock> clock,
                               std::unique_ptr<RecordStore> store)
    : m_folders(folders), m_clock(std::move(clock)),
      m_registry(folders.RegistryPath(false), folders.RegistryPath(true)), m_store(std::move(store))
{
}

std::unique_ptr<AppEnvironment> AppEnvironment::Open(QString* error)
{
    std::unique_ptr<Clock> clock = Clock::FromEnvironment(error);
    if (!clock)
        return nullptr;
    return Open(DataFolders::FromEnvironment(), std::move(clock), error);
}

std::unique_ptr<AppEnvironment> AppEnvironment::Open(const DataFolders& folders, std::unique_ptr<Clock> clock,
                                                     QString* error)
{
    if (!folders.EnsureExists(error))
        return nullptr;
    // Without it the first import says the file cannot be opened; the diary works all the same.
    InstallDefaultDatabase(folders, nullptr);
    RecordStore::OpenError code = RecordStore::OpenError::None;
    std::unique_ptr<RecordStore> store = RecordStore::Open(folders.StorePath(), &code, error);
    if (!store)
        return nullptr;
    return std::unique_ptr<AppEnvironment>(new AppEnvironment(folders, std::move(clock), std::move(store)));
}

std::unique_ptr<AppEnvironment> AppEnvironment::OpenToRead(QString* error)
{
    std::unique_ptr<Clock> clock = Clock::FromEnvironment(error);
    if (!clock)
        return nullptr;
    DataFolders folders = DataFolders::FromEnvironment();
    std::unique_ptr<QTemporaryDir> scratch;
    if (!QFileInfo::exists(folders.StorePath())) {
        scratch = std::make_unique<QTemporaryDir>();
        if (!scratch->isValid()) {
            *error = QCoreApplication::translate("AppEnvironment", "No scratch folder can be made: %1")
                         .arg(scratch->errorString());
            return nullptr;
        }
        folders = DataFolders::ForHome(scratch->path());
    }
    std::unique_ptr<RecordStore> store = RecordStore::Open(folders.StorePath(), nullptr, error);
    if (!store)
        return nullptr;
    std::unique_ptr<AppEnvironment> env(new AppEnvironment(folders, std::move(clock), std::move(store)));
    env->m_scratch = std::move(scratch);
    return env;
}

bool AppEnvironment::InstallDefaultDatabase(const DataFolders& folders, QString* error)
{
    const QString target = folders.DefaultNutrientDatabasePath();
    if (QFileInfo::exists(target))
        return true;
    QFile source(QStringLiteral(":/Vellamo.csv"));
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile out(target);
    if (!source.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly) ||
        out.write(source.readAll()) != source.size() || !out.commit()) {
        if (error)
            *error = QCoreApplication::translate("AppEnvironment",
                                                 "The default nutrient database cannot be written to \"%1\".")
                         .arg(target);
        return false;
    }
    return true;
}
