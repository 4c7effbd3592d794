// Control side of the host's registry: an in-memory tree that tests read
// back and make fail, key by key or value by value.
//
// Key paths are relative to a predefined key and use backslashes, as
// RegCreateKeyExW takes them; key and value names compare without regard to
// ASCII case, as on Windows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "win32_types.h"

namespace host {

struct RegistryValue {
    DWORD type = 0;
    std::vector<BYTE> data;
};

class Registry {
public:
    // Empties the tree and forgets every injected failure; keys still open
    // become invalid handles.
    static void Reset();

    static bool KeyExists(HKEY root, const std::u16string& path);
    // The names of the key's values in the order they were first set.
    static std::vector<std::u16string> ValueNames(HKEY root, const std::u16string& path);
    static std::optional<RegistryValue> Value(HKEY root, const std::u16string& path, const std::u16string& name);
    // Handles returned by RegCreateKeyExW and not closed yet.
    static size_t OpenKeyCount();

    // RegCreateKeyExW of this key returns `error` (and creates nothing).
    static void FailKey(HKEY root, const std::u16string& path, LONG error);
    // RegSetValueExW of this value under this key returns `error`.
    static void FailValue(HKEY root, const std::u16string& path, const std::u16string& name, LONG error);
};

}  // namespace host
