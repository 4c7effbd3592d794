// The GET_FW_INFO reply; of its 8 bytes only 0-2 mean anything, and the
// storage adapter derives its purge mode from them.
#pragma once

#include <cstdint>
#include <span>

#include "platform/win32.h"

namespace talven {

constexpr size_t FirmwareInfoReplySize = 8;

// ((byte 2 & 1) << 2) | (byte 1 >> 6)
constexpr BYTE PurgeModeOf(std::span<const uint8_t, FirmwareInfoReplySize> reply) {
    return static_cast<BYTE>(((reply[2] & 1) << 2) | (reply[1] >> 6));
}

}  // namespace talven
