// The CHECK_DUPLICATE reply: whether the pending enrollment's finger is
// already enrolled, and as whom.
#pragma once

#include <cstdint>
#include <span>

#include "platform/wbf.h"

namespace talven {

constexpr size_t CheckDuplicateReplySize = 35;

struct DuplicateCheck {
    bool IsDuplicate = false;
    WINBIO_BIOMETRIC_SUBTYPE SubFactor = 0;  // only for a duplicate
    WINBIO_IDENTITY Identity{};             // only for a duplicate
};

// Byte 0 the key kind, byte 1 nonzero when there is no duplicate (nothing
// else is read then), byte 2 the existing template's sub-factor, bytes 3-34
// its key.
DuplicateCheck ReadCheckDuplicateReply(std::span<const uint8_t, CheckDuplicateReplySize> reply);

}  // namespace talven
