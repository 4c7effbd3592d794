#include "sim/capture.h"

#include "adapter/byte_order.h"

namespace sim {

using talven::WriteLe16;
using talven::WriteLe32;
using talven::WriteLe64;

namespace {

constexpr size_t kParametersSize = sizeof(WINBIO_CAPTURE_PARAMETERS);
constexpr size_t kBir = 20;  // the sample starts after the capture-data head
constexpr size_t kHeaderOffset = sizeof(WINBIO_BIR);
constexpr size_t kStandardOffset = kHeaderOffset + sizeof(WINBIO_BIR_HEADER);
constexpr size_t kAnsiRecordOffset = kStandardOffset + sizeof(WINBIO_BDB_ANSI_381_HEADER);
constexpr size_t kStatusInBlock = sizeof(WINBIO_BDB_ANSI_381_HEADER) + sizeof(WINBIO_BDB_ANSI_381_RECORD);
constexpr size_t kStandardSize = kStatusInBlock + 1;
static_assert(kBir + kStandardOffset + kStatusInBlock == kCaptureStatusOffset);
static_assert(kStandardOffset == 80 && kStatusInBlock == 56);

constexpr uint16_t kResolutionPpi = 500;
constexpr uint8_t kScaleUnitsPpi = 1;
constexpr uint8_t kPixelDepth = 8;
constexpr uint8_t kAcquisitionLevel = 31;

uint8_t StatusByte(Presentation::Kind kind) {
    switch (kind) {
    case Presentation::Kind::BadCapture:
        return kCapturedBadly;
    case Presentation::Kind::NoCapture:
        return kCapturedNothing;
    default:
        return kCapturedFinger;
    }
}

void WriteBirHeader(Bytes& r, uint8_t purpose) {
    const size_t h = kBir + kHeaderOffset;
    r[h + offsetof(WINBIO_BIR_HEADER, DataFlags)] = WINBIO_DATA_FLAG_RAW;
    WriteLe32(r, h + offsetof(WINBIO_BIR_HEADER, Type), WINBIO_TYPE_FINGERPRINT);
    r[h + offsetof(WINBIO_BIR_HEADER, Purpose)] = purpose;
    WriteLe16(r, h + offsetof(WINBIO_BIR_HEADER, BiometricDataFormat), WINBIO_ANSI_381_FORMAT_OWNER);
    WriteLe16(r, h + offsetof(WINBIO_BIR_HEADER, BiometricDataFormat) + 2, WINBIO_ANSI_381_FORMAT_TYPE);
}

// ANSI-381 general header, then one finger-view record whose "image" is the
// status byte: the chip keeps the real image to itself.
void WriteStandardBlock(Bytes& r, uint8_t status, bool finger) {
    const size_t b = kBir + kStandardOffset;
    WriteLe64(r, b + offsetof(WINBIO_BDB_ANSI_381_HEADER, RecordLength), kStandardSize);
    const uint8_t format[] = {'F', 'I', 'R', 0, '0', '1', '0', 0};
    for (size_t i = 0; i < sizeof(format); ++i) r[b + offsetof(WINBIO_BDB_ANSI_381_HEADER, FormatIdentifier) + i] = format[i];
    WriteLe16(r, b + offsetof(WINBIO_BDB_ANSI_381_HEADER, ImageAcquisitionLevel), kAcquisitionLevel);
    WriteLe16(r, b + offsetof(WINBIO_BDB_ANSI_381_HEADER, HorizontalScanResolution), kResolutionPpi);
    WriteLe16(r, b + offsetof(WINBIO_BDB_ANSI_381_HEADER, VerticalScanResolution), kResolutionPpi);
    WriteLe16(r, b + offsetof(WINBIO_BDB_ANSI_381_HEADER, HorizontalImageResolution), kResolutionPpi);
    WriteLe16(r, b + offsetof(WINBIO_BDB_ANSI_381_HEADER, VerticalImageResolution), kResolutionPpi);
    r[b + offsetof(WINBIO_BDB_ANSI_381_HEADER, ElementCount)] = 1;
    r[b + offsetof(WINBIO_BDB_ANSI_381_HEADER, ScaleUnits)] = kScaleUnitsPpi;
    r[b + offsetof(WINBIO_BDB_ANSI_381_HEADER, PixelDepth)] = kPixelDepth;

    const size_t v = kBir + kAnsiRecordOffset;
    WriteLe32(r, v + offsetof(WINBIO_BDB_ANSI_381_RECORD, BlockLength), sizeof(WINBIO_BDB_ANSI_381_RECORD) + 1);
    WriteLe16(r, v + offsetof(WINBIO_BDB_ANSI_381_RECORD, HorizontalLineLength), 1);
    WriteLe16(r, v + offsetof(WINBIO_BDB_ANSI_381_RECORD, VerticalLineLength), 1);
    r[v + offsetof(WINBIO_BDB_ANSI_381_RECORD, CountOfViews)] = 1;
    r[v + offsetof(WINBIO_BDB_ANSI_381_RECORD, ViewNumber)] = 1;
    r[v + offsetof(WINBIO_BDB_ANSI_381_RECORD, ImageQuality)] = finger ? 100 : 0;
    r[kCaptureStatusOffset] = status;
}

Bytes CaptureReply(const Presentation& presented, uint8_t purpose) {
    const bool finger = presented.kind == Presentation::Kind::Finger;
    Bytes r(kCaptureReplySize, 0);
    WriteLe32(r, 0, kCaptureReplySize);
    WriteLe32(r, 4, static_cast<uint32_t>(S_OK));
    WriteLe32(r, 8, finger ? WINBIO_SENSOR_ACCEPT : WINBIO_SENSOR_REJECT);
    WriteLe32(r, 12, finger ? 0 : WINBIO_FP_POOR_QUALITY);
    WriteLe32(r, 16, kCaptureReplySize - kBir);
    WriteLe32(r, kBir + offsetof(WINBIO_BIR, HeaderBlock.Size), sizeof(WINBIO_BIR_HEADER));
    WriteLe32(r, kBir + offsetof(WINBIO_BIR, HeaderBlock.Offset), kHeaderOffset);
    WriteLe32(r, kBir + offsetof(WINBIO_BIR, StandardDataBlock.Size), kStandardSize);
    WriteLe32(r, kBir + offsetof(WINBIO_BIR, StandardDataBlock.Offset), kStandardOffset);
    WriteBirHeader(r, purpose);
    WriteStandardBlock(r, StatusByte(presented.kind), finger);
    return r;
}

}  // namespace

std::optional<ChipAnswer> AnswerCaptureAtOnce(const ChipRequest& request) {
    const Bytes& p = request.input;
    if (p.size() != kParametersSize || talven::ReadLe32(p, 0) != kParametersSize)
        return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
    if (request.outputSize < kCaptureReplySize)
        return FitStandardRecord(request, CaptureReply(Presentation::Empty(), p[4]));
    return std::nullopt;
}

ChipAnswer AnswerCapture(const ChipRequest& request, const Presentation& presented) {
    if (presented.kind == Presentation::Kind::DeviceError) return ChipAnswer::Fail(presented.error);
    const uint8_t purpose = request.input[offsetof(WINBIO_CAPTURE_PARAMETERS, Purpose)];
    return ChipAnswer::Reply(CaptureReply(presented, purpose));
}

}  // namespace sim
