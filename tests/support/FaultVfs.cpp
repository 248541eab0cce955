#include "FaultVfs.h"

#include <sqlite3.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>

namespace FaultVfs {

namespace {

std::atomic<Fault> g_fault{Fault::None};
std::atomic<int> g_after{0};
std::atomic<int> g_calls{0};
sqlite3_vfs* g_real = nullptr;
sqlite3_vfs g_vfs;

struct File
{
    sqlite3_file base;
    sqlite3_file* real;
    bool mainDb;
};

sqlite3_file* Real(sqlite3_file* f)
{
    return reinterpret_cast<File*>(f)->real;
}

// True when this call of the armed kind is to fail.
bool Trips(Fault kind)
{
    if (g_fault.load() != kind)
        return false;
    return g_calls.fetch_add(1) >= g_after.load();
}

int Close(sqlite3_file* f)
{
    sqlite3_file* real = Real(f);
    const int rc = real->pMethods ? real->pMethods->xClose(real) : SQLITE_OK;
    return rc;
}

int Read(sqlite3_file* f, void* buf, int n, sqlite3_int64 off)
{
    if (reinterpret_cast<File*>(f)->mainDb && Trips(Fault::ReadError))
        return SQLITE_IOERR_READ;
    return Real(f)->pMethods->xRead(Real(f), buf, n, off);
}

int Write(sqlite3_file* f, const void* buf, int n, sqlite3_int64 off)
{
    if (Trips(Fault::FullDisk))
        return SQLITE_FULL;
    if (Trips(Fault::WriteError))
        return SQLITE_IOERR_WRITE;
    return Real(f)->pMethods->xWrite(Real(f), buf, n, off);
}

int Truncate(sqlite3_file* f, sqlite3_int64 size)
{
    return Real(f)->pMethods->xTruncate(Real(f), size);
}

int Sync(sqlite3_file* f, int flags)
{
    if (Trips(Fault::SyncError))
        return SQLITE_IOERR_FSYNC;
    return Real(f)->pMethods->xSync(Real(f), flags);
}

int FileSize(sqlite3_file* f, sqlite3_int64* size)
{
    return Real(f)->pMethods->xFileSize(Real(f), size);
}

int Lock(sqlite3_file* f, int level)
{
    return Real(f)->pMethods->xLock(Real(f), level);
}

int Unlock(sqlite3_file* f, int level)
{
    return Real(f)->pMethods->xUnlock(Real(f), level);
}

int CheckReservedLock(sqlite3_file* f, int* out)
{
    return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
}

int FileControl(sqlite3_file* f, int op, void* arg)
{
    return Real(f)->pMethods->xFileControl(Real(f), op, arg);
}

int SectorSize(sqlite3_file* f)
{
    return Real(f)->pMethods->xSectorSize(Real(f));
}

int DeviceCharacteristics(sqlite3_file* f)
{
    return Real(f)->pMethods->xDeviceCharacteristics(Real(f));
}

int ShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out)
{
    return Real(f)->pMethods->xShmMap(Real(f), region, size, extend, out);
}

int ShmLock(sqlite3_file* f, int offset, int n, int flags)
{
    return Real(f)->pMethods->xShmLock(Real(f), offset, n, flags);
}

void ShmBarrier(sqlite3_file* f)
{
    Real(f)->pMethods->xShmBarrier(Real(f));
}

int ShmUnmap(sqlite3_file* f, int deleteFlag)
{
    return Real(f)->pMethods->xShmUnmap(Real(f), deleteFlag);
}

int Fetch(sqlite3_file* f, sqlite3_int64 off, int n, void** out)
{
    // No memory-mapped reads: every read goes through Read, where it can fail.
    (void)f;
    (void)off;
    (void)n;
    *out = nullptr;
    return SQLITE_OK;
}

int Unfetch(sqlite3_file* f, sqlite3_int64 off, void* p)
{
    return p ? Real(f)->pMethods->xUnfetch(Real(f), off, p) : SQLITE_OK;
}

const sqlite3_io_methods kMethods = {
    3,
    Close,
    Read,
    Write,
    Truncate,
    Sync,
    FileSize,
    Lock,
    Unlock,
    CheckReservedLock,
    FileControl,
    SectorSize,
    DeviceCharacteristics,
    ShmMap,
    ShmLock,
    ShmBarrier,
    ShmUnmap,
    Fetch,
    Unfetch,
};

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags)
{
    File* file = reinterpret_cast<File*>(f);
    file->base.pMethods = nullptr;
    file->real = reinterpret_cast<sqlite3_file*>(file + 1);
    file->mainDb = (flags & SQLITE_OPEN_MAIN_DB) != 0;
    if (file->mainDb && g_fault.load() == Fault::ReadOnly)
        flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
    const int rc = g_real->xOpen(g_real, name, file->real, flags, outFlags);
    if (rc == SQLITE_OK && file->real->pMethods)
        file->base.pMethods = &kMethods;
    return rc;
}

