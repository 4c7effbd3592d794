// The device and engine channels against a device that answers every
// request the same way: composite error codes per operation, what is sent,
// and how replies are decoded.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "adapter/channel_codes.h"
#include "adapter/engine_channel.h"
#include "adapter/enrollment_records.h"
#include "adapter/request_codes.h"
#include "platform/host/host_device.h"
#include "platform/host/host_heap.h"
#include "tests/support/scripted_device.h"

namespace talven {
namespace {

class ChannelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        pipeline.SensorHandle = host::OpenDevice(device);
        ASSERT_EQ(CreateEngineChannel(&pipeline, &engine), 0u);
        ASSERT_EQ(CreateDeviceChannel(&pipeline, &channel), 0u);
    }
    void TearDown() override {
        EXPECT_EQ(DestroyEngineChannel(engine), 0u);
        EXPECT_EQ(DestroyDeviceChannel(channel), 0u);
        CloseHandle(pipeline.SensorHandle);
    }

    std::shared_ptr<test_support::ScriptedDevice> device = std::make_shared<test_support::ScriptedDevice>();
    std::vector<BYTE> LastInput() const { return device->Requests().back().input; }
    DWORD LastOutputSize() const { return device->Requests().back().outputSize; }
    WINBIO_PIPELINE pipeline{};
    EngineChannel* engine = nullptr;
    DeviceChannel* channel = nullptr;
};

TEST_F(ChannelsTest, FailedRequestsNameTheirOperation) {
    device->FailAll(ERROR_GEN_FAILURE);
    WINBIO_IDENTITY identity{};
    WINBIO_BIOMETRIC_SUBTYPE subFactor = 0;
    WINBIO_REJECT_DETAIL detail = 0;
    BOOLEAN duplicate = FALSE;
    BYTE token[8];
    BYTE table[35];
    ULONG metrics[2] = {7, 7};

    EXPECT_EQ(channel->DeleteTemplate(3), 0xEF01001Fu);
    EXPECT_EQ(channel->GetTemplateTable(table, sizeof table), 0xEF02001Fu);
    EXPECT_EQ(engine->EnrollBegin(0, nullptr, nullptr), 0xEE03001Fu);
    EXPECT_EQ(engine->EnrollCommit(identity, 0xF5), 0xEE04001Fu);
    EXPECT_EQ(engine->GetMatchResult(nullptr, 0, &identity, &subFactor, &detail, nullptr, nullptr, metrics),
              0xEE05001Fu);
    EXPECT_EQ(engine->ProcessSample(1, &detail, token), 0xEE06001Fu);
    EXPECT_EQ(engine->CheckDuplicate(&identity, &subFactor, &duplicate), 0xEE08001Fu);
    EXPECT_EQ(metrics[0], 0u);
    EXPECT_EQ(metrics[1], 0u);

    device->FailAll(ERROR_OPERATION_ABORTED);
    EXPECT_EQ(channel->DeleteTemplate(AllSlots), 0xEF0103E3u);
    EXPECT_EQ(device->Codes(), (std::vector<DWORD>{IOCTL_VENDOR_DELETE_TEMPLATE, IOCTL_VENDOR_GET_TEMPLATE_TABLE,
                                                   IOCTL_VENDOR_ENROLL_BEGIN, IOCTL_VENDOR_ENROLL_COMMIT,
                                                   IOCTL_VENDOR_GET_MATCH_RESULT, IOCTL_VENDOR_PROCESS_SAMPLE,
                                                   IOCTL_VENDOR_CHECK_DUPLICATE, IOCTL_VENDOR_DELETE_TEMPLATE}));
    EXPECT_EQ(LastInput(), (std::vector<BYTE>{255}));
}

TEST_F(ChannelsTest, EnrollBeginPassesTheNonceBufferOnlyWhenAskedFor) {
    device->ReplyToAll(std::vector<BYTE>(32, 0xA5));
    ASSERT_EQ(engine->EnrollBegin(4, nullptr, nullptr), 0u);
    EXPECT_EQ(LastOutputSize(), 0u);
    PUCHAR nonce = nullptr;
    SIZE_T nonceSize = 0;
    ASSERT_EQ(engine->EnrollBegin(4, &nonce, &nonceSize), 0u);
    EXPECT_EQ(LastInput(), (std::vector<BYTE>{4}));
    EXPECT_EQ(LastOutputSize(), 32u);
    EXPECT_EQ(nonce, engine->NonceBuffer());
    EXPECT_EQ(nonceSize, 32u);
    EXPECT_EQ(nonce[31], 0xA5);
}

