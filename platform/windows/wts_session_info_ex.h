// The extended session information of terminal services (the console lock
// state), which MinGW-w64's wtsapi32.h does not declare yet. Layout and
// values as Windows defines them; the sizes are pinned below.
#pragma once

#include <cstddef>

#include <windows.h>
#include <wtsapi32.h>

// WTS_INFO_CLASS stops at WTSSessionInfo (24) in these headers.
inline constexpr WTS_INFO_CLASS WTSSessionInfoEx = static_cast<WTS_INFO_CLASS>(25);

#ifndef WINSTATIONNAME_LENGTH
#define WINSTATIONNAME_LENGTH 32
#endif
#ifndef USERNAME_LENGTH
#define USERNAME_LENGTH 20
#endif
#ifndef DOMAIN_LENGTH
#define DOMAIN_LENGTH 17
#endif

// Values of WTSINFOEX_LEVEL1_W::SessionFlags.
#define WTS_SESSIONSTATE_UNKNOWN 0xFFFFFFFF
#define WTS_SESSIONSTATE_LOCK 0x00000000
#define WTS_SESSIONSTATE_UNLOCK 0x00000001

typedef struct _WTSINFOEX_LEVEL1_W {
    ULONG SessionId;
    WTS_CONNECTSTATE_CLASS SessionState;
    LONG SessionFlags;
    WCHAR WinStationName[WINSTATIONNAME_LENGTH + 1];
    WCHAR UserName[USERNAME_LENGTH + 1];
    WCHAR DomainName[DOMAIN_LENGTH + 1];
    LARGE_INTEGER LogonTime;
    LARGE_INTEGER ConnectTime;
    LARGE_INTEGER DisconnectTime;
    LARGE_INTEGER LastInputTime;
    LARGE_INTEGER CurrentTime;
    DWORD IncomingBytes;
    DWORD OutgoingBytes;
    DWORD IncomingFrames;
    DWORD OutgoingFrames;
    DWORD IncomingCompressedBytes;
    DWORD OutgoingCompressedBytes;
} WTSINFOEX_LEVEL1_W, *PWTSINFOEX_LEVEL1_W;

typedef union _WTSINFOEX_LEVEL_W {
    WTSINFOEX_LEVEL1_W WTSInfoExLevel1;
} WTSINFOEX_LEVEL_W, *PWTSINFOEX_LEVEL_W;

typedef struct _WTSINFOEXW {
    DWORD Level;
    WTSINFOEX_LEVEL_W Data;
} WTSINFOEXW, *PWTSINFOEXW;

static_assert(offsetof(WTSINFOEX_LEVEL1_W, SessionFlags) == 8);
static_assert(offsetof(WTSINFOEX_LEVEL1_W, LogonTime) == 160);
static_assert(sizeof(WTSINFOEX_LEVEL1_W) == 224);
static_assert(offsetof(WTSINFOEXW, Data) == 8);
static_assert(sizeof(WTSINFOEXW) == 232);
