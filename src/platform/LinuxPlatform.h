#pragma once

#include "platform/Platform.h"

// The Linux backends of every platform service. QUILLET_DRY_RUN=1 replaces the power actions with
// a log line each.
namespace LinuxPlatform {

PlatformServices services();

} // namespace LinuxPlatform
