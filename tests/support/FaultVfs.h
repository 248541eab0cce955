#pragma once

// A SQLite VFS around the system's own that fails on request, as a full disk, a failing disk or
// a damaged read would: installed as the default, it serves every store opened afterwards.
namespace FaultVfs {

enum class Fault
{
    None,
    FullDisk,   // writes fail with SQLITE_FULL
    WriteError, // writes fail with an I/O error
    SyncError,  // syncs fail with an I/O error
    ReadError,  // reads of the data file fail with an I/O error
    ReadOnly,   // the data file opens read-only, as a file without write permission does
};

// Registers the VFS as the default (once per process).
void Install();
// From now on, the calls of the fault's kind succeed `after` more times and then all fail.
void Arm(Fault fault, int after);
void Disarm();
// Calls of the armed kind seen since Arm.
int Calls();

// Arms from VELLAMO_TEST_FAULT ("full:N", "write:N", "sync:N", "read:N" or "readonly"), for test builds of
// the executables.
void ArmFromEnvironment();

} // namespace FaultVfs
