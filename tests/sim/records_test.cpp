// Replies of the standard and vendor requests, byte for byte.
#include "sim_test_support.h"

namespace sim::testing {
namespace {

using namespace talven;

using RecordTest = ChipTest;

TEST_F(RecordTest, AttributesCarryOneAnsiFormatAndTheConfiguredNames) {
    ChipConfig config;
    config.manufacturer = u"Ab";
    config.model = u"M";
    config.serialNumber = u"7";
    config.firmwareVersion = {2, 5};
    config.attributesResult = static_cast<HRESULT>(0x80098036);
    Open(config);
    Reply r = Send(IOCTL_BIOMETRIC_GET_ATTRIBUTES, {}, 1580);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.bytes, 1580u);
    Bytes expected(1580, 0);
    const Bytes head = FromHex("2c 06 00 00  36 80 09 80  01 00 00 00 00 00 00 00  08 00 00 00  02 00 00 00  07 00 00 00");
    std::copy(head.begin(), head.end(), expected.begin());
    expected[28] = 'A', expected[30] = 'b';
    expected[540] = 'M';
    expected[1052] = '7';
    const Bytes tail = FromHex("02 00 00 00 05 00 00 00  01 00 00 00  1b 00 01 04");
    std::copy(tail.begin(), tail.end(), expected.begin() + 1564);
    EXPECT_EQ(r.output, expected);
}

TEST_F(RecordTest, StandardRecordsTooLargeForTheBufferReturnOnlyTheirSize) {
    Reply r = Send(IOCTL_BIOMETRIC_GET_ATTRIBUTES, {}, 100, 0xEE);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, 4u);
    EXPECT_EQ(Bytes(r.output.begin(), r.output.begin() + 5), FromHex("2c 06 00 00 ee"));
    EXPECT_EQ(Send(IOCTL_BIOMETRIC_RESET, {}, 3).error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST_F(RecordTest, ResetAndStatusReportTheConfiguredValues) {
    ChipConfig config;
    config.resetResult = static_cast<HRESULT>(0x80098010);
    config.sensorStatus = WINBIO_SENSOR_BUSY;
    Open(config);
    Reply reset = Send(IOCTL_BIOMETRIC_RESET, {}, 8);
    EXPECT_EQ(reset.output, FromHex("08 00 00 00 10 80 09 80"));
    Reply status = Send(IOCTL_BIOMETRIC_GET_SENSOR_STATUS, {}, 20);
    EXPECT_EQ(status.bytes, 20u);
    EXPECT_EQ(status.output, FromHex("14 00 00 00 00 00 00 00 04 00 00 00 00 00 00 00 00 00 00 00"));
}

TEST_F(RecordTest, InformationRequestsFollowTheConfiguration) {
    ChipConfig config;
    config.samplesPerEnrollment = 12;
    config.slotCount = 5;
    config.longEntries = true;
    config.hashedKeys = true;
    config.firmwareInfo = {0x11, 0xC0, 0x01};
    Open(config);
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_TEMPLATE_INFO, {}, 8, 0xAA).output, FromHex("0d 05 01 01 00 00 00 00"));
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_FW_INFO, {}, 8, 0xAA).output, FromHex("11 c0 01 00 00 00 00 00"));
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_HOST_ID, {}, 16).output, FromHex("484f53542d4f574e45522d3030303031"));
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_CHIP_ID, {}, 32).output,
              FromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f"));
}

