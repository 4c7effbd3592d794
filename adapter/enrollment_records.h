// Inputs of ENROLL_BEGIN (the target slot) and ENROLL_COMMIT (the identity
// bound to the pending enrollment).
#pragma once

#include <cstdint>
#include <span>

#include "adapter/identity_key.h"
#include "platform/wbf.h"

namespace talven {

constexpr size_t EnrollBeginInputSize = 1;
constexpr size_t EnrollNonceSize = 32;
constexpr size_t EnrollCommitInputSize = 1 + IdentityKeySize;
// ENROLL_BEGIN's slot when the table has no free slot; DELETE_TEMPLATE's
// "every slot".
constexpr BYTE NoSlot = 255;
constexpr BYTE AllSlots = 255;

// Byte 0 the sub-factor, bytes 1-32 the identity's key.
void BuildEnrollCommit(std::span<uint8_t, EnrollCommitInputSize> input, const WINBIO_IDENTITY& identity,
                       WINBIO_BIOMETRIC_SUBTYPE subFactor);

}  // namespace talven
