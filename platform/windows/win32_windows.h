// The Win32 surface on Windows: the system headers, plus the few
// declarations that the MinGW-w64 headers we cross-compile with lack. The
// names and values are the platform's own, so product code reads the same
// here as against the host declarations in platform/host.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>
#include <winioctl.h>
#include <winsvc.h>
#include <evntrace.h>
#include <wtsapi32.h>

// The run-time library's file streams and access test (_fsopen, _access).
#include <io.h>
#include <share.h>
#include <stdio.h>

#if defined(__MINGW32__)
#include "wts_session_info_ex.h"
#endif

// Win32 error codes that these headers do not define.
#ifndef ERROR_DRIVER_PROCESS_TERMINATED
#define ERROR_DRIVER_PROCESS_TERMINATED 1291L
#endif
