#include "service/autologger_registration.h"

#include "diag/msg.h"
#include "service/registry_key.h"

namespace talven {

namespace {

bool SystemNeedsNoAutologger() {
    OSVERSIONINFOEXW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    version.dwMajorVersion = 10;
    version.dwMinorVersion = 0;
    version.dwBuildNumber = kFirstBuildWithoutAutologger;
    DWORDLONG condition = VerSetConditionMask(0, VER_BUILDNUMBER, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&version, VER_BUILDNUMBER, condition) != FALSE;
}

// Returns the first failure that stops the registration, or ERROR_SUCCESS.
LONG WriteSettings() {
    RegistryKey key;
    LONG result = key.Create(kSessionKey);
    if (result == ERROR_SUCCESS) result = key.Write(kSessionSettings);
    if (result != ERROR_SUCCESS) return result;

    // The partner provider is optional: without its key the session still
    // records the adapter's provider.
    if (key.Create(kPartnerProviderKey) == ERROR_SUCCESS) {
        result = key.Write(kProviderSettings);
        if (result != ERROR_SUCCESS) return result;
    }

    result = key.Create(kAdapterProviderKey);
    if (result == ERROR_SUCCESS) result = key.Write(kProviderSettings);
    return result;
}

}  // namespace

void RegisterAutologger() {
    if (SystemNeedsNoAutologger()) return;
    LONG result = WriteSettings();
    CMsg::Instance().Log(2, "DllMain", 277, "Add Reg lRet: %#x", static_cast<UINT>(result));
}

}  // namespace talven
