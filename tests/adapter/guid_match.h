// GUID comparison for test assertions.
#pragma once

#include <cstring>

#include "platform/win32.h"

inline bool SameGuid(const GUID& a, const GUID& b) {
    return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}
