#include "sim/chip_model.h"

#include <algorithm>

#include "sim/sha256.h"

namespace sim {

ChipModel::ChipModel(const ChipConfig& c)
    : config(c), slots(c.slotCount), dbState(c.dbState), random(c.seed) {
    secure.pkD = RandomBytes<65>();
    secure.pkF = RandomBytes<65>();
    secure.pkD[0] = secure.pkF[0] = 0x04;  // uncompressed curve points
    secure.hashAndSignatures = RandomBytes<160>();
}

KeyBytes StoredKey(const ChipModel& chip, const Template& t) {
    if (t.kind == kKindSecureId && chip.config.hashedKeys) return Sha256(t.key);
    return t.key;
}

Bytes ChipModel::SlotEntry(size_t slot) const {
    Bytes entry(EntrySize(), 0);
    const auto& t = slots.at(slot);
    if (!t) return entry;
    entry[0] = 1;
    entry[1] = t->kind;
    entry[2] = t->subFactor;
    const KeyBytes key = StoredKey(*this, *t);
    std::copy(key.begin(), key.end(), entry.begin() + 3);
    if (config.longEntries) std::copy(t->owner.begin(), t->owner.end(), entry.begin() + 36);
    return entry;
}

Bytes ChipModel::SlotTable() const {
    Bytes table;
    for (size_t i = 0; i < slots.size(); ++i) {
        const Bytes entry = SlotEntry(i);
        table.insert(table.end(), entry.begin(), entry.end());
    }
    return table;
}

std::optional<size_t> ChipModel::FirstSlotOf(uint32_t finger) const {
    for (size_t i = 0; i < slots.size(); ++i)
        if (slots[i] && slots[i]->finger == finger) return i;
    return std::nullopt;
}

}  // namespace sim
