#include "adapter/capture_records.h"

#include <algorithm>

#include "adapter/byte_order.h"

namespace talven {

namespace {

constexpr size_t SampleSizeOffset = 16;
constexpr size_t StandardDataOffsetInBir = 12;  // StandardDataBlock.Offset
constexpr size_t StatusInStandardData = 56;     // after the 40- and 16-byte ANSI-381 headers

void WriteGuid(std::span<uint8_t> out, size_t at, const GUID& guid) {
    WriteLe32(out, at, guid.Data1);
    WriteLe16(out, at + 4, guid.Data2);
    WriteLe16(out, at + 6, guid.Data3);
    std::copy_n(guid.Data4, 8, out.begin() + at + 8);
}

}  // namespace

void BuildCaptureParameters(std::span<uint8_t, CaptureParametersSize> parameters, WINBIO_BIR_PURPOSE purpose,
                            const WINBIO_REGISTERED_FORMAT& format, const WINBIO_UUID& vendorFormat) {
    std::fill(parameters.begin(), parameters.end(), 0);
    WriteLe32(parameters, 0, CaptureParametersSize);
    parameters[4] = purpose;
    WriteLe16(parameters, 6, format.Owner);
    WriteLe16(parameters, 8, format.Type);
    WriteGuid(parameters, 12, vendorFormat);
    parameters[28] = WINBIO_DATA_FLAG_RAW;
}

std::span<const uint8_t> CaptureSample(std::span<const uint8_t> reply) {
    if (!HasRoom(reply, SampleSizeOffset, 4)) return {};
    const uint32_t size = ReadLe32(reply, SampleSizeOffset);
    if (!HasRoom(reply, CaptureSampleOffset, size)) return {};
    return reply.subspan(CaptureSampleOffset, size);
}

BYTE CaptureStatus(std::span<const uint8_t> reply) {
    if (!HasRoom(reply, CaptureSampleOffset + StandardDataOffsetInBir, 4)) return CaptureStatusNoData;
    const uint64_t offset = ReadLe32(reply, CaptureSampleOffset + StandardDataOffsetInBir);
    const uint64_t at = CaptureSampleOffset + offset + StatusInStandardData;
    if (at >= reply.size()) return CaptureStatusNoData;
    return reply[static_cast<size_t>(at)];
}

}  // namespace talven
