// Reads any bytes as a backup file, as a restore does before it changes anything.
#include "FuzzFile.h"
#include "storage/BackupFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BackupFile::Record> records;
    QString error;
    const bool ok = BackupFile::Read(FuzzInputFile(data, size), &records, &error);
    if (ok != error.isEmpty())
        __builtin_trap(); // success says nothing, failure says why
    return 0;
}
