// The certificate chains as the secure channel sees them: pointers and sizes.
// Their contents as certificates are checked by verify_certificate_chains.sh.
#include "adapter/certificates/certificate_chains.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "adapter/byte_order.h"

namespace talven {
namespace {

struct Certificate {
    const char* Name;
    const BYTE* Bytes;
    DWORD Size;
    DWORD ExpectedSize;
};

// The secure channel sizes its buffers from these and the chip's reply is
// matched against them, so each size is pinned to the real chain's.
const Certificate kCertificates[] = {
    {"ModelCertificate1", ModelCertificate1, ModelCertificate1Size, 807},
    {"ModelCertificate2", ModelCertificate2, ModelCertificate2Size, 808},
    {"ModelCertificate3", ModelCertificate3, ModelCertificate3Size, 846},
    {"IntermediateCA1OfChains1And2", IntermediateCA1OfChains1And2, IntermediateCA1OfChains1And2Size, 967},
    {"IntermediateCA1OfChain3", IntermediateCA1OfChain3, IntermediateCA1OfChain3Size, 1025},
    {"IntermediateCA2", IntermediateCA2, IntermediateCA2Size, 1114},
};

TEST(CertificateChains, EachArrayIsOneDerCertificateOfTheDeclaredSize) {
    for (const Certificate& c : kCertificates) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Size, c.ExpectedSize);
        // An outer SEQUENCE with a two-byte length that spans the whole array:
        // a truncated, padded or mislabelled array fails here.
        std::span<const uint8_t> bytes(c.Bytes, c.Size);
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(bytes[0], 0x30);
        EXPECT_EQ(bytes[1], 0x82);
        EXPECT_EQ(ReadBe16(bytes, 2) + 4u, c.Size);
    }
}

// The public key of a model certificate: the 65-byte point after the P-256
// SubjectPublicKeyInfo prefix.
std::vector<uint8_t> ModelKey(const BYTE* bytes, DWORD size) {
    static constexpr std::array<uint8_t, 26> kP256KeyInfoPrefix = {
        0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x02, 0x01,
        0x06, 0x08, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00};
    std::span<const uint8_t> cert(bytes, size);
    auto at = std::search(cert.begin(), cert.end(), kP256KeyInfoPrefix.begin(), kP256KeyInfoPrefix.end());
    if (cert.end() - at < static_cast<std::ptrdiff_t>(kP256KeyInfoPrefix.size() + 65)) return {};
    at += kP256KeyInfoPrefix.size();
    return {at, at + 65};
}

TEST(CertificateChains, EachSensorModelHasItsOwnKey) {
    const std::vector<uint8_t> keys[] = {
        ModelKey(ModelCertificate1, ModelCertificate1Size),
        ModelKey(ModelCertificate2, ModelCertificate2Size),
        ModelKey(ModelCertificate3, ModelCertificate3Size),
    };
    for (const auto& key : keys) {
        ASSERT_EQ(key.size(), 65u);
        EXPECT_EQ(key[0], 0x04);  // an uncompressed point
    }
    EXPECT_NE(keys[0], keys[1]);
    EXPECT_NE(keys[0], keys[2]);
    EXPECT_NE(keys[1], keys[2]);
}

}  // namespace
}  // namespace talven
