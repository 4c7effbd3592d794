// The capture request: its parameters and the 161-byte capture reply that
// carries the sample (a WINBIO_BIR with ANSI-381 headers and one status byte).
#pragma once

#include <optional>

#include "sim/chip_model.h"
#include "sim/chip_request.h"

namespace sim {

constexpr size_t kCaptureReplySize = 161;
constexpr size_t kCaptureStatusOffset = 156;  // 20 + standard block offset 80 + 56

// Status byte values.
constexpr uint8_t kCapturedFinger = 0;
constexpr uint8_t kCapturedBadly = 1;
constexpr uint8_t kCapturedNothing = 255;

// An answer now for a capture request that cannot wait for a finger: bad
// parameters, or a buffer too small for the reply (which learns the size).
std::optional<ChipAnswer> AnswerCaptureAtOnce(const ChipRequest& request);

// The reply to a capture request once something was presented.
ChipAnswer AnswerCapture(const ChipRequest& request, const Presentation& presented);

}  // namespace sim
