// Splits the device's connect reply into its three length-prefixed items.
// Every length comes from the device, so each item is checked against the
// room the channel has for it and against the reply buffer itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/win32.h"

namespace talven {

struct ConnectReplyItems {
    std::span<const uint8_t> nonce;  // r
    std::span<const uint8_t> claim;  // model certificate, pk_d, pk_f, h_f, s_m, s_d
    std::span<const uint8_t> mac;    // m
};

// Returns 0; SECURE_CHANNEL_MALFORMED_REPLY when the nonce or the MAC is
// longer than 32 bytes or an item leaves the reply;
// SECURE_CHANNEL_UNKNOWN_CERTIFICATE_SIZE when the claim is longer than
// `claimRoom` (no chain has a certificate that long).
DWORD SplitConnectReply(std::span<const uint8_t> reply, size_t claimRoom, ConnectReplyItems& items);

}  // namespace talven
