// Debugger output.
#pragma once

#include "win32_types.h"

extern "C" {
void WINAPI OutputDebugStringA(LPCSTR outputString);
}