TEST_F(RecordTest, DatabaseStateIsReadAndWrittenThroughOneFiveByteBuffer) {
    EXPECT_EQ(Send(IOCTL_VENDOR_DB_STATE, {1, 0, 0, 0, 0}, 5).output, FromHex("01 00 00 00 00"));
    EXPECT_TRUE(Send(IOCTL_VENDOR_DB_STATE, {0, 3, 0, 0, 0}, 5).ok);
    EXPECT_EQ(Send(IOCTL_VENDOR_DB_STATE, {1, 0, 0, 0, 0}, 5).output, FromHex("01 03 00 00 00"));
    EXPECT_EQ(chip->Snapshot().dbState, 3u);
    EXPECT_EQ(Send(IOCTL_VENDOR_DB_STATE, {2, 0, 0, 0, 0}, 5).error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(RecordTest, SlotTableShowsShortAndLongEntries) {
    Template t;
    t.kind = kKindSid;
    t.subFactor = 6;
    t.key.fill(0x5A);
    t.owner.fill(0x0F);
    chip->InsertTemplate(1, t);
    Reply shortTable = Send(IOCTL_VENDOR_GET_TEMPLATE_TABLE, {}, 8 * 35);
    ASSERT_EQ(shortTable.bytes, 8u * 35);
    Bytes entry(35, 0x5A);
    entry[0] = 1, entry[1] = 0, entry[2] = 6;
    EXPECT_EQ(Bytes(shortTable.output.begin() + 35, shortTable.output.begin() + 70), entry);
    EXPECT_EQ(Bytes(shortTable.output.begin(), shortTable.output.begin() + 35), Bytes(35, 0));

    ChipConfig config;
    config.slotCount = 2;
    config.longEntries = true;
    Open(config);
    chip->InsertTemplate(0, t);
    Reply longTable = Send(IOCTL_VENDOR_GET_TEMPLATE_TABLE, {}, 2 * 52);
    ASSERT_EQ(longTable.bytes, 104u);
    entry.push_back(0);
    entry.insert(entry.end(), 16, 0x0F);
    EXPECT_EQ(Bytes(longTable.output.begin(), longTable.output.begin() + 52), entry);
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_TEMPLATE_TABLE, {}, 103).error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST_F(RecordTest, DeletionAndFreeSlotQuestions) {
    ChipConfig config;
    config.slotCount = 3;
    Open(config);
    for (uint8_t s = 0; s < 3; ++s) chip->InsertTemplate(s, Template{});
    EXPECT_EQ(Send(IOCTL_VENDOR_HAS_FREE_SLOT, {}, 1, 255).output, Bytes{0});

    EXPECT_TRUE(Send(IOCTL_VENDOR_DELETE_TEMPLATE, {1}).ok);
    EXPECT_FALSE(chip->Snapshot().slots[1]);
    EXPECT_EQ(Send(IOCTL_VENDOR_HAS_FREE_SLOT, {}, 1, 255).output, Bytes{1});
    EXPECT_EQ(Send(IOCTL_VENDOR_DELETE_TEMPLATE, {3}).error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    // A list with one bad index deletes nothing.
    EXPECT_EQ(Send(IOCTL_VENDOR_DELETE_TEMPLATES, {0, 9}).error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(chip->Snapshot().slots[0]);
    EXPECT_TRUE(Send(IOCTL_VENDOR_DELETE_TEMPLATES, {0, 2}).ok);
    EXPECT_FALSE(chip->Snapshot().slots[0] || chip->Snapshot().slots[2]);

    chip->InsertTemplate(2, Template{});
    EXPECT_TRUE(Send(IOCTL_VENDOR_DELETE_TEMPLATE, {255}).ok);
    EXPECT_FALSE(chip->Snapshot().slots[2]);
}

TEST_F(RecordTest, ChangesBehindTheHostsBackShowInTheReplies) {
    ChipConfig config;
    config.slotCount = 1;
    config.longEntries = true;
    Open(config);
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_TABLE_CHANGED, {}, 1, 0xAA).output, Bytes{0});
    chip->SetTableChanged(true);
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_TABLE_CHANGED, {}, 1).output, Bytes{1});

    chip->InsertTemplate(0, Template{});
    OwnerId foreign;
    foreign.fill(0x77);
    chip->SetOwner(0, foreign);
    Reply table = Send(IOCTL_VENDOR_GET_TEMPLATE_TABLE, {}, 52);
    EXPECT_EQ(Bytes(table.output.begin() + 36, table.output.end()), Bytes(16, 0x77));
    chip->RemoveTemplate(0);
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_TEMPLATE_TABLE, {}, 52).output, Bytes(52, 0));
}

struct PassThroughCase {
    DWORD code;
    Bytes input;
    DWORD outputSize;
    DWORD expectedBytes;
};

TEST_F(RecordTest, PassThroughCodesAnswerWithTheirSizes) {
    const PassThroughCase cases[] = {
        {IOCTL_VENDOR_CONTROL_C1E, {3, 0, 0, 0, 9}, 6, 6},
        {IOCTL_VENDOR_CONTROL_C20, {1}, 40, 8},  // N = 3 from the C1E before, + 5
        {IOCTL_VENDOR_CONTROL_C21, {1}, 8, 8},
        {IOCTL_VENDOR_CONTROL_C1F, {1}, 10, 10},
        {IOCTL_VENDOR_CONTROL_C22, {1, 2}, 64, 32},
        {IOCTL_VENDOR_CONTROL_C23, {}, 3, 3},
        {IOCTL_VENDOR_CONTROL_C24, {5}, 2, 2},
    };
    for (const auto& c : cases) {
        Reply r = SendOverlapped(c.code, c.input, c.outputSize);
        ASSERT_TRUE(r.ok) << std::hex << c.code;
        EXPECT_EQ(r.bytes, c.expectedBytes) << std::hex << c.code;
    }
    // Byte i is the function code plus i.
    EXPECT_EQ(SendOverlapped(IOCTL_VENDOR_CONTROL_C23, {}, 3).output, FromHex("23 24 25"));
    EXPECT_EQ(SendOverlapped(IOCTL_VENDOR_CONTROL_C20, {}, 7).error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(SendOverlapped(IOCTL_VENDOR_CONTROL_C1F, {1, 2}, 4).error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(RecordTest, UnknownCodesAndMisshapenInputsAreRefused) {
    EXPECT_EQ(Send(BiometricRequestCode(0xC11)).error, static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_CHIP_ID, {}, 31).error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_CHIP_ID, {1}, 32).error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(Send(IOCTL_VENDOR_ENROLL_COMMIT, Bytes(32, 1)).error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
}  // namespace sim::testing
