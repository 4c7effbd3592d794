// GET_MATCH_RESULT compares the finger of the last processed sample with the
// templates; MATCH_DONE is the host's acknowledgement, which must carry 0
// after a match and 11 after anything else.
#include <algorithm>
#include <string>

#include "adapter/byte_order.h"
#include "sim/chip_handlers.h"
#include "sim/sha256.h"

namespace sim {

namespace {

constexpr size_t kMatchReplySize = 74;
constexpr uint8_t kMatched = 0;
constexpr uint8_t kNoMatch = 11;
constexpr size_t kMetricsOffset = 34;
constexpr size_t kAuthenticatorOffset = 34;
constexpr size_t kMetricsOffsetWithNonce = 66;
constexpr uint32_t kMetricRange = 100000;

// Proves the match is fresh: it depends on the caller's nonce and on the
// template that matched.
KeyBytes Authenticator(const Bytes& nonce, const Template& t) {
    Bytes message(nonce);
    message.insert(message.end(), t.key.begin(), t.key.end());
    message.push_back(t.subFactor);
    return Sha256(message);
}

}  // namespace

ChipAnswer AnswerGetMatchResult(ChipModel& chip, const ChipRequest& request) {
    if (request.outputSize < kMatchReplySize) return ChipAnswer::Fail(ERROR_INSUFFICIENT_BUFFER);
    if (chip.matchDoneOwed) chip.violations.push_back("GET_MATCH_RESULT before MATCH_DONE of the previous match");

    Bytes reply(kMatchReplySize, 0);
    const Bytes& nonce = request.input;
    const auto& sample = chip.lastSample;
    std::optional<size_t> slot;
    if (!sample) {
        reply[0] = kNoMatch;
    } else if (sample->reject != 0) {
        reply[0] = sample->reject;
    } else {
        slot = chip.FirstSlotOf(*sample->finger);
        reply[0] = slot ? kMatched : kNoMatch;
    }
    if (slot) {
        const Template& t = *chip.slots[*slot];
        reply[1] = t.subFactor;
        std::copy(t.key.begin(), t.key.end(), reply.begin() + 2);
        if (!nonce.empty()) {
            const KeyBytes authenticator = Authenticator(nonce, t);
            std::copy(authenticator.begin(), authenticator.end(), reply.begin() + kAuthenticatorOffset);
        }
    }
    const size_t metrics = nonce.empty() ? kMetricsOffset : kMetricsOffsetWithNonce;
    talven::WriteLe32(reply, metrics, chip.RandomWord() % kMetricRange);
    talven::WriteLe32(reply, metrics + 4, chip.RandomWord() % kMetricRange);
    chip.matchDoneOwed = reply[0] == kMatched ? kMatched : kNoMatch;
    return ChipAnswer::Reply(std::move(reply));
}

ChipAnswer AnswerMatchDone(ChipModel& chip, const ChipRequest& request) {
    const auto owed = chip.matchDoneOwed;
    chip.matchDoneOwed.reset();
    if (!owed) chip.violations.push_back("MATCH_DONE without a match result");
    if (request.input.size() != 1) {
        chip.violations.push_back("MATCH_DONE carried " + std::to_string(request.input.size()) + " bytes, expected 1");
        return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
    }
    if (owed && request.input[0] != *owed)
        chip.violations.push_back("MATCH_DONE carried " + std::to_string(request.input[0]) + ", expected " +
                                  std::to_string(*owed));
    return ChipAnswer::Done();
}

}  // namespace sim
