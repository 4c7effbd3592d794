// The secure-connection channel through the sensor's ConnectSecure slot,
// against replies built byte for byte.
#include <gtest/gtest.h>

#include <vector>

#include "adapter/certificates/certificate_chains.h"
#include "adapter/request_codes.h"
#include "adapter/secure/secure_channel.h"
#include "adapter/secure/secure_channel_codes.h"
#include "platform/host/host_heap.h"
#include "sensor/sensor_certificate_chains.h"
#include "tests/support/scripted_device.h"
#include "tests/sensor/sensor_fixture.h"

namespace sensor_test {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Item(const Bytes& bytes) {
    Bytes item = {static_cast<uint8_t>(bytes.size()), static_cast<uint8_t>(bytes.size() >> 8)};
    item.insert(item.end(), bytes.begin(), bytes.end());
    return item;
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes joined;
    for (const Bytes& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

Bytes Filled(size_t size, uint8_t first) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(first + i);
    return bytes;
}

// r, the claim (certificate and the 290 bytes after it) and m.
Bytes ConnectReply(const Bytes& certificate, size_t nonceSize = 32, size_t macSize = 32) {
    Bytes claim = certificate;
    const Bytes tail = Filled(290, 0x40);
    claim.insert(claim.end(), tail.begin(), tail.end());
    return Join({Item(Filled(nonceSize, 0x10)), Item(claim), Item(Filled(macSize, 0x80))});
}

Bytes Certificate(const BYTE* bytes, DWORD size) {
    return Bytes(bytes, bytes + size);
}

struct Params {
    WINBIO_SECURE_CONNECTION_PARAMS header;
    BYTE payload[16];
};

class SecureChannelTest : public SensorFixture {
protected:
    void SetUp() override {
        Open(device_);
        device_->Reply(talven::IOCTL_VENDOR_GET_CHIP_ID, Bytes(32, 0x5A));
        ASSERT_EQ(sensor_.Attach(&pipeline_), S_OK);
    }
    HRESULT Connect(USHORT flags, PWINBIO_SECURE_CONNECTION_DATA* data) {
        params_.header = {sizeof(Params), 2, flags};
        return sensor_.ConnectSecure(&pipeline_, &params_.header, data);
    }
    const uint8_t* Bytes_(const WINBIO_SECURE_CONNECTION_DATA* data) { return reinterpret_cast<const uint8_t*>(data); }

