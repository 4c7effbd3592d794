// The capture request's parameters and what the adapters read from the
// capture reply: the sample and the chip's status byte inside it.
#pragma once

#include <cstdint>
#include <span>

#include "platform/wbf.h"

namespace talven {

constexpr size_t CaptureParametersSize = 32;
constexpr size_t CaptureBufferSize = 161;
constexpr size_t CaptureSampleOffset = 20;  // the WINBIO_BIR in the reply

// The chip's status byte: any value but these two is a captured finger.
constexpr BYTE CaptureStatusBad = 1;
constexpr BYTE CaptureStatusNoData = 255;

// PayloadSize 32, the purpose, the format, the vendor format and the raw
// data flag; every other byte 0.
void BuildCaptureParameters(std::span<uint8_t, CaptureParametersSize> parameters, WINBIO_BIR_PURPOSE purpose,
                            const WINBIO_REGISTERED_FORMAT& format, const WINBIO_UUID& vendorFormat);

// The sample the reply carries (CaptureData.Size bytes from offset 20), or
// an empty span when that size overruns the reply.
std::span<const uint8_t> CaptureSample(std::span<const uint8_t> reply);

// The status byte, 56 bytes into the sample's standard data block. Its
// position comes from the device (the block's offset in the BIR); a
// position outside the reply is a malformed reply and reads as
// CaptureStatusNoData.
BYTE CaptureStatus(std::span<const uint8_t> reply);

}  // namespace talven
