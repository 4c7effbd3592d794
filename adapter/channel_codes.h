// Results of the device and engine channels. A failed request reads as
// 0xEXss0000 | Win32 error: the high byte names the channel (EE engine,
// EF device), ss the operation, so a code the service reports points at the
// layer and the request. The adapters pass them on unchanged.
#pragma once

#include "platform/win32.h"

namespace talven {

// Creating any channel object failed (the object itself could not be
// allocated).
constexpr DWORD CHANNEL_CREATION_FAILED = 122;

constexpr DWORD ENGINE_CHANNEL_NONCE_ALLOC = 0xEE01007A;          // nonce buffer
constexpr DWORD ENGINE_CHANNEL_AUTHENTICATOR_ALLOC = 0xEE02007A;  // authenticator buffer
constexpr DWORD ENGINE_CHANNEL_ENROLL_BEGIN_FAILED = 0xEE030000;  // | Win32 error
constexpr DWORD ENGINE_CHANNEL_ENROLL_COMMIT_FAILED = 0xEE040000;
constexpr DWORD ENGINE_CHANNEL_MATCH_RESULT_FAILED = 0xEE050000;
constexpr DWORD ENGINE_CHANNEL_PROCESS_SAMPLE_FAILED = 0xEE060000;
constexpr DWORD ENGINE_CHANNEL_CHECK_DUPLICATE_FAILED = 0xEE080000;

constexpr DWORD DEVICE_CHANNEL_DELETE_TEMPLATE_FAILED = 0xEF010000;
constexpr DWORD DEVICE_CHANNEL_TEMPLATE_TABLE_FAILED = 0xEF020000;

// The composite code of a failed request: the operation's code with the
// low 16 bits of the Win32 error.
constexpr DWORD ChannelFailure(DWORD operation, DWORD win32Error) {
    return operation | (win32Error & 0xFFFFu);
}

}  // namespace talven
