#include "tools/talven_host/result_names.h"

#include <cstdio>
#include <utility>

#include "adapter/secure/secure_channel_codes.h"
#include "platform/results.h"

namespace talven_host {

namespace {

const std::pair<HRESULT, const char*> kNames[] = {
    {S_OK, "S_OK"},
    {S_FALSE, "S_FALSE"},
    {E_NOTIMPL, "E_NOTIMPL"},
    {E_POINTER, "E_POINTER"},
    {E_FAIL, "E_FAIL"},
    {E_OUTOFMEMORY, "E_OUTOFMEMORY"},
    {E_INVALIDARG, "E_INVALIDARG"},
    {HRESULT_FROM_WIN32(ERROR_DEVICE_NOT_AVAILABLE), "HRESULT_FROM_WIN32(ERROR_DEVICE_NOT_AVAILABLE)"},
    {WINBIO_E_UNKNOWN_ID, "WINBIO_E_UNKNOWN_ID"},
    {WINBIO_E_CANCELED, "WINBIO_E_CANCELED"},
    {WINBIO_E_NO_MATCH, "WINBIO_E_NO_MATCH"},
    {WINBIO_E_BAD_CAPTURE, "WINBIO_E_BAD_CAPTURE"},
    {WINBIO_E_INVALID_DEVICE_STATE, "WINBIO_E_INVALID_DEVICE_STATE"},
    {WINBIO_E_DEVICE_BUSY, "WINBIO_E_DEVICE_BUSY"},
    {WINBIO_E_DATABASE_FULL, "WINBIO_E_DATABASE_FULL"},
    {WINBIO_E_NO_CAPTURE_DATA, "WINBIO_E_NO_CAPTURE_DATA"},
    {WINBIO_E_INVALID_SENSOR_MODE, "WINBIO_E_INVALID_SENSOR_MODE"},
    {WINBIO_E_DEVICE_FAILURE, "WINBIO_E_DEVICE_FAILURE"},
    {static_cast<HRESULT>(talven::SECURE_CHANNEL_NO_CHAINS), "secure channel: no certificate chains"},
    {static_cast<HRESULT>(talven::SECURE_CHANNEL_CONNECTION_DATA_ALLOC), "secure channel: connection data allocation"},
    {static_cast<HRESULT>(talven::SECURE_CHANNEL_REPLY_ALLOC), "secure channel: reply allocation"},
    {static_cast<HRESULT>(talven::SECURE_CHANNEL_NULL_PARAMS), "secure channel: no parameters"},
    {static_cast<HRESULT>(talven::SECURE_CHANNEL_UNKNOWN_CERTIFICATE_SIZE), "secure channel: unknown model certificate size"},
    {static_cast<HRESULT>(talven::SECURE_CHANNEL_CERTIFICATE_MISMATCH), "secure channel: model certificate differs"},
    {static_cast<HRESULT>(talven::SECURE_CHANNEL_MALFORMED_REPLY), "secure channel: malformed reply"},
    {static_cast<HRESULT>(talven::SECURE_CHANNEL_CHAIN_LIST_ALLOC), "secure channel: chain list allocation"},
};

}  // namespace

std::string DescribeResult(HRESULT result) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(result));
    for (const auto& [value, name] : kNames) {
        if (value == result) return std::string(hex) + " " + name;
    }
    if ((static_cast<ULONG>(result) & 0xFFFF0000u) == talven::SECURE_CHANNEL_REQUEST_FAILED) {
        return std::string(hex) + " secure channel: request failed, Win32 error " +
               std::to_string(static_cast<ULONG>(result) & 0xFFFFu);
    }
    return hex;
}

}  // namespace talven_host
