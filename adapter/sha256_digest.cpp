#include "adapter/sha256_digest.h"

#include <mbedtls/md.h>

namespace talven {

int Sha256Digest(const BYTE* input, SIZE_T inputLength, BYTE* output, SIZE_T outputCapacity) {
    if (input == nullptr || inputLength == 0 || output == nullptr || outputCapacity < Sha256Size) {
        return SHA256_DIGEST_REFUSED;
    }
    const mbedtls_md_info_t* sha256 = mbedtls_md_info_from_type(MBEDTLS_MD_SHA256);
    if (sha256 == nullptr || mbedtls_md(sha256, input, inputLength, output) != 0) return SHA256_DIGEST_REFUSED;
    return 0;
}

}  // namespace talven
