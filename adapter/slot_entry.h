// SlotEntry: one entry of the chip's template slot table, 35 bytes, or 52
// with the owner id of the host that enrolled the template.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "adapter/identity_key.h"
#include "platform/win32.h"

namespace talven {

constexpr size_t ShortSlotEntrySize = 35;
constexpr size_t LongSlotEntrySize = 52;
constexpr size_t OwnerIdSize = 16;  // also the GET_HOST_ID reply

// Single-byte slot queries: HAS_FREE_SLOT (pre-set to 255; 0 means no slot
// is free) and GET_TABLE_CHANGED (nonzero: read the slot table again).
constexpr DWORD HasFreeSlotReplySize = 1;
constexpr BYTE HasFreeSlotUnanswered = 255;
constexpr DWORD TableChangedReplySize = 1;

constexpr BYTE SlotFree = 0;
constexpr BYTE SlotInUse = 1;

constexpr size_t SlotEntrySize(bool longEntries) {
    return longEntries ? LongSlotEntrySize : ShortSlotEntrySize;
}

// A read-only view of one entry inside a slot table.
class SlotEntry {
public:
    // The entry `index` of `table`, or nothing when the table does not hold
    // it whole.
    static std::optional<SlotEntry> At(std::span<const uint8_t> table, size_t index, bool longEntries);

    BYTE State() const { return bytes_[0]; }  // SlotInUse, SlotFree; other values are neither
    BYTE Kind() const { return bytes_[1]; }   // IdentityKind*
    BYTE SubFactor() const { return bytes_[2]; }
    std::span<const uint8_t, IdentityKeySize> Key() const { return bytes_.subspan<3, IdentityKeySize>(); }
    bool HasOwner() const { return bytes_.size() == LongSlotEntrySize; }
    // Only for long entries.
    std::span<const uint8_t, OwnerIdSize> OwnerId() const;
    // Owner ids are compared as two 8-byte halves, as the chip stores them.
    bool OwnedBy(std::span<const uint8_t, OwnerIdSize> ownerId) const;

private:
    explicit SlotEntry(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    std::span<const uint8_t> bytes_;
};

}  // namespace talven
