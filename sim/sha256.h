// SHA-256 for the simulated chip's hashed keys and match authenticators.
#pragma once

#include <cstdint>
#include <span>

#include "sim/chip_config.h"

namespace sim {

KeyBytes Sha256(std::span<const uint8_t> data);

}  // namespace sim
