// Placeholder: declarations arrive with the subsystem that first needs them.
#pragma once

#include "win32_types.h"
