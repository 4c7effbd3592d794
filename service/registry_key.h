// A registry key opened for writing, closed when it goes out of scope.
#pragma once

#include <span>

#include "platform/win32.h"
#include "service/autologger_settings.h"

namespace talven {

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Creates or opens `path` below HKEY_LOCAL_MACHINE.
    LONG Create(LPCWSTR path);
    // Writes the settings in order and stops at the first failure, which it
    // returns; values written before it stay written.
    LONG Write(std::span<const RegistrySetting> settings);
    void Close();

private:
    HKEY m_key = nullptr;
};

}  // namespace talven
