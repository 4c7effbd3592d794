// A request as the chip's command handlers see it, and their answer. The
// input is a copy, so a request held back by the fault script can be
// answered later; the reply is built whole and then copied to the caller.
#pragma once

#include <cstdint>
#include <optional>

#include "sim/chip_config.h"

namespace sim {

struct ChipRequest {
    DWORD code = 0;
    Bytes input;
    DWORD outputSize = 0;
};

struct ChipAnswer {
    DWORD error = 0;  // a Win32 error; 0 = completed with `reply`
    Bytes reply;

    static ChipAnswer Reply(Bytes bytes) { return {0, std::move(bytes)}; }
    static ChipAnswer Done() { return {0, {}}; }
    static ChipAnswer Fail(DWORD win32Error) { return {win32Error, {}}; }
};

// ERROR_INVALID_PARAMETER unless the input is exactly `inputSize` bytes,
// ERROR_INSUFFICIENT_BUFFER unless the caller's buffer holds `replySize`.
std::optional<ChipAnswer> CheckShape(const ChipRequest& request, size_t inputSize, size_t replySize);

// A standard record (its PayloadSize first) for a caller's buffer: whole when
// it fits; when it does not, only the 4-byte PayloadSize, which tells the
// caller the size it needs, as biometric drivers do.
ChipAnswer FitStandardRecord(const ChipRequest& request, Bytes record);

}  // namespace sim
