// Linked into the test build of vellamo-cli: arms the failing VFS before main runs.
#include "support/FaultVfs.h"

namespace {

const bool g_armed = (FaultVfs::ArmFromEnvironment(), true);

} // namespace
