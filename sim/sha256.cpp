#include "sim/sha256.h"

#include <stdexcept>

#include "adapter/sha256_digest.h"

namespace sim {

KeyBytes Sha256(std::span<const uint8_t> data) {
    KeyBytes digest{};
    if (talven::Sha256Digest(data.data(), data.size(), digest.data(), digest.size()) != 0)
        throw std::runtime_error("SHA-256 refused its input");
    return digest;
}

}  // namespace sim
