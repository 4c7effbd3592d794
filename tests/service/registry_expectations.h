// What a registered autologger leaves in the registry, value by value and
// byte by byte.
#pragma once

#include <string>
#include <vector>

#include "platform/host/host_registry.h"
#include "platform/win32.h"

namespace talven::test_support {

inline const std::u16string kSessionPath = u"SYSTEM\\CurrentControlSet\\Control\\WMI\\Autologger\\KvoMocWbdi";
inline const std::u16string kPartnerPath = kSessionPath + u"\\{F7B941EE-EA5A-4984-927B-8DF3218DE3C8}";
inline const std::u16string kAdapterPath = kSessionPath + u"\\{E1A44DA1-D546-4FF9-A1C7-A4F4FED9A9A4}";

struct ExpectedValue {
    std::u16string name;
    DWORD type;
    std::vector<BYTE> data;
};

// UTF-16LE bytes of `text` with its NUL.
inline std::vector<BYTE> WideBytes(const std::u16string& text) {
    std::vector<BYTE> bytes;
    for (char16_t c : text + u'\0') {
        bytes.push_back(static_cast<BYTE>(c & 0xFF));
        bytes.push_back(static_cast<BYTE>(c >> 8));
    }
    return bytes;
}

inline std::vector<ExpectedValue> SessionValues() {
    return {
        {u"Start", 4, {1, 0, 0, 0}},
        {u"BufferSize", 4, {4, 0, 0, 0}},
        {u"ClockType", 4, {1, 0, 0, 0}},
        {u"FileMax", 4, {5, 0, 0, 0}},
        {u"FlushTimer", 4, {1, 0, 0, 0}},
        {u"LogFileMode", 4, {2, 0, 0, 0}},
        {u"MaxFileSize", 4, {20, 0, 0, 0}},
        {u"MaximumBuffers", 4, {0x80, 0x02, 0, 0}},
        {u"MinimumBuffers", 4, {0x80, 0x02, 0, 0}},
        {u"FileName", 1, WideBytes(u"C:\\Windows\\System32\\drivers\\DriverData\\Quillon\\KvoMocWbdi.etl")},
        {u"GUID", 1, WideBytes(u"{9DB83BCD-540D-4ADC-8BF2-35CDBFC629F5}")},
    };
}

inline std::vector<ExpectedValue> ProviderValues() {
    return {
        {u"Enabled", 4, {1, 0, 0, 0}},
        {u"EnableLevel", 4, {0xFF, 0, 0, 0}},
        {u"EnableProperty", 4, {0, 0, 0, 0}},
        {u"MatchAllKeyword", 11, {0, 0, 0, 0, 0, 0, 0, 0}},
        {u"MatchAnyKeyword", 11, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
    };
}

// The first `count` values of `all`.
inline std::vector<ExpectedValue> FirstOf(const std::vector<ExpectedValue>& all, size_t count) {
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(count)};
}

// The key's values, in the order they were written.
inline std::vector<ExpectedValue> ValuesOf(const std::u16string& path) {
    std::vector<ExpectedValue> values;
    for (const auto& name : host::Registry::ValueNames(HKEY_LOCAL_MACHINE, path)) {
        auto value = host::Registry::Value(HKEY_LOCAL_MACHINE, path, name);
        values.push_back({name, value->type, value->data});
    }
    return values;
}

inline bool operator==(const ExpectedValue& a, const ExpectedValue& b) {
    return a.name == b.name && a.type == b.type && a.data == b.data;
}

inline void PrintTo(const ExpectedValue& v, std::ostream* out) {
    *out << "{" << std::string(v.name.begin(), v.name.end()) << ", type " << v.type << ", " << v.data.size()
         << " bytes}";
}

}  // namespace talven::test_support
