// Control side of the host's event tracing: a trace controller that enables
// and disables a session through the provider's enable callback, and the
// record of every TraceMessage call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "win32_types.h"

namespace host {

struct TraceArgument {
    std::vector<BYTE> bytes;

    uint32_t AsUInt32() const;  // a 4-byte argument
    int64_t AsInt64() const;    // an 8-byte argument
    double AsDouble() const;    // an 8-byte argument
    std::string AsText() const;       // an 8-bit string, without its NUL
    std::u16string AsWideText() const; // a UTF-16 string, without its NUL
};

struct TraceRecord {
    ULONG64 logger = 0;
    ULONG flags = 0;
    GUID guid{};
    USHORT number = 0;
    std::vector<TraceArgument> arguments;
};

// The one trace session of the host. A provider registered with
// RegisterTraceGuidsW is enabled and disabled through its callback, as the
// trace system does.
class TraceSession {
public:
    // Enables every registered provider with this level and these flags
    // (request code 4). Returns the callback's result (0 when no provider).
    static ULONG Enable(UCHAR level, ULONG flags);
    // Disables every registered provider (request code 5).
    static ULONG Disable();
    // Calls every registered provider's callback with any request code.
    static ULONG SendRequest(ULONG requestCode);

    static bool ProviderRegistered(const GUID& controlGuid);
    // Makes the next RegisterTraceGuidsW calls fail with this error (0: succeed).
    static void FailRegistration(ULONG error);

    // Every TraceMessage call since the last Clear, in order.
    static std::vector<TraceRecord> Records();
    static size_t CallCount();
    static void Clear();
};

// GUID equality is declared with GUID itself (win32_types.h).
using ::operator==;

}  // namespace host
