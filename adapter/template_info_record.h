// The GET_TEMPLATE_INFO reply: how the chip's template store is laid out.
#pragma once

#include <cstdint>
#include <span>

#include "platform/win32.h"

namespace talven {

constexpr size_t TemplateInfoReplySize = 8;

struct TemplateInfo {
    BYTE SamplesPlusOne = 0;        // samples an enrollment needs, plus one
    BYTE SlotCount = 0;
    bool LongSlotEntries = false;   // 52-byte entries with owner id
    bool HashedSecureKeys = false;  // secure ids are keyed by their SHA-256
};

// Bytes 4-7 are not read.
TemplateInfo ReadTemplateInfoReply(std::span<const uint8_t, TemplateInfoReplySize> reply);

// What each adapter assumes when the chip does not answer.
constexpr TemplateInfo EngineTemplateInfoFallback{13, 10, false, false};
constexpr TemplateInfo StorageTemplateInfoFallback{0, 10, false, false};

}  // namespace talven
