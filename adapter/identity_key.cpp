#include "adapter/identity_key.h"

#include <algorithm>
#include <cstring>

#include "adapter/byte_order.h"

namespace talven {

namespace {

static_assert(sizeof(WINBIO_IDENTITY{}.Value.SecureId) == IdentityKeySize);

void DecodeSid(std::span<const uint8_t, IdentityKeySize> key, WINBIO_IDENTITY& identity) {
    std::memset(&identity, 0, sizeof identity);
    identity.Type = WINBIO_ID_TYPE_SID;
    identity.Value.AccountSid.Size = DecodedSidSize;
    std::copy_n(key.begin(), DecodedSidSize, identity.Value.AccountSid.Data);
}

}  // namespace

void EncodeIdentityKey(const WINBIO_IDENTITY& identity, std::span<uint8_t, IdentityKeySize> key) {
    std::fill(key.begin(), key.end(), 0);
    switch (identity.Type) {
        case WINBIO_ID_TYPE_SECURE_ID:
            std::copy_n(identity.Value.SecureId, IdentityKeySize, key.begin());
            break;
        case WINBIO_ID_TYPE_SID: {
            // A SID longer than the key cannot be told apart by the chip
            // anyway; only the key's room is copied.
            const size_t size = std::min<size_t>(identity.Value.AccountSid.Size, IdentityKeySize);
            std::copy_n(identity.Value.AccountSid.Data, size, key.begin());
            break;
        }
        case WINBIO_ID_TYPE_GUID: {
            const GUID& guid = identity.Value.TemplateGuid;
            WriteBe32(key, 0, guid.Data1);
            WriteBe16(key, 4, guid.Data2);
            WriteBe16(key, 6, guid.Data3);
            std::copy_n(guid.Data4, 8, key.begin() + 8);
            break;
        }
        default:
            break;
    }
}

void DecodeSecureIdKey(std::span<const uint8_t, IdentityKeySize> key, WINBIO_IDENTITY& identity) {
    std::memset(&identity, 0, sizeof identity);
    identity.Type = WINBIO_ID_TYPE_SECURE_ID;
    std::copy(key.begin(), key.end(), identity.Value.SecureId);
}

void DecodeIdentityKey(std::span<const uint8_t, IdentityKeySize> key, WINBIO_IDENTITY& identity) {
    const bool secureId = std::any_of(key.begin() + 28, key.end(), [](uint8_t b) { return b != 0; });
    if (secureId) {
        DecodeSecureIdKey(key, identity);
    } else {
        DecodeSid(key, identity);
    }
}

void DecodeIdentityKey(std::span<const uint8_t, IdentityKeySize> key, BYTE kind, WINBIO_IDENTITY& identity) {
    if (kind == IdentityKindSecureId) {
        DecodeSecureIdKey(key, identity);
    } else {
        DecodeSid(key, identity);
    }
}

}  // namespace talven
