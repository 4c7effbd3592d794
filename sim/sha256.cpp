#include "sim/sha256.h"

#include <mbedtls/md.h>

#include <stdexcept>

namespace sim {

KeyBytes Sha256(std::span<const uint8_t> data) {
    KeyBytes digest{};
    const mbedtls_md_info_t* info = mbedtls_md_info_from_type(MBEDTLS_MD_SHA256);
    if (info == nullptr || mbedtls_md(info, data.data(), data.size(), digest.data()) != 0)
        throw std::runtime_error("SHA-256 is unavailable");
    return digest;
}

}  // namespace sim
