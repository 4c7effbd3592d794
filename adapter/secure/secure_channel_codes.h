// Results of the secure-connection channel. Like every channel code they
// read as 0xEDss0000 | Win32 error, where ss names the step that failed, so a
// failure reported by the service points at the layer and the step.
#pragma once

#include "platform/win32.h"

namespace talven {

constexpr DWORD SECURE_CHANNEL_NO_CHAINS = 0xED010006;                 // created without certificate chains
constexpr DWORD SECURE_CHANNEL_CONNECTION_DATA_ALLOC = 0xED01007A;     // connection data buffer
constexpr DWORD SECURE_CHANNEL_REPLY_ALLOC = 0xED02007A;               // device reply buffer
constexpr DWORD SECURE_CHANNEL_NULL_PARAMS = 0xED030057;               // connect without parameters
constexpr DWORD SECURE_CHANNEL_REQUEST_FAILED = 0xED040000;            // | Win32 error of the request
constexpr DWORD SECURE_CHANNEL_UNKNOWN_CERTIFICATE_SIZE = 0xED050001;  // no chain has the presented size
constexpr DWORD SECURE_CHANNEL_CERTIFICATE_MISMATCH = 0xED050002;      // presented certificate differs
constexpr DWORD SECURE_CHANNEL_MALFORMED_REPLY = 0xED050003;           // a reply item overruns its room
constexpr DWORD SECURE_CHANNEL_CHAIN_LIST_ALLOC = 0xED06007A;          // copy of the chain list

}  // namespace talven
