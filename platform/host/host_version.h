// Control side of the host's operating-system version: major 10, minor 0
// and a build number that tests set. VerifyVersionInfoW compares against it.
#pragma once

#include "win32_types.h"

namespace host {

// The build number reported from now on (26100 until a test sets another).
void SetBuildNumber(DWORD build);
DWORD BuildNumber();

}  // namespace host
