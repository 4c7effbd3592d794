// The registry settings of the boot-time trace session that records the
// sensor adapter's provider and one further provider. Constants of the
// module: nothing is read from configuration.
#pragma once

#include "platform/win32.h"

namespace talven {

// One value to write: DWORD and QWORD values carry `Number`, strings `Text`.
struct RegistrySetting {
    LPCWSTR Name;
    DWORD Type;
    ULONGLONG Number;
    LPCWSTR Text;
};

// Below this build the platform has no other way to start the session.
inline constexpr DWORD kFirstBuildWithoutAutologger = 22000;

inline constexpr LPCWSTR kSessionKey = WSTR("SYSTEM\\CurrentControlSet\\Control\\WMI\\Autologger\\KvoMocWbdi");
// A provider outside this system, recorded with the same settings.
inline constexpr LPCWSTR kPartnerProviderKey =
    WSTR("SYSTEM\\CurrentControlSet\\Control\\WMI\\Autologger\\KvoMocWbdi\\{F7B941EE-EA5A-4984-927B-8DF3218DE3C8}");
// The sensor adapter's own trace provider.
inline constexpr LPCWSTR kAdapterProviderKey =
    WSTR("SYSTEM\\CurrentControlSet\\Control\\WMI\\Autologger\\KvoMocWbdi\\{E1A44DA1-D546-4FF9-A1C7-A4F4FED9A9A4}");

inline constexpr RegistrySetting kSessionSettings[] = {
    {WSTR("Start"), REG_DWORD, 1, nullptr},         // start at boot
    {WSTR("BufferSize"), REG_DWORD, 4, nullptr},    // kilobytes
    {WSTR("ClockType"), REG_DWORD, 1, nullptr},     // performance counter
    {WSTR("FileMax"), REG_DWORD, 5, nullptr},       // files kept from successive boots
    {WSTR("FlushTimer"), REG_DWORD, 1, nullptr},    // seconds
    {WSTR("LogFileMode"), REG_DWORD, 2, nullptr},   // circular file
    {WSTR("MaxFileSize"), REG_DWORD, 20, nullptr},  // megabytes
    {WSTR("MaximumBuffers"), REG_DWORD, 640, nullptr},
    {WSTR("MinimumBuffers"), REG_DWORD, 640, nullptr},
    {WSTR("FileName"), REG_SZ, 0, WSTR("C:\\Windows\\System32\\drivers\\DriverData\\Quillon\\KvoMocWbdi.etl")},
    {WSTR("GUID"), REG_SZ, 0, WSTR("{9DB83BCD-540D-4ADC-8BF2-35CDBFC629F5}")},
};

inline constexpr RegistrySetting kProviderSettings[] = {
    {WSTR("Enabled"), REG_DWORD, 1, nullptr},
    {WSTR("EnableLevel"), REG_DWORD, 255, nullptr},
    {WSTR("EnableProperty"), REG_DWORD, 0, nullptr},
    {WSTR("MatchAllKeyword"), REG_QWORD, 0, nullptr},
    // The low 32 keyword bits only.
    {WSTR("MatchAnyKeyword"), REG_QWORD, 0x00000000FFFFFFFFull, nullptr},
};

}  // namespace talven
