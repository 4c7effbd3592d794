// DB_STATE: one 5-byte buffer is both the request and the reply. Byte 0
// says read or write, bytes 1-4 carry the chip's database state word.
#pragma once

#include <cstdint>
#include <span>

#include "adapter/byte_order.h"
#include "platform/win32.h"

namespace talven {

constexpr size_t DbStateBufferSize = 5;
constexpr BYTE DbStateRead = 1;
constexpr BYTE DbStateWrite = 0;
// What the storage adapter records once the chip has been migrated.
constexpr uint32_t DbStateMigrated = 3;

// {1, 0, 0, 0, 0}
constexpr void BuildDbStateRead(std::span<uint8_t, DbStateBufferSize> buffer) {
    buffer[0] = DbStateRead;
    WriteLe32(buffer, 1, 0);
}
// {0, value little-endian}
constexpr void BuildDbStateWrite(std::span<uint8_t, DbStateBufferSize> buffer, uint32_t value) {
    buffer[0] = DbStateWrite;
    WriteLe32(buffer, 1, value);
}
// The value in bytes 1-4 after a read.
constexpr uint32_t ReadDbStateValue(std::span<const uint8_t, DbStateBufferSize> buffer) {
    return ReadLe32(buffer, 1);
}

}  // namespace talven
