#include "adapter/sample_records.h"

#include <algorithm>
#include <iterator>

#include "adapter/reject_detail.h"

namespace talven {

ProcessedSample ReadProcessSampleReply(std::span<const uint8_t, ProcessSampleReplySize> reply) {
    ProcessedSample sample;
    sample.RejectDetail = FrameworkRejectDetail(reply[0]);
    std::copy_n(reply.begin() + 1, SampleTokenSize, sample.Token);
    return sample;
}

void BuildSampleDone(std::span<uint8_t, SampleDoneInputSize> input, WINBIO_REJECT_DETAIL rejectDetail,
                     std::span<const uint8_t, SampleTokenSize> token) {
    input[0] = static_cast<uint8_t>(rejectDetail);
    std::copy(token.begin(), token.end(), input.begin() + 1);
}

}  // namespace talven
