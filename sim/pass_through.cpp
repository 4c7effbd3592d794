// The vendor tools' control codes. Their records are the tools' business;
// the chip answers with a fixed pattern of the size each code returns, so a
// test can tell the bytes reached the caller: byte i of a reply is
// (function code + i) mod 256.
#include "adapter/byte_order.h"
#include "adapter/request_codes.h"
#include "sim/chip_handlers.h"

namespace sim {

using namespace talven;

namespace {

constexpr size_t kC22ReplySize = 32;
constexpr size_t kC20StatusBytes = 5;

Bytes Pattern(DWORD code, size_t size) {
    const DWORD function = (code >> 2) & 0xFFF;
    Bytes reply(size);
    for (size_t i = 0; i < size; ++i) reply[i] = static_cast<uint8_t>(function + i);
    return reply;
}

}  // namespace

ChipAnswer AnswerPassThrough(ChipModel& chip, const ChipRequest& request) {
    size_t size = request.outputSize;
    switch (request.code) {
    case IOCTL_VENDOR_CONTROL_C1E:
        // Its first four bytes give the payload length of the C20 and C21
        // replies that follow.
        chip.passThroughLength = HasRoom(request.input, 0, 4) ? ReadLe32(request.input, 0) : 0;
        break;
    case IOCTL_VENDOR_CONTROL_C1F:
        if (request.input.size() != 1) return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
        break;
    case IOCTL_VENDOR_CONTROL_C20:
    case IOCTL_VENDOR_CONTROL_C21:
        size = size_t{chip.passThroughLength} + kC20StatusBytes;
        break;
    case IOCTL_VENDOR_CONTROL_C22:
        size = kC22ReplySize;
        break;
    default:
        break;
    }
    if (request.outputSize < size) return ChipAnswer::Fail(ERROR_INSUFFICIENT_BUFFER);
    return ChipAnswer::Reply(Pattern(request.code, size));
}

}  // namespace sim
