#pragma once

#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/RecordStore.h"
#include "platform/Registry.h"

#include <QTemporaryDir>

#include <memory>

// What every executable starts from: the folders, the clock, the registry and the open store.
class AppEnvironment
{
public:
    // Folders and clock from the environment, folders created, store opened. On failure null,
    // with a message for the user in *error; a store that cannot be read is left as it is.
    static std::unique_ptr<AppEnvironment> Open(QString* error);
    static std::unique_ptr<AppEnvironment> Open(const DataFolders& folders, std::unique_ptr<Clock> clock,
                                                QString* error);

    // For a look that changes nothing of the user's: the store as it is, without making folders
    // or the default database; with no store yet, an empty one in a private scratch folder that
    // goes with the environment.
    static std::unique_ptr<AppEnvironment> OpenToRead(QString* error);

    // Puts the default nutrient database where its first import looks, unless a file is there.
    static bool InstallDefaultDatabase(const DataFolders& folders, QString* error);

    const DataFolders& Folders() const { return m_folders; }
    const Clock& TheClock() const { return *m_clock; }
    Registry& TheRegistry() { return m_registry; }
    RecordStore& Store() { return *m_store; }

private:
    AppEnvironment(const DataFolders& folders, std::unique_ptr<Clock> clock,
                   std::unique_ptr<RecordStore> store);

    std::unique_ptr<QTemporaryDir> m_scratch; // outlives the store opened in it
    DataFolders m_folders;
    std::unique_ptr<Clock> m_clock;
    Registry m_registry;
    std::unique_ptr<RecordStore> m_store;
};
