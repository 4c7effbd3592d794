// SHA-256 of a byte string, the one digest the adapters use (chip identity,
// hashed slot keys, authenticated matches).
#pragma once

#include "platform/win32.h"

namespace talven {

constexpr DWORD Sha256Size = 32;
// Result of a refused digest: no input, an empty input, no output or an
// output with room for less than the digest. Nothing is written then.
constexpr int SHA256_DIGEST_REFUSED = -135;

// Writes the digest into the first 32 bytes of `output`; returns 0 or
// SHA256_DIGEST_REFUSED.
int Sha256Digest(const BYTE* input, SIZE_T inputLength, BYTE* output, SIZE_T outputCapacity);

}  // namespace talven
