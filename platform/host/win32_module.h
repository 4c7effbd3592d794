// Module entry: the loader calls each module's DllMain with these reasons.
#pragma once

#include "win32_types.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3
