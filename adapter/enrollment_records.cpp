#include "adapter/enrollment_records.h"

namespace talven {

void BuildEnrollCommit(std::span<uint8_t, EnrollCommitInputSize> input, const WINBIO_IDENTITY& identity,
                       WINBIO_BIOMETRIC_SUBTYPE subFactor) {
    input[0] = subFactor;
    EncodeIdentityKey(identity, input.subspan<1, IdentityKeySize>());
}

}  // namespace talven