TEST_F(ChannelsTest, MatchResultHandsOutIdentityAndAuthenticator) {
    std::vector<BYTE> reply(74, 0);
    reply[1] = 0xF5;
    reply[2] = 0x42;
    reply[34] = 0xAA;  // authenticator with a nonce
    reply[66] = 9;     // metrics with a nonce
    device->ReplyToAll(reply);
    const BYTE nonce[32] = {1};
    WINBIO_IDENTITY identity{};
    WINBIO_BIOMETRIC_SUBTYPE subFactor = 0;
    WINBIO_REJECT_DETAIL detail = 0;
    PUCHAR authenticator = nullptr;
    SIZE_T authenticatorSize = 0;
    ULONG metrics[2] = {};
    ASSERT_EQ(engine->GetMatchResult(nonce, sizeof nonce, &identity, &subFactor, &detail, &authenticator,
                                     &authenticatorSize, metrics),
              0u);
    EXPECT_EQ(LastInput().size(), 32u);
    EXPECT_EQ(identity.Type, WINBIO_ID_TYPE_SECURE_ID);
    EXPECT_EQ(identity.Value.SecureId[0], 0x42);
    EXPECT_EQ(subFactor, 0xF5);
    EXPECT_EQ(authenticator, engine->AuthenticatorBuffer());
    EXPECT_EQ(authenticatorSize, 32u);
    EXPECT_EQ(authenticator[0], 0xAA);
    EXPECT_EQ(metrics[0], 9u);

    reply[0] = 11;
    device->ReplyToAll(reply);
    WINBIO_IDENTITY untouched{};
    EXPECT_EQ(engine->GetMatchResult(nullptr, 0, &untouched, &subFactor, &detail, nullptr, nullptr, metrics),
              0x80098003u);
    EXPECT_TRUE(LastInput().empty());
    EXPECT_EQ(untouched.Type, WINBIO_ID_TYPE_NULL);
    EXPECT_EQ(metrics[0], 0xAAu);  // without a nonce the metrics follow the key
}

TEST_F(ChannelsTest, ProcessSampleAndCheckDuplicateDecodeTheirReplies) {
    device->ReplyToAll({12, 1, 2, 3, 4, 5, 6, 7, 8});
    WINBIO_REJECT_DETAIL detail = 0;
    BYTE token[8] = {};
    ASSERT_EQ(engine->ProcessSample(4, &detail, token), 0u);
    EXPECT_EQ(LastInput(), (std::vector<BYTE>{4}));
    EXPECT_EQ(detail, 8u);
    EXPECT_EQ(token[7], 8);

    std::vector<BYTE> duplicateReply(35, 0);
    duplicateReply[0] = 1;
    duplicateReply[2] = 0xF6;
    device->ReplyToAll(duplicateReply);
    WINBIO_IDENTITY identity{};
    WINBIO_BIOMETRIC_SUBTYPE subFactor = 0;
    BOOLEAN duplicate = FALSE;
    ASSERT_EQ(engine->CheckDuplicate(&identity, &subFactor, &duplicate), 0u);
    EXPECT_EQ(duplicate, TRUE);
    EXPECT_EQ(subFactor, 0xF6);
    EXPECT_EQ(identity.Type, WINBIO_ID_TYPE_SECURE_ID);
}

TEST(EngineChannelCreationTest, EachAllocationFailureHasItsCodeAndLeavesNothing) {
    WINBIO_PIPELINE pipeline{};
    const DWORD expected[] = {CHANNEL_CREATION_FAILED, 0xEE01007A, 0xEE02007A};
    for (size_t n = 1; n <= 3; ++n) {
        const size_t live = host::LiveAllocations();
        EngineChannel* channel = reinterpret_cast<EngineChannel*>(1);
        host::FailAllocation(n);
        EXPECT_EQ(CreateEngineChannel(&pipeline, &channel), expected[n - 1]) << n;
        host::FailAllocation(0);
        EXPECT_EQ(channel, nullptr);
        EXPECT_EQ(host::LiveAllocations(), live);
    }
    DeviceChannel* device = nullptr;
    host::FailAllocation(1);
    EXPECT_EQ(CreateDeviceChannel(&pipeline, &device), 122u);
    host::FailAllocation(0);
    EXPECT_EQ(device, nullptr);
}

}  // namespace
}  // namespace talven
