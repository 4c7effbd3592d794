// Request and reply records against literal bytes.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "adapter/capture_records.h"
#include "adapter/db_state_record.h"
#include "adapter/duplicate_record.h"
#include "adapter/enrollment_records.h"
#include "adapter/fw_info_record.h"
#include "adapter/match_result_record.h"
#include "adapter/sample_records.h"
#include "adapter/template_info_record.h"

namespace talven {
namespace {

TEST(CaptureRecordsTest, ParametersLayout) {
    std::array<uint8_t, CaptureParametersSize> bytes;
    bytes.fill(0xEE);
    const WINBIO_UUID vendor = {0x11223344, 0x5566, 0x7788, {0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x00}};
    BuildCaptureParameters(bytes, 3, {0x001B, 0x0401}, vendor);
    const std::array<uint8_t, 32> expected = {32,   0,    0,    0,    3,    0,    0x1B, 0x00, 0x01, 0x04, 0,
                                              0,    0x44, 0x33, 0x22, 0x11, 0x66, 0x55, 0x88, 0x77, 0x99, 0xAA,
                                              0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x00, 0x20, 0,    0,    0};
    EXPECT_EQ(bytes, expected);
}

// A 161-byte capture reply whose BIR puts its standard data block at
// `blockOffset` and declares `sampleSize` bytes.
std::vector<uint8_t> CaptureReply(uint32_t sampleSize, uint32_t blockOffset) {
    std::vector<uint8_t> reply(CaptureBufferSize);
    std::memcpy(&reply[16], &sampleSize, 4);
    std::memcpy(&reply[20 + 12], &blockOffset, 4);
    return reply;
}

TEST(CaptureRecordsTest, StatusByteSitsFiftySixBytesIntoTheStandardBlock) {
    auto reply = CaptureReply(80, 24);
    reply[20 + 24 + 56] = CaptureStatusBad;
    EXPECT_EQ(CaptureStatus(reply), CaptureStatusBad);
    reply[20 + 24 + 56] = 0;
    EXPECT_EQ(CaptureStatus(reply), 0);
}

TEST(CaptureRecordsTest, DeviceOffsetsOutsideTheReplyReadAsNoCaptureData) {
    // Offsets the device might send: just past the buffer, far past it, and
    // one that would wrap a 32-bit sum.
    for (uint32_t offset : {85u, 1000u, 0xFFFFFFF0u}) {
        EXPECT_EQ(CaptureStatus(CaptureReply(80, offset)), CaptureStatusNoData) << offset;
    }
    EXPECT_EQ(CaptureStatus(std::vector<uint8_t>(20)), CaptureStatusNoData);
    auto lastByte = CaptureReply(80, 84);
    lastByte[160] = CaptureStatusBad;
    EXPECT_EQ(CaptureStatus(lastByte), CaptureStatusBad);
}

TEST(CaptureRecordsTest, SampleIsBoundedByTheReply) {
    const auto reply = CaptureReply(141, 24);
    EXPECT_EQ(CaptureSample(reply).size(), 141u);
    EXPECT_EQ(CaptureSample(reply).data(), reply.data() + 20);
    EXPECT_TRUE(CaptureSample(CaptureReply(142, 24)).empty());
    EXPECT_TRUE(CaptureSample(CaptureReply(0xFFFFFFFFu, 24)).empty());
}

TEST(MatchResultRecordTest, StatusGivesResultAndRejectDetail) {
    struct Case {
        BYTE status;
        HRESULT result;
        WINBIO_REJECT_DETAIL rejectDetail;
    };
    const Case cases[] = {
        {0, S_OK, 0xAB},
        {11, static_cast<HRESULT>(0x80098003), 0xAB},
        {12, static_cast<HRESULT>(0x80098008), 8},
        {7, static_cast<HRESULT>(0x80098008), 7},
        {255, static_cast<HRESULT>(0x80098008), 255},
    };
    for (const Case& c : cases) {
        WINBIO_REJECT_DETAIL detail = 0xAB;
        EXPECT_EQ(MatchStatusResult(c.status, detail), c.result) << int(c.status);
        EXPECT_EQ(detail, c.rejectDetail) << int(c.status);
    }
}

TEST(MatchResultRecordTest, MetricsAndIdentityMoveWithTheNonce) {
    std::array<uint8_t, MatchReplySize> reply{};
    reply[1] = 0xF5;
    reply[2] = 0x42;  // key bytes 2-33, its bytes 28-31 zero
    reply[34] = 1;
    reply[38] = 2;
    reply[66] = 3;
    reply[70] = 4;

    ULONG metrics[2];
    WINBIO_IDENTITY identity;
    MatchReply plain(reply, false);
    plain.Metrics(metrics);
    EXPECT_EQ(metrics[0], 1u);
    EXPECT_EQ(metrics[1], 2u);
    plain.Identity(identity);
    EXPECT_EQ(identity.Type, WINBIO_ID_TYPE_SID);
    EXPECT_EQ(identity.Value.AccountSid.Size, 28u);
    EXPECT_EQ(identity.Value.AccountSid.Data[0], 0x42);
    EXPECT_EQ(plain.SubFactor(), 0xF5);

    MatchReply withNonce(reply, true);
    withNonce.Metrics(metrics);
    EXPECT_EQ(metrics[0], 3u);
    EXPECT_EQ(metrics[1], 4u);
    withNonce.Identity(identity);
    EXPECT_EQ(identity.Type, WINBIO_ID_TYPE_SECURE_ID);
    EXPECT_EQ(identity.Value.SecureId[0], 0x42);
    EXPECT_EQ(withNonce.Authenticator().front(), 1);
}

TEST(SampleRecordsTest, SkewedIsReportedAsEightAndTheTokenEchoed) {
    const std::array<uint8_t, ProcessSampleReplySize> skewed = {12, 1, 2, 3, 4, 5, 6, 7, 8};
    const ProcessedSample sample = ReadProcessSampleReply(skewed);
    EXPECT_EQ(sample.RejectDetail, 8u);
    std::array<uint8_t, SampleDoneInputSize> done;
    BuildSampleDone(done, sample.RejectDetail, sample.Token);
    EXPECT_EQ(done, (std::array<uint8_t, 9>{8, 1, 2, 3, 4, 5, 6, 7, 8}));

    for (BYTE detail : {0, 7, 11, 13}) {
        const std::array<uint8_t, ProcessSampleReplySize> reply = {detail};
        EXPECT_EQ(ReadProcessSampleReply(reply).RejectDetail, detail);
    }
}

TEST(EnrollmentRecordsTest, CommitIsSubFactorThenKey) {
    WINBIO_IDENTITY identity{};
    identity.Type = WINBIO_ID_TYPE_SECURE_ID;
    for (int i = 0; i < 32; ++i) identity.Value.SecureId[i] = BYTE(i + 1);
    std::array<uint8_t, EnrollCommitInputSize> input;
    BuildEnrollCommit(input, identity, 0xF5);
    EXPECT_EQ(input[0], 0xF5);
    EXPECT_EQ(input[1], 1);
    EXPECT_EQ(input[32], 32);
}

TEST(DuplicateRecordTest, NotDuplicateFlagStopsTheReading) {
    std::array<uint8_t, CheckDuplicateReplySize> reply{};
    reply[0] = IdentityKindSecureId;
    reply[2] = 0xF6;
    reply[3] = 0x99;
    DuplicateCheck check = ReadCheckDuplicateReply(reply);
    EXPECT_TRUE(check.IsDuplicate);
    EXPECT_EQ(check.SubFactor, 0xF6);
    EXPECT_EQ(check.Identity.Type, WINBIO_ID_TYPE_SECURE_ID);
    EXPECT_EQ(check.Identity.Value.SecureId[0], 0x99);

    reply[0] = 5;  // any kind but 1 is a SID
    EXPECT_EQ(ReadCheckDuplicateReply(reply).Identity.Type, WINBIO_ID_TYPE_SID);

    reply[1] = 1;
    check = ReadCheckDuplicateReply(reply);
    EXPECT_FALSE(check.IsDuplicate);
    EXPECT_EQ(check.SubFactor, 0);
    EXPECT_EQ(check.Identity.Type, WINBIO_ID_TYPE_NULL);
}

TEST(ChipInfoRecordsTest, TemplateInfoFirmwareInfoAndDbState) {
    const std::array<uint8_t, TemplateInfoReplySize> info = {6, 50, 2, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    const TemplateInfo parsed = ReadTemplateInfoReply(info);
    EXPECT_EQ(parsed.SamplesPlusOne, 6);
    EXPECT_EQ(parsed.SlotCount, 50);
    EXPECT_TRUE(parsed.LongSlotEntries);
    EXPECT_FALSE(parsed.HashedSecureKeys);

    EXPECT_EQ(PurgeModeOf(std::array<uint8_t, 8>{0, 0xC0, 0x01}), 7);
    EXPECT_EQ(PurgeModeOf(std::array<uint8_t, 8>{0xFF, 0x3F, 0xFE}), 0);
    EXPECT_EQ(PurgeModeOf(std::array<uint8_t, 8>{0, 0x40, 0}), 1);

    std::array<uint8_t, DbStateBufferSize> buffer;
    buffer.fill(0xEE);
    BuildDbStateRead(buffer);
    EXPECT_EQ(buffer, (std::array<uint8_t, 5>{1, 0, 0, 0, 0}));
    BuildDbStateWrite(buffer, DbStateMigrated);
    EXPECT_EQ(buffer, (std::array<uint8_t, 5>{0, 3, 0, 0, 0}));
    EXPECT_EQ(ReadDbStateValue(std::array<uint8_t, 5>{1, 0x78, 0x56, 0x34, 0x12}), 0x12345678u);
}

}  // namespace
}  // namespace talven
