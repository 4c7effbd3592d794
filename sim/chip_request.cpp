#include "sim/chip_request.h"

namespace sim {

std::optional<ChipAnswer> CheckShape(const ChipRequest& request, size_t inputSize, size_t replySize) {
    if (request.input.size() != inputSize) return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
    if (request.outputSize < replySize) return ChipAnswer::Fail(ERROR_INSUFFICIENT_BUFFER);
    return std::nullopt;
}

ChipAnswer FitStandardRecord(const ChipRequest& request, Bytes record) {
    constexpr size_t kPayloadSizeWidth = 4;
    if (request.outputSize >= record.size()) return ChipAnswer::Reply(std::move(record));
    if (request.outputSize < kPayloadSizeWidth) return ChipAnswer::Fail(ERROR_INSUFFICIENT_BUFFER);
    record.resize(kPayloadSizeWidth);
    return ChipAnswer::Reply(std::move(record));
}

}  // namespace sim
