// Explicit little- and big-endian access to device and file records.
//
// Records are read and written through these helpers over byte spans, never
// by casting bytes to a struct. Callers check that the span holds the field
// (see HasRoom) before reading at an offset that came from a device or file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace talven {

constexpr bool HasRoom(std::span<const uint8_t> bytes, size_t offset, size_t width) {
    return offset <= bytes.size() && width <= bytes.size() - offset;
}

constexpr uint16_t ReadLe16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
constexpr uint32_t ReadLe32(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
           (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
constexpr uint64_t ReadLe64(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint64_t>(ReadLe32(b, at)) | (static_cast<uint64_t>(ReadLe32(b, at + 4)) << 32);
}
constexpr uint16_t ReadBe16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint16_t>((b[at] << 8) | b[at + 1]);
}
constexpr uint32_t ReadBe32(std::span<const uint8_t> b, size_t at) {
    return (static_cast<uint32_t>(b[at]) << 24) | (static_cast<uint32_t>(b[at + 1]) << 16) |
           (static_cast<uint32_t>(b[at + 2]) << 8) | static_cast<uint32_t>(b[at + 3]);
}

constexpr void WriteLe16(std::span<uint8_t> b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
constexpr void WriteLe32(std::span<uint8_t> b, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
constexpr void WriteLe64(std::span<uint8_t> b, size_t at, uint64_t v) {
    for (size_t i = 0; i < 8; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
constexpr void WriteBe16(std::span<uint8_t> b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v >> 8);
    b[at + 1] = static_cast<uint8_t>(v);
}
constexpr void WriteBe32(std::span<uint8_t> b, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * (3 - i)));
}

}  // namespace talven
