// The chip's connect and reconnect replies.
#include "adapter/byte_order.h"
#include "adapter/certificates/certificate_chains.h"
#include "sim_test_support.h"

namespace sim::testing {
namespace {

using namespace talven;

Bytes Params(uint16_t flags) {
    Bytes p = FromHex("0c000000 0100 0000 aabbccdd");
    WriteLe16(p, 6, flags);
    return p;
}

using SecureConnectionTest = ChipTest;

TEST_F(SecureConnectionTest, ConnectLaysOutNonceClaimAndMacBehindLengths) {
    ChipConfig config;
    config.modelCertificate = FromHex("30 82 01");
    Open(config);
    Reply r = Send(IOCTL_BIOMETRIC_CONNECT_SECURE, Params(0), 400);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.bytes, 363u);
    EXPECT_EQ(ReadLe16(r.output, 0), 32);
    EXPECT_EQ(ReadLe16(r.output, 34), 293);  // certificate + 290
    EXPECT_EQ(Bytes(r.output.begin() + 36, r.output.begin() + 39), FromHex("30 82 01"));
    const SecureMaterial& keys = chip->Snapshot().secure;
    EXPECT_EQ(r.output[39], 0x04);
    EXPECT_EQ(Bytes(r.output.begin() + 39, r.output.begin() + 104), Bytes(keys.pkD.begin(), keys.pkD.end()));
    EXPECT_EQ(Bytes(r.output.begin() + 104, r.output.begin() + 169), Bytes(keys.pkF.begin(), keys.pkF.end()));
    EXPECT_EQ(Bytes(r.output.begin() + 169, r.output.begin() + 329),
              Bytes(keys.hashAndSignatures.begin(), keys.hashAndSignatures.end()));
    EXPECT_EQ(ReadLe16(r.output, 329), 32);

    // A fresh nonce and MAC every time.
    Reply again = Send(IOCTL_BIOMETRIC_CONNECT_SECURE, Params(0), 400);
    EXPECT_NE(Bytes(again.output.begin() + 2, again.output.begin() + 34), Bytes(r.output.begin() + 2, r.output.begin() + 34));
}

TEST_F(SecureConnectionTest, DefaultCertificateIsTheFirstModelCertificate) {
    Reply r = Send(IOCTL_BIOMETRIC_CONNECT_SECURE, Params(0), ModelCertificate3Size + 360);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, ModelCertificate1Size + 360);
    EXPECT_EQ(Bytes(r.output.begin() + 36, r.output.begin() + 36 + ModelCertificate1Size),
              Bytes(ModelCertificate1, ModelCertificate1 + ModelCertificate1Size));
    EXPECT_EQ(Send(IOCTL_BIOMETRIC_CONNECT_SECURE, Params(0), ModelCertificate1Size + 359).error,
              static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST_F(SecureConnectionTest, ReconnectAnswersOneLengthPrefixedValue) {
    Reply r = Send(IOCTL_BIOMETRIC_CONNECT_SECURE, Params(1), 34);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, 34u);
    EXPECT_EQ(ReadLe16(r.output, 0), 32);
    EXPECT_NE(Bytes(r.output.begin() + 2, r.output.end()), Bytes(32, 0));
}

TEST_F(SecureConnectionTest, ParametersMustStateTheirOwnSize) {
    Bytes p = Params(0);
    p[0] = 13;
    EXPECT_EQ(Send(IOCTL_BIOMETRIC_CONNECT_SECURE, p, 2000).error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(Send(IOCTL_BIOMETRIC_CONNECT_SECURE, {1, 2}, 2000).error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
}  // namespace sim::testing
