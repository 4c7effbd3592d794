// The standard biometric driver requests: attributes, reset, sensor status.
#include <algorithm>

#include "adapter/byte_order.h"
#include "sim/chip_handlers.h"

namespace sim {

using talven::WriteLe16;
using talven::WriteLe32;

namespace {

// Sensor capabilities: captures, matches, keeps its own template database.
constexpr DWORD kCapabilities = 0x1 | 0x2 | 0x4;
constexpr DWORD kFingerprintTouchSensor = 2;
constexpr WINBIO_VERSION kDriverInterfaceVersion = {1, 0};

void WriteString(Bytes& record, size_t at, const std::u16string& text) {
    constexpr size_t kMaxChars = sizeof(WINBIO_STRING) / sizeof(WCHAR) - 1;  // keep the terminating NUL
    const size_t n = std::min(text.size(), kMaxChars);
    for (size_t i = 0; i < n; ++i) WriteLe16(record, at + 2 * i, static_cast<uint16_t>(text[i]));
}

}  // namespace

ChipAnswer AnswerGetAttributes(ChipModel& chip, const ChipRequest& request) {
    const ChipConfig& c = chip.config;
    Bytes record(sizeof(WINBIO_SENSOR_ATTRIBUTES), 0);
    WriteLe32(record, 0, static_cast<uint32_t>(record.size()));
    WriteLe32(record, 4, static_cast<uint32_t>(c.attributesResult));
    WriteLe32(record, 8, kDriverInterfaceVersion.MajorVersion);
    WriteLe32(record, 12, kDriverInterfaceVersion.MinorVersion);
    WriteLe32(record, 16, WINBIO_TYPE_FINGERPRINT);
    WriteLe32(record, 20, kFingerprintTouchSensor);
    WriteLe32(record, 24, kCapabilities);
    WriteString(record, 28, c.manufacturer);
    WriteString(record, 540, c.model);
    WriteString(record, 1052, c.serialNumber);
    WriteLe32(record, 1564, c.firmwareVersion.MajorVersion);
    WriteLe32(record, 1568, c.firmwareVersion.MinorVersion);
    WriteLe32(record, 1572, 1);
    WriteLe16(record, 1576, WINBIO_ANSI_381_FORMAT_OWNER);
    WriteLe16(record, 1578, WINBIO_ANSI_381_FORMAT_TYPE);
    return FitStandardRecord(request, std::move(record));
}

ChipAnswer AnswerReset(ChipModel& chip, const ChipRequest& request) {
    Bytes record(sizeof(WINBIO_BLANK_PAYLOAD), 0);
    WriteLe32(record, 0, static_cast<uint32_t>(record.size()));
    WriteLe32(record, 4, static_cast<uint32_t>(chip.config.resetResult));
    return FitStandardRecord(request, std::move(record));
}

ChipAnswer AnswerGetSensorStatus(ChipModel& chip, const ChipRequest& request) {
    Bytes record(sizeof(WINBIO_DIAGNOSTICS), 0);
    WriteLe32(record, 0, static_cast<uint32_t>(record.size()));
    WriteLe32(record, 4, static_cast<uint32_t>(S_OK));
    WriteLe32(record, 8, chip.config.sensorStatus);
    return FitStandardRecord(request, std::move(record));
}

}  // namespace sim
