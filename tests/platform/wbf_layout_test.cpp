// Pins the framework values and layouts that the service and the driver see:
// result codes by number, and byte images of records built through our
// structs, compared with the bytes the other side expects.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/results.h"
#include "platform/wbf.h"

namespace {

template <typename T>
std::vector<uint8_t> BytesOf(const T& value, size_t count = sizeof(T)) {
    std::vector<uint8_t> bytes(count);
    std::memcpy(bytes.data(), &value, count);
    return bytes;
}

// The engine's vendor format, {7A23C065-7884-45A4-9F01-CBA7FBCB0179}.
constexpr GUID kVendorFormat = {0x7A23C065, 0x7884, 0x45A4, {0x9F, 0x01, 0xCB, 0xA7, 0xFB, 0xCB, 0x01, 0x79}};

struct NamedResult {
    const char* name;
    HRESULT value;
    uint32_t expected;
};

TEST(WbfResults, EveryResultHasTheFrameworkValue) {
    const NamedResult results[] = {
        {"S_OK", S_OK, 0x00000000},
        {"WINBIO_I_MORE_DATA", WINBIO_I_MORE_DATA, 0x00090001},
        {"E_NOTIMPL", E_NOTIMPL, 0x80004001},
        {"E_POINTER", E_POINTER, 0x80004003},
        {"E_OUTOFMEMORY", E_OUTOFMEMORY, 0x8007000E},
        {"E_INVALIDARG", E_INVALIDARG, 0x80070057},
        {"device not available", HRESULT_FROM_WIN32(ERROR_DEVICE_NOT_AVAILABLE), 0x800710DF},
        {"WINBIO_E_UNKNOWN_ID", WINBIO_E_UNKNOWN_ID, 0x80098003},
        {"WINBIO_E_CANCELED", WINBIO_E_CANCELED, 0x80098004},
        {"WINBIO_E_NO_MATCH", WINBIO_E_NO_MATCH, 0x80098005},
        {"WINBIO_E_BAD_CAPTURE", WINBIO_E_BAD_CAPTURE, 0x80098008},
        {"WINBIO_E_INVALID_CONTROL_CODE", WINBIO_E_INVALID_CONTROL_CODE, 0x80098009},
        {"WINBIO_E_UNSUPPORTED_DATA_FORMAT", WINBIO_E_UNSUPPORTED_DATA_FORMAT, 0x8009800C},
        {"WINBIO_E_INVALID_DEVICE_STATE", WINBIO_E_INVALID_DEVICE_STATE, 0x8009800F},
        {"WINBIO_E_DEVICE_BUSY", WINBIO_E_DEVICE_BUSY, 0x80098010},
        {"WINBIO_E_DATABASE_CANT_CREATE", WINBIO_E_DATABASE_CANT_CREATE, 0x80098011},
        {"WINBIO_E_DATABASE_CANT_FIND", WINBIO_E_DATABASE_CANT_FIND, 0x80098015},
        {"WINBIO_E_DATABASE_ALREADY_EXISTS", WINBIO_E_DATABASE_ALREADY_EXISTS, 0x80098016},
        {"WINBIO_E_DATABASE_FULL", WINBIO_E_DATABASE_FULL, 0x80098018},
        {"WINBIO_E_DATABASE_CORRUPTED", WINBIO_E_DATABASE_CORRUPTED, 0x8009801A},
        {"WINBIO_E_DATABASE_NO_SUCH_RECORD", WINBIO_E_DATABASE_NO_SUCH_RECORD, 0x8009801B},
        {"WINBIO_E_DUPLICATE_ENROLLMENT", WINBIO_E_DUPLICATE_ENROLLMENT, 0x8009801C},
        {"WINBIO_E_DATABASE_NO_RESULTS", WINBIO_E_DATABASE_NO_RESULTS, 0x8009801F},
        {"WINBIO_E_DATABASE_NO_MORE_RECORDS", WINBIO_E_DATABASE_NO_MORE_RECORDS, 0x80098020},
        {"WINBIO_E_DATABASE_BAD_INDEX_VECTOR", WINBIO_E_DATABASE_BAD_INDEX_VECTOR, 0x80098022},
        {"WINBIO_E_NO_CAPTURE_DATA", WINBIO_E_NO_CAPTURE_DATA, 0x80098026},
        {"WINBIO_E_INVALID_SENSOR_MODE", WINBIO_E_INVALID_SENSOR_MODE, 0x80098027},
        {"WINBIO_E_DEVICE_FAILURE", WINBIO_E_DEVICE_FAILURE, 0x80098036},
    };
    for (const auto& r : results) {
        EXPECT_EQ(static_cast<uint32_t>(r.value), r.expected) << r.name;
    }
    // The informational result is a success: callers test it with SUCCEEDED.
    EXPECT_TRUE(SUCCEEDED(WINBIO_I_MORE_DATA));
    EXPECT_TRUE(FAILED(WINBIO_E_CANCELED));
}

TEST(WbfConstants, ValuesTheDeviceAndServiceExchange) {
    EXPECT_EQ(WINBIO_TYPE_FINGERPRINT, 8u);
    EXPECT_EQ(WINBIO_FP_POOR_QUALITY, 7u);
    EXPECT_EQ(WINBIO_FP_TOO_SKEWED, 8u);
    EXPECT_EQ(WINBIO_DATA_FLAG_RAW, 0x20);
    EXPECT_EQ(WINBIO_SENSOR_READY, 3u);
    EXPECT_EQ(WINBIO_ANSI_381_FORMAT_OWNER, 0x001B);
    EXPECT_EQ(WINBIO_ANSI_381_FORMAT_TYPE, 0x0401);
    EXPECT_EQ(WINBIO_IDENTITY_WILDCARD, 0x25066282u);
    EXPECT_EQ(WINBIO_SUBTYPE_ANY, 0xFF);
    EXPECT_EQ(WINBIO_ID_TYPE_GUID, 2u);
    EXPECT_EQ(WINBIO_ID_TYPE_SID, 3u);
    EXPECT_EQ(WINBIO_ID_TYPE_SECURE_ID, 4u);
    EXPECT_EQ(WINBIO_PURPOSE_ENROLL, 4);
    EXPECT_EQ(WINBIO_PURPOSE_AUDIT, 0x80);
}

TEST(WbfLayout, CaptureParametersImageMatchesTheDriverRecord) {
    WINBIO_CAPTURE_PARAMETERS params;
    std::memset(&params, 0, sizeof params);
    params.PayloadSize = sizeof params;
    params.Purpose = WINBIO_PURPOSE_ENROLL;
    params.Format = {WINBIO_ANSI_381_FORMAT_OWNER, WINBIO_ANSI_381_FORMAT_TYPE};
    params.VendorFormat = kVendorFormat;
    params.Flags = WINBIO_DATA_FLAG_RAW;

    const std::vector<uint8_t> expected = {
        0x20, 0x00, 0x00, 0x00,                          // PayloadSize 32
        0x04, 0x00,                                      // Purpose, pad
        0x1B, 0x00, 0x01, 0x04,                          // Format owner, type
        0x00, 0x00,                                      // pad
        0x65, 0xC0, 0x23, 0x7A, 0x84, 0x78, 0xA4, 0x45,  // VendorFormat
        0x9F, 0x01, 0xCB, 0xA7, 0xFB, 0xCB, 0x01, 0x79,  //
        0x20, 0x00, 0x00, 0x00,                          // Flags, pad
    };
    EXPECT_EQ(BytesOf(params), expected);
}

TEST(WbfLayout, SidIdentityImage) {
    WINBIO_IDENTITY identity;
    std::memset(&identity, 0, sizeof identity);
    identity.Type = WINBIO_ID_TYPE_SID;
    identity.Value.AccountSid.Size = 28;
    for (uint8_t i = 0; i < 28; ++i) identity.Value.AccountSid.Data[i] = static_cast<uint8_t>(0xA0 + i);

    std::vector<uint8_t> expected(76, 0);
    expected[0] = 0x03;
    expected[4] = 0x1C;
    for (size_t i = 0; i < 28; ++i) expected[8 + i] = static_cast<uint8_t>(0xA0 + i);
    EXPECT_EQ(BytesOf(identity), expected);
}

TEST(WbfLayout, GuidAndSecureIdentitiesShareTheValueOffset) {
    WINBIO_IDENTITY guid;
    std::memset(&guid, 0, sizeof guid);
    guid.Type = WINBIO_ID_TYPE_GUID;
    guid.Value.TemplateGuid = kVendorFormat;
    const std::vector<uint8_t> guidHead = {0x02, 0x00, 0x00, 0x00, 0x65, 0xC0, 0x23, 0x7A, 0x84, 0x78,
                                           0xA4, 0x45, 0x9F, 0x01, 0xCB, 0xA7, 0xFB, 0xCB, 0x01, 0x79};
    EXPECT_EQ(BytesOf(guid, guidHead.size()), guidHead);

    WINBIO_IDENTITY secure;
    std::memset(&secure, 0, sizeof secure);
    secure.Type = WINBIO_ID_TYPE_SECURE_ID;
    secure.Value.SecureId[0] = 0x11;
    secure.Value.SecureId[31] = 0x22;
    const auto bytes = BytesOf(secure);
    EXPECT_EQ(bytes[0], 0x04);
    EXPECT_EQ(bytes[4], 0x11);
    EXPECT_EQ(bytes[35], 0x22);
}

TEST(WbfLayout, InterfaceTableHeaderImage) {
    WINBIO_ENGINE_INTERFACE table;
    std::memset(&table, 0, sizeof table);
    table.Version = WINBIO_ENGINE_INTERFACE_VERSION_6;
    table.Type = WINBIO_ADAPTER_TYPE_ENGINE;
    table.Size = WINBIO_ENGINE_INTERFACE_SIZE;
    table.AdapterId = kVendorFormat;

    const std::vector<uint8_t> expected = {
        0x06, 0x00, 0x00, 0x00,                          // Version 6.0
        0x02, 0x00, 0x00, 0x00,                          // Type engine
        0x68, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // Size 360
        0x65, 0xC0, 0x23, 0x7A, 0x84, 0x78, 0xA4, 0x45,  // AdapterId
        0x9F, 0x01, 0xCB, 0xA7, 0xFB, 0xCB, 0x01, 0x79,  //
    };
    EXPECT_EQ(BytesOf(table, 32), expected);
}

TEST(WbfLayout, TableSizesMatchTheirVersions) {
    struct TableShape {
        const char* name;
        size_t size;
        size_t declared;
        size_t slots;
        size_t expected;
    };
    const TableShape tables[] = {
        {"sensor", sizeof(WINBIO_SENSOR_INTERFACE), WINBIO_SENSOR_INTERFACE_SIZE, WINBIO_SENSOR_INTERFACE_SLOT_COUNT,
         280},
        {"engine", sizeof(WINBIO_ENGINE_INTERFACE), WINBIO_ENGINE_INTERFACE_SIZE, WINBIO_ENGINE_INTERFACE_SLOT_COUNT,
         360},
        {"storage", sizeof(WINBIO_STORAGE_INTERFACE), WINBIO_STORAGE_INTERFACE_SIZE,
         WINBIO_STORAGE_INTERFACE_SLOT_COUNT, 272},
    };
    for (const auto& t : tables) {
        EXPECT_EQ(t.size, t.expected) << t.name;
        EXPECT_EQ(t.declared, t.expected) << t.name;
        EXPECT_EQ(32 + 8 * t.slots, t.expected) << t.name;
    }
    const WINBIO_ADAPTER_INTERFACE_VERSION storage = WINBIO_STORAGE_INTERFACE_VERSION_5;
    EXPECT_EQ(storage.MajorVersion, 5);
    EXPECT_EQ(storage.MinorVersion, 0);
}

TEST(WbfLayout, SupportedFormatSitsAtTheEndOfTheAttributes) {
    WINBIO_SENSOR_ATTRIBUTES attributes;
    std::memset(&attributes, 0, sizeof attributes);
    attributes.SupportedFormatEntries = 1;
    attributes.SupportedFormat[0] = {WINBIO_ANSI_381_FORMAT_OWNER, WINBIO_ANSI_381_FORMAT_TYPE};

    const auto bytes = BytesOf(attributes);
    ASSERT_EQ(bytes.size(), 1580u);
    const std::vector<uint8_t> tail(bytes.end() - 8, bytes.end());
    const std::vector<uint8_t> expected = {0x01, 0x00, 0x00, 0x00, 0x1B, 0x00, 0x01, 0x04};
    EXPECT_EQ(tail, expected);
}

}  // namespace