    std::shared_ptr<test_support::ScriptedDevice> device_ = std::make_shared<test_support::ScriptedDevice>();
    Params params_ = {};
};

TEST(SecureChannelSizing, BuffersFitTheLargestCertificateOfEachColumn) {
    talven::CertificateChain chains[talven::SensorCertificateChainCount];
    talven::FillSensorCertificateChains(chains);
    WINBIO_PIPELINE pipeline = {};
    talven::SecureChannel* channel = nullptr;
    ASSERT_EQ(talven::CreateSecureChannel(&pipeline, chains, 3, &channel), 0u);
    EXPECT_EQ(channel->ReplySize(), 1206u);
    EXPECT_EQ(channel->Capacity(), 3359u);
    EXPECT_EQ(talven::DestroySecureChannel(channel), 0u);
}

TEST(SecureChannelSizing, CreationFailuresNameTheirStep) {
    talven::CertificateChain chains[talven::SensorCertificateChainCount];
    talven::FillSensorCertificateChains(chains);
    WINBIO_PIPELINE pipeline = {};
    const size_t baseline = host::LiveAllocations();
    talven::SecureChannel* channel = nullptr;
    EXPECT_EQ(talven::CreateSecureChannel(&pipeline, nullptr, 0, &channel), 0xED010006u);
    ASSERT_NE(channel, nullptr);
    talven::DestroySecureChannel(channel);
    // The object, the chain list, the connection data, the reply buffer.
    const DWORD expected[] = {122, 0xED06007A, 0xED01007A, 0xED02007A, 0};
    for (unsigned n = 1; n <= 5; ++n) {
        host::FailAllocation(n);
        EXPECT_EQ(talven::CreateSecureChannel(&pipeline, chains, 3, &channel), expected[n - 1]) << n;
        host::FailAllocation(0);
        EXPECT_EQ(channel == nullptr, n == 1) << n;
        talven::DestroySecureChannel(channel);
        EXPECT_EQ(host::LiveAllocations(), baseline) << n;
    }
}

TEST_F(SecureChannelTest, ConnectLaysOutTheSelectedChainAndReconnectKeepsIt) {
    const Bytes presented = Certificate(talven::ModelCertificate2, talven::ModelCertificate2Size);
    device_->Reply(talven::IOCTL_BIOMETRIC_CONNECT_SECURE, ConnectReply(presented));
    PWINBIO_SECURE_CONNECTION_DATA data = nullptr;
    ASSERT_EQ(Connect(0, &data), S_OK);
    EXPECT_EQ(data->Size, 3359u);
    EXPECT_EQ(data->Version, 2);
    EXPECT_EQ(data->Flags, 0);
    EXPECT_EQ(data->ModelCertificateSize, 808u);
    EXPECT_EQ(data->IntermediateCA1Size, 967u);
    EXPECT_EQ(data->IntermediateCA2Size, 1114u);
    const uint8_t* bytes = Bytes_(data);
    EXPECT_EQ(Bytes(bytes + 20, bytes + 52), Filled(32, 0x80));  // m
    EXPECT_EQ(Bytes(bytes + 52, bytes + 84), Filled(32, 0x10));  // r
    EXPECT_EQ(Bytes(bytes + 84, bytes + 84 + 808), presented);
    EXPECT_EQ(Bytes(bytes + 892, bytes + 892 + 290), Filled(290, 0x40));
    EXPECT_EQ(Bytes(bytes + 1182, bytes + 1182 + 967),
              Certificate(talven::IntermediateCA1OfChains1And2, talven::IntermediateCA1OfChains1And2Size));
    EXPECT_EQ(Bytes(bytes + 2149, bytes + 2149 + 1114),
              Certificate(talven::IntermediateCA2, talven::IntermediateCA2Size));
    // The service's parameters go to the driver as they came.
    EXPECT_EQ(device_->LastInput(talven::IOCTL_BIOMETRIC_CONNECT_SECURE).size(), sizeof(Params));

    const Bytes mac = Filled(32, 0xC0);
    device_->Reply(talven::IOCTL_BIOMETRIC_CONNECT_SECURE, Item(mac));
    ASSERT_EQ(Connect(1, &data), S_OK);
    EXPECT_EQ(data->Size, 52u);
    EXPECT_EQ(data->Flags, 1);
    EXPECT_EQ(data->ModelCertificateSize, 808u);
    EXPECT_EQ(data->IntermediateCA1Size, 967u);
    EXPECT_EQ(data->IntermediateCA2Size, 1114u);
    EXPECT_EQ(Bytes(Bytes_(data) + 20, Bytes_(data) + 52), mac);
}

TEST_F(SecureChannelTest, RefusedRepliesGiveTheirCodes) {
    Bytes altered = Certificate(talven::ModelCertificate2, talven::ModelCertificate2Size);
    altered[400] ^= 0xFF;
    const Bytes chain1 = Certificate(talven::ModelCertificate1, talven::ModelCertificate1Size);
    const struct {
        const char* what;
        Bytes reply;
        DWORD expected;
    } cases[] = {
        {"808 bytes that are not our 808-byte certificate", ConnectReply(altered), 0xED050002},
        {"a certificate size no chain has", ConnectReply(Bytes(500, 1)), 0xED050001},
        {"a claim shorter than its fixed tail", Join({Item(Filled(32, 0)), Item(Bytes(100, 1)), Item(Filled(32, 0))}),
         0xED050001},
        {"a nonce longer than 32 bytes", ConnectReply(chain1, 33), 0xED050003},
        {"a MAC longer than 32 bytes", ConnectReply(chain1, 32, 40), 0xED050003},
        {"a claim longer than the largest chain allows", ConnectReply(Bytes(900, 1)), 0xED050001},
    };
    for (const auto& c : cases) {
        device_->Reply(talven::IOCTL_BIOMETRIC_CONNECT_SECURE, c.reply);
        PWINBIO_SECURE_CONNECTION_DATA data = nullptr;
        EXPECT_EQ(static_cast<DWORD>(Connect(0, &data)), c.expected) << c.what;
    }
    device_->Fail(talven::IOCTL_BIOMETRIC_CONNECT_SECURE, ERROR_GEN_FAILURE);
    PWINBIO_SECURE_CONNECTION_DATA data = nullptr;
    EXPECT_EQ(static_cast<DWORD>(Connect(0, &data)), 0xED04001Fu);
}

TEST(SecureChannelSelection, FirstChainOfThePresentedSizeDecidesEvenWhenALaterOneMatches) {
    const Bytes other(808, 0x77);
    const talven::CertificateChain chains[] = {
        {talven::ModelCertificate2, talven::IntermediateCA1OfChains1And2, talven::IntermediateCA2, 808, 967, 1114},
        {other.data(), talven::IntermediateCA1OfChain3, talven::IntermediateCA2, 808, 1025, 1114},
    };
    auto device = std::make_shared<test_support::ScriptedDevice>();
    device->Reply(talven::IOCTL_BIOMETRIC_CONNECT_SECURE, ConnectReply(other));
    WINBIO_PIPELINE pipeline = {};
    pipeline.SensorHandle = host::OpenDevice(device);
    talven::SecureChannel* channel = nullptr;
    ASSERT_EQ(talven::CreateSecureChannel(&pipeline, chains, 2, &channel), 0u);
    Params params = {};
    params.header = {sizeof(Params), 1, 0};
    PWINBIO_SECURE_CONNECTION_DATA data = nullptr;
    EXPECT_EQ(channel->ConnectSecure(&params.header, &data), 0xED050002u);
    EXPECT_EQ(channel->ConnectSecure(nullptr, &data), 0xED030057u);
    talven::DestroySecureChannel(channel);
    CloseHandle(pipeline.SensorHandle);
}

}  // namespace
}  // namespace sensor_test
