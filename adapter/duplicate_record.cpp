#include "adapter/duplicate_record.h"

#include "adapter/identity_key.h"

namespace talven {

DuplicateCheck ReadCheckDuplicateReply(std::span<const uint8_t, CheckDuplicateReplySize> reply) {
    DuplicateCheck check;
    if (reply[1] != 0) return check;
    check.IsDuplicate = true;
    check.SubFactor = reply[2];
    DecodeIdentityKey(reply.subspan<3, IdentityKeySize>(), reply[0], check.Identity);
    return check;
}

}  // namespace talven
