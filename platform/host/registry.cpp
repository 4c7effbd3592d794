// The host registry: an in-memory tree of keys holding typed values, with
// failures that tests inject per key or per value.
#include <algorithm>
#include <map>
#include <mutex>

#include "host_registry.h"
#include "win32_errors.h"
#include "win32_registry.h"

namespace {

// Names compare without regard to ASCII case; the tree keys on the folded
// form and keeps the first spelling for reading back.
std::u16string Folded(std::u16string_view text) {
    std::u16string folded(text);
    for (auto& c : folded) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return folded;
}

struct NamedValue {
    std::u16string name;
    host::RegistryValue value;
};

struct Key {
    std::vector<NamedValue> values;  // in the order they were first set
};

// A full key name: the predefined root and the folded path below it.
using KeyName = std::pair<HKEY, std::u16string>;

struct Tree {
    std::mutex lock;
    std::map<KeyName, Key> keys;
    std::map<KeyName, LONG> keyFailures;
    std::map<std::pair<KeyName, std::u16string>, LONG> valueFailures;
    std::map<HKEY, KeyName> openKeys;
    ULONG_PTR nextHandle = 0x1000;
};

Tree& TheTree() {
    static Tree tree;
    return tree;
}

bool IsPredefined(HKEY key) {
    return key == HKEY_LOCAL_MACHINE;
}

KeyName NameOf(HKEY root, const std::u16string& path) {
    return {root, Folded(path)};
}

// Resolves a key argument (predefined or open) to its full name; false when
// the handle is unknown. Callers hold the tree's lock.
bool Resolve(Tree& tree, HKEY key, KeyName& name) {
    if (IsPredefined(key)) {
        name = {key, u""};
        return true;
    }
    auto open = tree.openKeys.find(key);
    if (open == tree.openKeys.end()) return false;
    name = open->second;
    return true;
}

KeyName Child(const KeyName& parent, std::u16string_view subKey) {
    std::u16string path = parent.second;
    std::u16string folded = Folded(subKey);
    while (!folded.empty() && folded.front() == u'\\') folded.erase(0, 1);
    while (!folded.empty() && folded.back() == u'\\') folded.pop_back();
    if (!path.empty() && !folded.empty()) path += u'\\';
    return {parent.first, path + folded};
}

// Creates the key and every missing key above it.
void CreatePath(Tree& tree, const KeyName& name) {
    const std::u16string& path = name.second;
    for (size_t at = path.find(u'\\'); at != std::u16string::npos; at = path.find(u'\\', at + 1)) {
        tree.keys.try_emplace({name.first, path.substr(0, at)});
    }
    tree.keys.try_emplace(name);
}

size_t LengthOf(LPCWSTR text) {
    size_t length = 0;
    while (text[length] != 0) ++length;
    return length;
}

}  // namespace

extern "C" {

LSTATUS WINAPI RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR, DWORD, REGSAM,
                               const LPSECURITY_ATTRIBUTES, PHKEY result, LPDWORD disposition) {
    if (result == nullptr || reserved != 0) return ERROR_INVALID_PARAMETER;
    Tree& tree = TheTree();
    std::lock_guard guard(tree.lock);
    KeyName parent;
    if (!Resolve(tree, key, parent)) return ERROR_INVALID_HANDLE;
    KeyName name = Child(parent, subKey == nullptr ? u"" : std::u16string_view(subKey, LengthOf(subKey)));
    if (auto failure = tree.keyFailures.find(name); failure != tree.keyFailures.end()) return failure->second;
    bool existed = tree.keys.count(name) != 0;
    CreatePath(tree, name);
    HKEY handle = reinterpret_cast<HKEY>(tree.nextHandle);
    tree.nextHandle += 4;
    tree.openKeys[handle] = name;
    *result = handle;
    if (disposition != nullptr) *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                              DWORD dataSize) {
    if (reserved != 0 || (data == nullptr && dataSize != 0)) return ERROR_INVALID_PARAMETER;
    Tree& tree = TheTree();
    std::lock_guard guard(tree.lock);
    KeyName name;
    if (IsPredefined(key) || !Resolve(tree, key, name)) return ERROR_INVALID_HANDLE;
    auto found = tree.keys.find(name);
    if (found == tree.keys.end()) return ERROR_INVALID_HANDLE;
    std::u16string spelled = valueName == nullptr ? u"" : std::u16string(valueName, LengthOf(valueName));
    std::u16string folded = Folded(spelled);
    if (auto failure = tree.valueFailures.find({name, folded}); failure != tree.valueFailures.end()) {
        return failure->second;
    }
    host::RegistryValue value{type, std::vector<BYTE>(data, data + dataSize)};
    auto& values = found->second.values;
    auto same =
        std::find_if(values.begin(), values.end(), [&](const NamedValue& v) { return Folded(v.name) == folded; });
    if (same == values.end()) {
        values.push_back({spelled, std::move(value)});
    } else {
        same->value = std::move(value);
    }
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegCloseKey(HKEY key) {
    if (IsPredefined(key)) return ERROR_SUCCESS;
    Tree& tree = TheTree();
    std::lock_guard guard(tree.lock);
    return tree.openKeys.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // extern "C"

namespace host {

void Registry::Reset() {
    Tree& tree = TheTree();
    std::lock_guard guard(tree.lock);
    tree.keys.clear();
    tree.keyFailures.clear();
    tree.valueFailures.clear();
    tree.openKeys.clear();
}

bool Registry::KeyExists(HKEY root, const std::u16string& path) {
    Tree& tree = TheTree();
    std::lock_guard guard(tree.lock);
    return tree.keys.count(NameOf(root, path)) != 0;
}

std::vector<std::u16string> Registry::ValueNames(HKEY root, const std::u16string& path) {
    Tree& tree = TheTree();
    std::lock_guard guard(tree.lock);
    std::vector<std::u16string> names;
    if (auto found = tree.keys.find(NameOf(root, path)); found != tree.keys.end()) {
        for (const auto& value : found->second.values) names.push_back(value.name);
    }
    return names;
}

std::optional<RegistryValue> Registry::Value(HKEY root, const std::u16string& path, const std::u16string& name) {
    Tree& tree = TheTree();
    std::lock_guard guard(tree.lock);
    auto found = tree.keys.find(NameOf(root, path));
    if (found == tree.keys.end()) return std::nullopt;
    for (const auto& value : found->second.values) {
        if (Folded(value.name) == Folded(name)) return value.value;
    }
    return std::nullopt;
}

size_t Registry::OpenKeyCount() {
    Tree& tree = TheTree();
    std::lock_guard guard(tree.lock);
    return tree.openKeys.size();
}

void Registry::FailKey(HKEY root, const std::u16string& path, LONG error) {
    Tree& tree = TheTree();
    std::lock_guard guard(tree.lock);
    tree.keyFailures[NameOf(root, path)] = error;
}

void Registry::FailValue(HKEY root, const std::u16string& path, const std::u16string& name, LONG error) {
    Tree& tree = TheTree();
    std::lock_guard guard(tree.lock);
    tree.valueFailures[{NameOf(root, path), Folded(name)}] = error;
}

}  // namespace host
