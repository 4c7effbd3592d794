#include "service/registry_key.h"

#include "adapter/byte_order.h"

namespace talven {

namespace {

DWORD TextBytes(LPCWSTR text) {
    DWORD characters = 0;
    while (text[characters] != 0) ++characters;
    return (characters + 1) * sizeof(WCHAR);  // the NUL is part of a string value
}

LONG WriteSetting(HKEY key, const RegistrySetting& setting) {
    if (setting.Type == REG_SZ) {
        return RegSetValueExW(key, setting.Name, 0, REG_SZ, reinterpret_cast<const BYTE*>(setting.Text),
                              TextBytes(setting.Text));
    }
    BYTE data[8] = {};
    WriteLe64(data, 0, setting.Number);
    DWORD size = setting.Type == REG_QWORD ? 8 : 4;
    return RegSetValueExW(key, setting.Name, 0, setting.Type, data, size);
}

}  // namespace

LONG RegistryKey::Create(LPCWSTR path) {
    Close();
    DWORD disposition = 0;
    return RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &m_key,
                           &disposition);
}

LONG RegistryKey::Write(std::span<const RegistrySetting> settings) {
    for (const auto& setting : settings) {
        LONG result = WriteSetting(m_key, setting);
        if (result != ERROR_SUCCESS) return result;
    }
    return ERROR_SUCCESS;
}

void RegistryKey::Close() {
    if (m_key == nullptr) return;
    RegCloseKey(m_key);
    m_key = nullptr;
}

}  // namespace talven
