// The shared routines: driver error mapping, SHA-256 and the unit's trace
// id.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "adapter/chip_identity.h"
#include "adapter/device_error.h"
#include "adapter/sha256_digest.h"

namespace talven {
namespace {

TEST(MapDeviceErrorTest, OnlyEndedRequestsReadAsCanceled) {
    const std::pair<DWORD, HRESULT> cases[] = {
        {995, static_cast<HRESULT>(0x80098004)},  {1223, static_cast<HRESULT>(0x80098004)},
        {1291, static_cast<HRESULT>(0x80098004)}, {31, static_cast<HRESULT>(0x80098036)},
        {0, static_cast<HRESULT>(0x80098036)},    {997, static_cast<HRESULT>(0x80098036)},
    };
    for (const auto& [error, expected] : cases) EXPECT_EQ(MapDeviceError(error), expected) << error;
}

TEST(Sha256DigestTest, AbcGivesTheStandardVector) {
    const BYTE abc[] = {'a', 'b', 'c'};
    std::array<BYTE, 40> out{};
    ASSERT_EQ(Sha256Digest(abc, sizeof abc, out.data(), out.size()), 0);
    const std::array<BYTE, 32> expected = {0xba, 0x78, 0x16, 0xbf, 0x8f, 0x01, 0xcf, 0xea, 0x41, 0x41, 0x40,
                                           0xde, 0x5d, 0xae, 0x22, 0x23, 0xb0, 0x03, 0x61, 0xa3, 0x96, 0x17,
                                           0x7a, 0x9c, 0xb4, 0x10, 0xff, 0x61, 0xf2, 0x00, 0x15, 0xad};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), out.begin()));
    EXPECT_TRUE(std::all_of(out.begin() + 32, out.end(), [](BYTE b) { return b == 0; }));
}

TEST(Sha256DigestTest, RefusedArgumentsLeaveTheOutputUntouched) {
    const BYTE input[] = {1, 2, 3};
    std::array<BYTE, 32> out;
    struct Case {
        const char* what;
        const BYTE* input;
        SIZE_T length;
        BYTE* output;
        SIZE_T capacity;
    };
    const Case cases[] = {
        {"null input", nullptr, 3, out.data(), 32},
        {"empty input", input, 0, out.data(), 32},
        {"null output", input, 3, nullptr, 32},
        {"output of 31 bytes", input, 3, out.data(), 31},
    };
    for (const Case& c : cases) {
        out.fill(0x5A);
        EXPECT_EQ(Sha256Digest(c.input, c.length, c.output, c.capacity), -135) << c.what;
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](BYTE b) { return b == 0x5A; })) << c.what;
    }
}

TEST(UnitTraceIdTest, UpperCaseDigitsByteZeroFirst) {
    BYTE hash[ChipIdHashSize] = {0x0a, 0xff};
    hash[31] = 0xc3;
    char id[UnitTraceIdLength];
    std::fill(std::begin(id), std::end(id), 'x');
    FormatUnitTraceId(hash, id);
    EXPECT_EQ(std::string(id), "0AFF" + std::string(58, '0') + "C3");
}

TEST(UnitTraceIdTest, UnansweredChipIdOfAllOnesHasAFixedTraceId) {
    BYTE chipId[ChipIdSize];
    std::fill(std::begin(chipId), std::end(chipId), SensorChipIdFill);
    BYTE hash[ChipIdHashSize];
    ASSERT_EQ(Sha256Digest(chipId, sizeof chipId, hash, sizeof hash), 0);
    char id[UnitTraceIdLength];
    FormatUnitTraceId(hash, id);
    EXPECT_STREQ(id, "AF9613760F72635FBDB44A5A0A63C39F12AF30F950A6EE5C971BE188E89C4051");
}

}  // namespace
}  // namespace talven
