// Linked into the test build of vellamo-cli: arms the failing VFS before main runs.
#include "FaultVfs.h"

namespace {

const bool g_armed = (FaultVfs::ArmFromEnvironment(), true);

} // namespace
