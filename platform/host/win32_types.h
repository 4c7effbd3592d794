// Base Win32 types with the Windows x64 ABI sizes: DWORD, ULONG and LONG are
// 32-bit, WCHAR is 16-bit, pointers and handles are 64-bit.
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY
#define WINBASEAPI

typedef int BOOL;
typedef uint8_t BYTE;
typedef uint8_t UCHAR;
typedef uint8_t BOOLEAN;
typedef char CHAR;
typedef uint16_t WORD;
typedef uint16_t USHORT;
typedef int16_t SHORT;
typedef uint32_t DWORD;
typedef uint32_t ULONG;
typedef uint32_t UINT;
typedef int32_t LONG;
typedef int32_t INT;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef uint64_t ULONG64;
typedef uint64_t DWORD64;
typedef uint64_t DWORDLONG;
typedef int32_t HRESULT;
typedef size_t SIZE_T;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef char16_t WCHAR;

typedef void VOID;
typedef void* PVOID;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* PBYTE;
typedef BYTE* LPBYTE;
typedef UCHAR* PUCHAR;
typedef USHORT* PUSHORT;
typedef DWORD* PDWORD;
typedef DWORD* LPDWORD;
typedef ULONG* PULONG;
typedef LONG* PLONG;
typedef SIZE_T* PSIZE_T;
typedef BOOL* PBOOL;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef CHAR* PSTR;
typedef const CHAR* PCSTR;
typedef WCHAR* LPWSTR;
typedef WCHAR* PWSTR;
typedef const WCHAR* LPCWSTR;
typedef const WCHAR* PCWSTR;

typedef void* HANDLE;
typedef HANDLE* PHANDLE;
typedef HANDLE* LPHANDLE;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef struct HKEY__* HKEY;
typedef HKEY* PHKEY;

#define TRUE 1
#define FALSE 0

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)))

typedef struct _GUID {
    ULONG Data1;
    USHORT Data2;
    USHORT Data3;
    UCHAR Data4[8];
} GUID;
typedef GUID* LPGUID;
typedef const GUID* LPCGUID;
typedef GUID UUID;
typedef const GUID& REFGUID;

// GUIDs compare by value, as the system headers let C++ code do.
inline bool operator==(REFGUID a, REFGUID b) {
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
           __builtin_memcmp(a.Data4, b.Data4, sizeof(a.Data4)) == 0;
}

static_assert(sizeof(GUID) == 16);
static_assert(sizeof(WCHAR) == 2);
static_assert(sizeof(DWORD) == 4 && sizeof(LONG) == 4 && sizeof(ULONG) == 4);
static_assert(sizeof(HANDLE) == 8);

typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *PSECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

#define MAKE_HRESULT(sev, fac, code) \
    (static_cast<HRESULT>((static_cast<ULONG>(sev) << 31) | (static_cast<ULONG>(fac) << 16) | static_cast<ULONG>(code)))
#define FACILITY_WIN32 7
#define HRESULT_FROM_WIN32(x)                                                                  \
    (static_cast<HRESULT>(x) <= 0 ? static_cast<HRESULT>(x)                                     \
                                  : static_cast<HRESULT>((static_cast<ULONG>(x) & 0x0000FFFFu) | \
                                                         (FACILITY_WIN32 << 16) | 0x80000000u))
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)
