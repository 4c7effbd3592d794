// IdentityKey encoding and decoding, and slot table entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "adapter/identity_key.h"
#include "adapter/slot_entry.h"

namespace talven {
namespace {

using Key = std::array<uint8_t, IdentityKeySize>;

WINBIO_IDENTITY Sid(ULONG size, BYTE first) {
    WINBIO_IDENTITY identity{};
    identity.Type = WINBIO_ID_TYPE_SID;
    identity.Value.AccountSid.Size = size;
    for (ULONG i = 0; i < WINBIO_IDENTITY_SID_DATA_SIZE; ++i) identity.Value.AccountSid.Data[i] = BYTE(first + i);
    return identity;
}

Key Encode(const WINBIO_IDENTITY& identity) {
    Key key;
    key.fill(0xEE);
    EncodeIdentityKey(identity, key);
    return key;
}

TEST(IdentityKeyTest, GuidIsEncodedInRfc4122Order) {
    WINBIO_IDENTITY identity{};
    identity.Type = WINBIO_ID_TYPE_GUID;
    identity.Value.TemplateGuid = {0xB876FDC8, 0x34E7, 0x471A, {0x82, 0xC8, 0x9C, 0xBA, 0x6A, 0x35, 0x38, 0xEC}};
    const Key expected = {0xB8, 0x76, 0xFD, 0xC8, 0x34, 0xE7, 0x47, 0x1A, 0x82, 0xC8, 0x9C,
                          0xBA, 0x6A, 0x35, 0x38, 0xEC, 0,    0,    0,    0,    0,    0};
    EXPECT_EQ(Encode(identity), expected);
}

TEST(IdentityKeyTest, SidCopiesItsSizeAndSecureIdItsThirtyTwoBytes) {
    Key sid28{};
    for (int i = 0; i < 28; ++i) sid28[i] = BYTE(0x10 + i);
    EXPECT_EQ(Encode(Sid(28, 0x10)), sid28);

    // A SID larger than the key fills the key and no more.
    Key sid32;
    for (int i = 0; i < 32; ++i) sid32[i] = BYTE(0x10 + i);
    EXPECT_EQ(Encode(Sid(68, 0x10)), sid32);

    WINBIO_IDENTITY secure{};
    secure.Type = WINBIO_ID_TYPE_SECURE_ID;
    Key secureKey;
    for (int i = 0; i < 32; ++i) secureKey[i] = secure.Value.SecureId[i] = BYTE(0xA0 + i);
    EXPECT_EQ(Encode(secure), secureKey);
}

TEST(IdentityKeyTest, OtherTypesEncodeAsZero) {
    for (WINBIO_IDENTITY_TYPE type : {WINBIO_ID_TYPE_NULL, WINBIO_ID_TYPE_WILDCARD, WINBIO_IDENTITY_TYPE(5)}) {
        WINBIO_IDENTITY identity = Sid(28, 1);
        identity.Type = type;
        EXPECT_EQ(Encode(identity), Key{}) << type;
    }
}

TEST(IdentityKeyTest, DecodingWithoutKindLooksAtBytes28To31) {
    for (size_t marker = 28; marker < 32; ++marker) {
        Key key{};
        key[0] = 0x42;
        key[marker] = 1;
        WINBIO_IDENTITY identity;
        std::memset(&identity, 0xCC, sizeof identity);
        DecodeIdentityKey(key, identity);
        EXPECT_EQ(identity.Type, WINBIO_ID_TYPE_SECURE_ID) << marker;
        EXPECT_TRUE(std::equal(key.begin(), key.end(), identity.Value.SecureId));
        EXPECT_TRUE(std::all_of(identity.Value.SecureId + 32, reinterpret_cast<BYTE*>(&identity + 1),
                                [](BYTE b) { return b == 0; }));
    }

    Key sidKey{};
    for (int i = 0; i < 28; ++i) sidKey[i] = BYTE(i + 1);
    WINBIO_IDENTITY identity;
    std::memset(&identity, 0xCC, sizeof identity);
    DecodeIdentityKey(sidKey, identity);
    EXPECT_EQ(identity.Type, WINBIO_ID_TYPE_SID);
    EXPECT_EQ(identity.Value.AccountSid.Size, 28u);
    EXPECT_TRUE(std::equal(sidKey.begin(), sidKey.begin() + 28, identity.Value.AccountSid.Data));
    EXPECT_TRUE(std::all_of(identity.Value.AccountSid.Data + 28, identity.Value.AccountSid.Data + 68,
                            [](BYTE b) { return b == 0; }));
}

TEST(IdentityKeyTest, KindByteOverridesTheBytes28To31Rule) {
    Key key{};
    key[31] = 9;
    WINBIO_IDENTITY identity{};
    DecodeIdentityKey(key, IdentityKindSid, identity);
    EXPECT_EQ(identity.Type, WINBIO_ID_TYPE_SID);
    EXPECT_EQ(identity.Value.AccountSid.Size, 28u);
    DecodeIdentityKey(Key{}, IdentityKindSecureId, identity);
    EXPECT_EQ(identity.Type, WINBIO_ID_TYPE_SECURE_ID);
    DecodeIdentityKey(key, IdentityKindGuid, identity);
    EXPECT_EQ(identity.Type, WINBIO_ID_TYPE_SID);
}

TEST(SlotEntryTest, EntriesOfBothLayoutsAndTheirBounds) {
    for (bool longEntries : {false, true}) {
        const size_t size = SlotEntrySize(longEntries);
        std::vector<uint8_t> table(3 * size);
        uint8_t* second = table.data() + size;
        second[0] = SlotInUse;
        second[1] = IdentityKindSecureId;
        second[2] = 0xF5;
        second[3] = 0x77;
        second[34] = 0x88;
        if (longEntries) second[36] = 0x99;

        const auto entry = SlotEntry::At(table, 1, longEntries);
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(entry->State(), SlotInUse);
        EXPECT_EQ(entry->Kind(), IdentityKindSecureId);
        EXPECT_EQ(entry->SubFactor(), 0xF5);
        EXPECT_EQ(entry->Key().front(), 0x77);
        EXPECT_EQ(entry->Key().back(), 0x88);
        EXPECT_EQ(entry->HasOwner(), longEntries);
        EXPECT_TRUE(SlotEntry::At(table, 2, longEntries).has_value());
        EXPECT_FALSE(SlotEntry::At(table, 3, longEntries).has_value());
        EXPECT_FALSE(SlotEntry::At(std::span(table).first(table.size() - 1), 2, longEntries).has_value());
        EXPECT_FALSE(SlotEntry::At(table, SIZE_MAX / 2, longEntries).has_value());
    }
}

TEST(SlotEntryTest, OwnerIdComparesBothHalves) {
    std::vector<uint8_t> table(LongSlotEntrySize);
    std::array<uint8_t, OwnerIdSize> owner;
    for (size_t i = 0; i < OwnerIdSize; ++i) owner[i] = table[36 + i] = uint8_t(i + 1);
    const auto entry = SlotEntry::At(table, 0, true);
    ASSERT_TRUE(entry.has_value());
    EXPECT_TRUE(entry->OwnedBy(owner));
    for (size_t differs : {size_t{0}, size_t{15}}) {
        auto other = owner;
        other[differs] ^= 0xFF;
        EXPECT_FALSE(entry->OwnedBy(other)) << differs;
    }
    const std::vector<uint8_t> shortTable(ShortSlotEntrySize);
    EXPECT_FALSE(SlotEntry::At(shortTable, 0, false)->OwnedBy(owner));
}

}  // namespace
}  // namespace talven
