#include "adapter/secure/connect_reply.h"

#include "adapter/byte_order.h"
#include "adapter/secure/connection_layout.h"
#include "adapter/secure/secure_channel_codes.h"

namespace talven {
namespace {

// Takes the item whose 16-bit length sits at `at` and advances past it.
// Fails when the length exceeds `room` or the item leaves the reply.
bool TakeItem(std::span<const uint8_t> reply, size_t& at, size_t room, std::span<const uint8_t>& item) {
    if (!HasRoom(reply, at, connection::kLengthPrefixSize)) return false;
    const size_t length = ReadLe16(reply, at);
    at += connection::kLengthPrefixSize;
    if (length > room || !HasRoom(reply, at, length)) return false;
    item = reply.subspan(at, length);
    at += length;
    return true;
}

}  // namespace

DWORD SplitConnectReply(std::span<const uint8_t> reply, size_t claimRoom, ConnectReplyItems& items) {
    size_t at = 0;
    if (!TakeItem(reply, at, connection::kNonceSize, items.nonce)) return SECURE_CHANNEL_MALFORMED_REPLY;
    // A claim longer than the largest chain allows cannot carry a known certificate.
    if (!TakeItem(reply, at, claimRoom, items.claim)) return SECURE_CHANNEL_UNKNOWN_CERTIFICATE_SIZE;
    if (!TakeItem(reply, at, connection::kMacSize, items.mac)) return SECURE_CHANNEL_MALFORMED_REPLY;
    return 0;
}

}  // namespace talven
