// The template store and the chip's identity values: slot table, deletion,
// free-slot and table-changed questions, template and firmware information,
// host id, chip id and the database state word.
#include <algorithm>

#include "adapter/byte_order.h"
#include "sim/chip_handlers.h"

namespace sim {

namespace {

constexpr uint8_t kAllSlots = 255;
constexpr size_t kInfoReplySize = 8;
constexpr size_t kDbStateSize = 5;
constexpr uint8_t kDbStateWrite = 0;
constexpr uint8_t kDbStateRead = 1;

template <typename Array>
ChipAnswer ReplyWith(const ChipRequest& request, const Array& value) {
    if (auto bad = CheckShape(request, 0, value.size())) return *bad;
    return ChipAnswer::Reply(Bytes(value.begin(), value.end()));
}

}  // namespace

ChipAnswer AnswerGetTemplateTable(ChipModel& chip, const ChipRequest& request) {
    return ReplyWith(request, chip.SlotTable());
}

ChipAnswer AnswerDeleteTemplate(ChipModel& chip, const ChipRequest& request) {
    if (auto bad = CheckShape(request, 1, 0)) return *bad;
    const uint8_t slot = request.input[0];
    if (slot == kAllSlots) {
        std::fill(chip.slots.begin(), chip.slots.end(), std::nullopt);
        return ChipAnswer::Done();
    }
    if (slot >= chip.slots.size()) return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
    chip.slots[slot].reset();
    return ChipAnswer::Done();
}

ChipAnswer AnswerDeleteTemplates(ChipModel& chip, const ChipRequest& request) {
    if (request.outputSize != 0) return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
    // All or nothing: one bad index deletes no slot.
    for (uint8_t slot : request.input)
        if (slot >= chip.slots.size()) return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
    for (uint8_t slot : request.input) chip.slots[slot].reset();
    return ChipAnswer::Done();
}

ChipAnswer AnswerGetTemplateInfo(ChipModel& chip, const ChipRequest& request) {
    const ChipConfig& c = chip.config;
    const std::array<uint8_t, kInfoReplySize> info = {static_cast<uint8_t>(c.samplesPerEnrollment + 1), c.slotCount,
                                                      c.longEntries ? uint8_t{1} : uint8_t{0},
                                                      c.hashedKeys ? uint8_t{1} : uint8_t{0}};
    return ReplyWith(request, info);
}

ChipAnswer AnswerGetHostId(ChipModel& chip, const ChipRequest& request) {
    return ReplyWith(request, chip.config.hostId);
}

ChipAnswer AnswerHasFreeSlot(ChipModel& chip, const ChipRequest& request) {
    const bool free = std::any_of(chip.slots.begin(), chip.slots.end(), [](const auto& s) { return !s; });
    return ReplyWith(request, std::array<uint8_t, 1>{free ? uint8_t{1} : uint8_t{0}});
}

ChipAnswer AnswerGetTableChanged(ChipModel& chip, const ChipRequest& request) {
    return ReplyWith(request, std::array<uint8_t, 1>{chip.tableChanged ? uint8_t{1} : uint8_t{0}});
}

ChipAnswer AnswerGetChipId(ChipModel& chip, const ChipRequest& request) {
    return ReplyWith(request, chip.config.chipId);
}

ChipAnswer AnswerGetFwInfo(ChipModel& chip, const ChipRequest& request) {
    std::array<uint8_t, kInfoReplySize> info{};
    std::copy(chip.config.firmwareInfo.begin(), chip.config.firmwareInfo.end(), info.begin());
    return ReplyWith(request, info);
}

ChipAnswer AnswerDbState(ChipModel& chip, const ChipRequest& request) {
    if (auto bad = CheckShape(request, kDbStateSize, kDbStateSize)) return *bad;
    Bytes reply(request.input);
    switch (request.input[0]) {
    case kDbStateRead:
        talven::WriteLe32(reply, 1, chip.dbState);
        return ChipAnswer::Reply(std::move(reply));
    case kDbStateWrite:
        chip.dbState = talven::ReadLe32(request.input, 1);
        return ChipAnswer::Reply(std::move(reply));
    default:
        return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
    }
}

}  // namespace sim
