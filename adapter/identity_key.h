// IdentityKey: the 32-byte form of a WINBIO_IDENTITY in the chip's records
// and slot entries.
#pragma once

#include <cstdint>
#include <span>

#include "platform/wbf.h"

namespace talven {

constexpr size_t IdentityKeySize = 32;
// Key kinds where a record names them (slot entries, CHECK_DUPLICATE).
constexpr BYTE IdentityKindSid = 0;
constexpr BYTE IdentityKindSecureId = 1;
constexpr BYTE IdentityKindGuid = 2;
// The SID size a decoded key always has: an account SID.
constexpr ULONG DecodedSidSize = 28;

// Zero-fills `key`, then: a secure id's 32 bytes; a SID's data bytes
// (AccountSid.Size of them, at most 32); a GUID in RFC 4122 byte order
// (big-endian Data1, Data2, Data3, then Data4); nothing for any other type.
void EncodeIdentityKey(const WINBIO_IDENTITY& identity, std::span<uint8_t, IdentityKeySize> key);

// Chip to host, where no kind is given: a key whose bytes 28-31 are not all
// zero is a secure id, any other a 28-byte SID. The chip never reports a
// GUID. `identity` is zeroed first.
void DecodeIdentityKey(std::span<const uint8_t, IdentityKeySize> key, WINBIO_IDENTITY& identity);

// Chip to host with an explicit kind byte: IdentityKindSecureId selects the
// secure id, every other value the SID.
void DecodeIdentityKey(std::span<const uint8_t, IdentityKeySize> key, BYTE kind, WINBIO_IDENTITY& identity);

// The secure id read straight from the key (authenticated matches).
void DecodeSecureIdKey(std::span<const uint8_t, IdentityKeySize> key, WINBIO_IDENTITY& identity);

}  // namespace talven
