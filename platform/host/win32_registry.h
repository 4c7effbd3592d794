// Registry: create or open a key, set a typed value, close the key.
#pragma once

#include "win32_types.h"

typedef LONG LSTATUS;
typedef DWORD REGSAM;

// Predefined keys are the sign-extended 32-bit values Windows uses.
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(0x80000002))))

#define REG_NONE 0
#define REG_SZ 1
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_QWORD 11

#define REG_OPTION_NON_VOLATILE 0x00000000L
#define REG_CREATED_NEW_KEY 0x00000001L
#define REG_OPENED_EXISTING_KEY 0x00000002L

#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_WRITE 0x20006

extern "C" {
LSTATUS WINAPI RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                               REGSAM desired, const LPSECURITY_ATTRIBUTES securityAttributes, PHKEY result,
                               LPDWORD disposition);
LSTATUS WINAPI RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                              DWORD dataSize);
LSTATUS WINAPI RegCloseKey(HKEY key);
}
