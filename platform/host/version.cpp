// The host's version test: the system is version 10.0 with a build number
// that tests set. Only the build number can be compared; no module asks for
// more.
#include <atomic>

#include "host_version.h"
#include "win32_errors.h"
#include "win32_sync.h"
#include "win32_version.h"

namespace {

std::atomic<DWORD> g_buildNumber{26100};

// Each type bit owns three bits of the condition mask, in bit order.
constexpr unsigned kBitsPerCondition = 3;
constexpr ULONGLONG kConditionBits = 7;

unsigned SlotOf(DWORD typeBit) {
    unsigned slot = 0;
    while ((typeBit >>= 1) != 0) ++slot;
    return slot;
}

bool Compare(DWORD actual, DWORD wanted, ULONGLONG condition) {
    switch (condition) {
        case VER_EQUAL: return actual == wanted;
        case VER_GREATER: return actual > wanted;
        case VER_GREATER_EQUAL: return actual >= wanted;
        case VER_LESS: return actual < wanted;
        case VER_LESS_EQUAL: return actual <= wanted;
        default: return false;
    }
}

}  // namespace

extern "C" {

ULONGLONG WINAPI VerSetConditionMask(ULONGLONG conditionMask, DWORD typeMask, BYTE condition) {
    for (DWORD bit = 1; bit <= VER_PRODUCT_TYPE; bit <<= 1) {
        if ((typeMask & bit) == 0) continue;
        unsigned shift = SlotOf(bit) * kBitsPerCondition;
        conditionMask &= ~(kConditionBits << shift);
        conditionMask |= (static_cast<ULONGLONG>(condition) & kConditionBits) << shift;
    }
    return conditionMask;
}

BOOL WINAPI VerifyVersionInfoW(LPOSVERSIONINFOEXW versionInfo, DWORD typeMask, DWORDLONG conditionMask) {
    if (versionInfo == nullptr || typeMask == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (typeMask != VER_BUILDNUMBER) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    ULONGLONG condition = (conditionMask >> (SlotOf(VER_BUILDNUMBER) * kBitsPerCondition)) & kConditionBits;
    if (!Compare(g_buildNumber.load(), versionInfo->dwBuildNumber, condition)) {
        SetLastError(ERROR_OLD_WIN_VERSION);
        return FALSE;
    }
    return TRUE;
}

}  // extern "C"

namespace host {

void SetBuildNumber(DWORD build) {
    g_buildNumber.store(build);
}

DWORD BuildNumber() {
    return g_buildNumber.load();
}

}  // namespace host
