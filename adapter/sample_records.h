// PROCESS_SAMPLE's reply (the chip's verdict on the sample and a token for
// it) and SAMPLE_DONE's input, which hands both back.
#pragma once

#include <cstdint>
#include <span>

#include "platform/wbf.h"

namespace talven {

constexpr size_t ProcessSampleInputSize = 1;  // the sample's purpose
constexpr size_t ProcessSampleReplySize = 9;
constexpr size_t SampleTokenSize = 8;
constexpr size_t SampleDoneInputSize = 1 + SampleTokenSize;

struct ProcessedSample {
    WINBIO_REJECT_DETAIL RejectDetail = 0;  // 0: accepted; in the framework's terms
    BYTE Token[SampleTokenSize] = {};
};

ProcessedSample ReadProcessSampleReply(std::span<const uint8_t, ProcessSampleReplySize> reply);

// Byte 0 the low byte of the reported reject detail, bytes 1-8 the token.
void BuildSampleDone(std::span<uint8_t, SampleDoneInputSize> input, WINBIO_REJECT_DETAIL rejectDetail,
                     std::span<const uint8_t, SampleTokenSize> token);

}  // namespace talven
