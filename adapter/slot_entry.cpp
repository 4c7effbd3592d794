#include "adapter/slot_entry.h"

#include "adapter/byte_order.h"

namespace talven {

namespace {

constexpr size_t OwnerIdOffset = 36;

}  // namespace

std::optional<SlotEntry> SlotEntry::At(std::span<const uint8_t> table, size_t index, bool longEntries) {
    const size_t size = SlotEntrySize(longEntries);
    if (index > table.size() / size) return std::nullopt;
    if (!HasRoom(table, index * size, size)) return std::nullopt;
    return SlotEntry(table.subspan(index * size, size));
}

std::span<const uint8_t, OwnerIdSize> SlotEntry::OwnerId() const {
    return bytes_.subspan(OwnerIdOffset).first<OwnerIdSize>();
}

bool SlotEntry::OwnedBy(std::span<const uint8_t, OwnerIdSize> ownerId) const {
    if (!HasOwner()) return false;
    const auto own = OwnerId();
    return ReadLe64(own, 0) == ReadLe64(ownerId, 0) && ReadLe64(own, 8) == ReadLe64(ownerId, 8);
}

}  // namespace talven
