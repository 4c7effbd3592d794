// Byte layout of the secure-connection records: the device's connect and
// reconnect replies and the connection data handed to the service.
#pragma once

#include <cstddef>

namespace talven::connection {

// Fixed items of the handshake.
constexpr size_t kNonceSize = 32;             // r, the device nonce
constexpr size_t kMacSize = 32;               // m, the device MAC
constexpr size_t kPublicKeySize = 65;         // pk_d and pk_f, uncompressed points
constexpr size_t kHashAndSignaturesSize = 160;  // h_f (32), s_m (64), s_d (64)
constexpr size_t kLengthPrefixSize = 2;

// The claim item is the model certificate followed by the keys, the hash and
// the signatures.
constexpr size_t kClaimTailSize = 2 * kPublicKeySize + kHashAndSignaturesSize;
static_assert(kClaimTailSize == 290);

// Connect reply: three length-prefixed items (r, claim, m).
constexpr size_t kConnectReplyFixedSize = 3 * kLengthPrefixSize + kNonceSize + kClaimTailSize + kMacSize;
static_assert(kConnectReplyFixedSize == 360);

// Reconnect reply: a length prefix and 32 bytes.
constexpr size_t kReconnectReplySize = kLengthPrefixSize + kMacSize;
static_assert(kReconnectReplySize == 34);

// Connection data header.
constexpr size_t kSizeOffset = 0;
constexpr size_t kVersionOffset = 4;
constexpr size_t kFlagsOffset = 6;
constexpr size_t kModelCertificateSizeOffset = 8;
constexpr size_t kIntermediateCa1SizeOffset = 12;
constexpr size_t kIntermediateCa2SizeOffset = 16;
constexpr size_t kMacOffset = 20;
constexpr size_t kHeaderSize = kMacOffset + kMacSize;
static_assert(kHeaderSize == 52);
constexpr size_t kNonceOffset = kHeaderSize;
constexpr size_t kModelCertificateOffset = kNonceOffset + kNonceSize;
static_assert(kModelCertificateOffset == 84);
// Everything but the three certificates.
constexpr size_t kConnectionDataFixedSize = kModelCertificateOffset + kClaimTailSize;
static_assert(kConnectionDataFixedSize == 374);

// Parameters from the service: PayloadSize (32-bit), Version, Flags (16-bit each).
constexpr size_t kParamsPayloadSizeOffset = 0;
constexpr size_t kParamsVersionOffset = 4;
constexpr size_t kParamsFlagsOffset = 6;
constexpr size_t kParamsHeaderSize = 8;
constexpr unsigned kReconnectFlag = 1;

}  // namespace talven::connection
