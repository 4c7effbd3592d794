// The Win32 surface that the modules are written against.
//
// Product code includes this header (and wbf.h) and nothing else of the
// operating system. On Windows it is the system headers; elsewhere it is our
// own declarations with the Windows ABI sizes, implemented by the host
// library in platform/host.
#pragma once

#if defined(_WIN32)
#include "windows/win32_windows.h"
#else
#include "host/win32_host.h"
#endif

// UTF-16 string literals: WSTR("KvoMocUtil") is a const WCHAR* on every
// platform (WCHAR is wchar_t on Windows and char16_t on the host).
#if defined(_WIN32)
#define WSTR_(s) L##s
#else
#define WSTR_(s) u##s
#endif
#define WSTR(s) WSTR_(s)