int Delete(sqlite3_vfs*, const char* name, int syncDir)
{
    return g_real->xDelete(g_real, name, syncDir);
}

int Access(sqlite3_vfs*, const char* name, int flags, int* out)
{
    return g_real->xAccess(g_real, name, flags, out);
}

int FullPathname(sqlite3_vfs*, const char* name, int n, char* out)
{
    return g_real->xFullPathname(g_real, name, n, out);
}

void* DlOpen(sqlite3_vfs*, const char* name)
{
    return g_real->xDlOpen(g_real, name);
}

void DlError(sqlite3_vfs*, int n, char* out)
{
    g_real->xDlError(g_real, n, out);
}

void (*DlSym(sqlite3_vfs*, void* h, const char* sym))(void)
{
    return g_real->xDlSym(g_real, h, sym);
}

void DlClose(sqlite3_vfs*, void* h)
{
    g_real->xDlClose(g_real, h);
}

int Randomness(sqlite3_vfs*, int n, char* out)
{
    return g_real->xRandomness(g_real, n, out);
}

int Sleep(sqlite3_vfs*, int us)
{
    return g_real->xSleep(g_real, us);
}

int CurrentTime(sqlite3_vfs*, double* out)
{
    return g_real->xCurrentTime(g_real, out);
}

int GetLastError(sqlite3_vfs*, int n, char* out)
{
    return g_real->xGetLastError ? g_real->xGetLastError(g_real, n, out) : 0;
}

int CurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out)
{
    return g_real->xCurrentTimeInt64(g_real, out);
}

} // namespace

void Install()
{
    if (g_real)
        return;
    g_real = sqlite3_vfs_find(nullptr);
    std::memset(&g_vfs, 0, sizeof g_vfs);
    g_vfs.iVersion = 2;
    g_vfs.szOsFile = static_cast<int>(sizeof(File)) + g_real->szOsFile;
    g_vfs.mxPathname = g_real->mxPathname;
    g_vfs.zName = "vellamo-fault";
    g_vfs.xOpen = Open;
    g_vfs.xDelete = Delete;
    g_vfs.xAccess = Access;
    g_vfs.xFullPathname = FullPathname;
    g_vfs.xDlOpen = DlOpen;
    g_vfs.xDlError = DlError;
    g_vfs.xDlSym = DlSym;
    g_vfs.xDlClose = DlClose;
    g_vfs.xRandomness = Randomness;
    g_vfs.xSleep = Sleep;
    g_vfs.xCurrentTime = CurrentTime;
    g_vfs.xGetLastError = GetLastError;
    g_vfs.xCurrentTimeInt64 = CurrentTimeInt64;
    sqlite3_vfs_register(&g_vfs, 1);
}

void Arm(Fault fault, int after)
{
    g_calls = 0;
    g_after = after;
    g_fault = fault;
}

void Disarm()
{
    g_fault = Fault::None;
}

int Calls()
{
    return g_calls.load();
}

void ArmFromEnvironment()
{
    const char* armed = std::getenv("VELLAMO_TEST_FAULT");
    if (!armed)
        return;
    Install();
    const std::string s(armed);
    const size_t colon = s.find(':');
    const std::string kind = s.substr(0, colon);
    const int after = colon == std::string::npos ? 0 : std::atoi(s.c_str() + colon + 1);
    if (kind == "full")
        Arm(Fault::FullDisk, after);
    else if (kind == "write")
        Arm(Fault::WriteError, after);
    else if (kind == "sync")
        Arm(Fault::SyncError, after);
    else if (kind == "read")
        Arm(Fault::ReadError, after);
    else if (kind == "readonly")
        Arm(Fault::ReadOnly, 0);
}

} // namespace FaultVfs
