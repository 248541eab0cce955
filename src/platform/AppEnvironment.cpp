#include "AppEnvironment.h"

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
    RecordStore::OpenError code = RecordStore::OpenError::None;
    std::unique_ptr<RecordStore> store = RecordStore::Open(folders.StorePath(), &code, error);
    if (!store)
        return nullptr;
    return std::unique_ptr<AppEnvironment>(new AppEnvironment(folders, std::move(clock), std::move(store)));
}
