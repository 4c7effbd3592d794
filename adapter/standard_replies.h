// Sizes of the standard driver replies and how many bytes make each one
// acceptable. The replies themselves are the framework's records.
#pragma once

#include "platform/wbf.h"

namespace talven {

constexpr DWORD AttributesReplySize = sizeof(WINBIO_SENSOR_ATTRIBUTES);  // one supported format
constexpr DWORD AttributesReplyMinimum = AttributesReplySize;
constexpr DWORD ResetReplySize = sizeof(WINBIO_BLANK_PAYLOAD);
constexpr DWORD ResetReplyMinimum = ResetReplySize;
constexpr DWORD SensorStatusReplySize = sizeof(WINBIO_DIAGNOSTICS);
// The status is read from the zero-filled record once its size field came.
constexpr DWORD SensorStatusReplyMinimum = 4;

static_assert(AttributesReplySize == 1580 && ResetReplySize == 8 && SensorStatusReplySize == 20);

}  // namespace talven
