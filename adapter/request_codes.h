// Every device request code the adapters send or accept, by name.
//
// Each is CTL_CODE(FILE_DEVICE_BIOMETRIC, function, METHOD_BUFFERED,
// FILE_ANY_ACCESS). Standard requests use functions 0x001-0x00B, the private
// command set 0xC01-0xC27.
#pragma once

#include "platform/win32.h"

namespace talven {

constexpr DWORD BiometricRequestCode(DWORD function) {
    return (0x44u << 16) | (function << 2);
}

// Standard biometric driver requests.
constexpr DWORD IOCTL_BIOMETRIC_GET_ATTRIBUTES = BiometricRequestCode(0x001);
constexpr DWORD IOCTL_BIOMETRIC_RESET = BiometricRequestCode(0x002);
constexpr DWORD IOCTL_BIOMETRIC_GET_SENSOR_STATUS = BiometricRequestCode(0x004);
constexpr DWORD IOCTL_BIOMETRIC_CAPTURE_DATA = BiometricRequestCode(0x005);
constexpr DWORD IOCTL_BIOMETRIC_CONNECT_SECURE = BiometricRequestCode(0x00B);

// The chip's private command set.
constexpr DWORD IOCTL_VENDOR_ENROLL_BEGIN = BiometricRequestCode(0xC01);
constexpr DWORD IOCTL_VENDOR_ENROLL_COMMIT = BiometricRequestCode(0xC02);
constexpr DWORD IOCTL_VENDOR_GET_MATCH_RESULT = BiometricRequestCode(0xC03);
constexpr DWORD IOCTL_VENDOR_PROCESS_SAMPLE = BiometricRequestCode(0xC04);
constexpr DWORD IOCTL_VENDOR_CHECK_DUPLICATE = BiometricRequestCode(0xC05);
constexpr DWORD IOCTL_VENDOR_GET_TEMPLATE_TABLE = BiometricRequestCode(0xC06);
constexpr DWORD IOCTL_VENDOR_DELETE_TEMPLATE = BiometricRequestCode(0xC07);
constexpr DWORD IOCTL_VENDOR_GET_TEMPLATE_INFO = BiometricRequestCode(0xC08);
constexpr DWORD IOCTL_VENDOR_GET_HOST_ID = BiometricRequestCode(0xC09);
constexpr DWORD IOCTL_VENDOR_MATCH_DONE = BiometricRequestCode(0xC0A);
constexpr DWORD IOCTL_VENDOR_ENROLL_ABORT = BiometricRequestCode(0xC0B);
constexpr DWORD IOCTL_VENDOR_HAS_FREE_SLOT = BiometricRequestCode(0xC0C);
constexpr DWORD IOCTL_VENDOR_GET_TABLE_CHANGED = BiometricRequestCode(0xC0D);
constexpr DWORD IOCTL_VENDOR_SAMPLE_DONE = BiometricRequestCode(0xC0E);
constexpr DWORD IOCTL_VENDOR_DELETE_TEMPLATES = BiometricRequestCode(0xC0F);
constexpr DWORD IOCTL_VENDOR_GET_CHIP_ID = BiometricRequestCode(0xC10);
constexpr DWORD IOCTL_VENDOR_CONTROL_C1E = BiometricRequestCode(0xC1E);
constexpr DWORD IOCTL_VENDOR_CONTROL_C1F = BiometricRequestCode(0xC1F);
constexpr DWORD IOCTL_VENDOR_CONTROL_C20 = BiometricRequestCode(0xC20);
constexpr DWORD IOCTL_VENDOR_CONTROL_C21 = BiometricRequestCode(0xC21);
constexpr DWORD IOCTL_VENDOR_CONTROL_C22 = BiometricRequestCode(0xC22);
constexpr DWORD IOCTL_VENDOR_CONTROL_C23 = BiometricRequestCode(0xC23);
constexpr DWORD IOCTL_VENDOR_CONTROL_C24 = BiometricRequestCode(0xC24);
constexpr DWORD IOCTL_VENDOR_GET_FW_INFO = BiometricRequestCode(0xC25);
constexpr DWORD IOCTL_VENDOR_DB_STATE = BiometricRequestCode(0xC27);

static_assert(IOCTL_BIOMETRIC_GET_ATTRIBUTES == 0x440004);
static_assert(IOCTL_BIOMETRIC_CAPTURE_DATA == 0x440014);
static_assert(IOCTL_BIOMETRIC_CONNECT_SECURE == 0x44002c);
static_assert(IOCTL_VENDOR_ENROLL_BEGIN == 0x443004);
static_assert(IOCTL_VENDOR_GET_CHIP_ID == 0x443040);
static_assert(IOCTL_VENDOR_CONTROL_C1F == 0x44307c);
static_assert(IOCTL_VENDOR_CONTROL_C22 == 0x443088);
static_assert(IOCTL_VENDOR_DB_STATE == 0x44309c);

}  // namespace talven
