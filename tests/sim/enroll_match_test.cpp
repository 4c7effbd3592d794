// Enrollment and matching driven by raw requests, the way the engine adapter
// sends them, and the acknowledgements the chip checks.
#include "sim/chip_handlers.h"
#include "sim_test_support.h"

namespace sim::testing {
namespace {

using namespace talven;

constexpr uint32_t kFinger = 7;
constexpr uint8_t kSubFactor = 3;

KeyBytes SecureId() {
    KeyBytes id{};
    for (size_t i = 0; i < id.size(); ++i) id[i] = static_cast<uint8_t>(i + 1);
    return id;
}

KeyBytes AccountSid() {
    // S-1-5-21-...: revision 1, five sub-authorities, 28 bytes.
    KeyBytes key{};
    const Bytes sid = FromHex("0105000000000005 15000000 11111111 22222222 33333333 e9030000");
    std::copy(sid.begin(), sid.end(), key.begin());
    return key;
}

struct FlowCase {
    const char* name;
    bool longEntries;
    bool hashedKeys;
    KeyBytes key;
    bool withNonce;
    uint8_t kind;
    const char* storedKey;  // hex of the slot entry's key
};

void PrintTo(const FlowCase& c, std::ostream* os) { *os << c.name; }

class EnrollMatchFlow : public ChipTest, public ::testing::WithParamInterface<FlowCase> {
protected:
    void Enroll(uint8_t slot, uint32_t finger, const KeyBytes& key) {
        ASSERT_TRUE(Send(IOCTL_VENDOR_ENROLL_BEGIN, {slot}).ok);
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(Capture(WINBIO_PURPOSE_ENROLL, finger).ok);
            EXPECT_EQ(ProcessAndAcknowledge(WINBIO_PURPOSE_ENROLL).output[0], 0);
        }
        Reply duplicate = Send(IOCTL_VENDOR_CHECK_DUPLICATE, {}, 35);
        ASSERT_TRUE(duplicate.ok);
        EXPECT_NE(duplicate.output[1], 0) << "no duplicate expected";
        Bytes commit{kSubFactor};
        commit.insert(commit.end(), key.begin(), key.end());
        ASSERT_TRUE(Send(IOCTL_VENDOR_ENROLL_COMMIT, commit).ok);
    }
};

TEST_P(EnrollMatchFlow, EndsWithTheCommittedKeyAndSubFactor) {
    const FlowCase& c = GetParam();
    ChipConfig config;
    config.samplesPerEnrollment = 2;
    config.slotCount = 4;
    config.longEntries = c.longEntries;
    config.hashedKeys = c.hashedKeys;
    Open(config);
    Enroll(2, kFinger, c.key);

    ASSERT_TRUE(Capture(WINBIO_PURPOSE_IDENTIFY, kFinger).ok);
    EXPECT_EQ(ProcessAndAcknowledge(WINBIO_PURPOSE_IDENTIFY).output[0], 0);
    const Bytes nonce = c.withNonce ? Bytes(32, 0xA5) : Bytes{};
    Reply match = Send(IOCTL_VENDOR_GET_MATCH_RESULT, nonce, 74);
    ASSERT_TRUE(match.ok);
    ASSERT_EQ(match.bytes, 74u);
    EXPECT_EQ(match.output[0], 0);
    EXPECT_EQ(match.output[1], kSubFactor);
    EXPECT_EQ(Bytes(match.output.begin() + 2, match.output.begin() + 34), Bytes(c.key.begin(), c.key.end()));
    EXPECT_TRUE(Send(IOCTL_VENDOR_MATCH_DONE, {0}).ok);

    const size_t entrySize = c.longEntries ? 52 : 35;
    Reply table = Send(IOCTL_VENDOR_GET_TEMPLATE_TABLE, {}, static_cast<DWORD>(4 * entrySize));
    const auto entry = table.output.begin() + static_cast<ptrdiff_t>(2 * entrySize);
    EXPECT_EQ(entry[0], 1);
    EXPECT_EQ(entry[1], c.kind);
    EXPECT_EQ(entry[2], kSubFactor);
    EXPECT_EQ(Bytes(entry + 3, entry + 35), FromHex(c.storedKey));
    if (c.longEntries) {
        EXPECT_EQ(Bytes(entry + 36, entry + 52), FromHex("484f53542d4f574e45522d3030303031"));
    }
    EXPECT_TRUE(chip->ProtocolViolations().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Identities, EnrollMatchFlow,
    ::testing::Values(
        FlowCase{"Sid", false, false, AccountSid(), false, kKindSid,
                 "010500000000000515000000111111112222222233333333e903000000000000"},
        FlowCase{"SecureId", false, false, SecureId(), true, kKindSecureId,
                 "0102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f20"},
        FlowCase{"HashedSecureId", false, true, SecureId(), true, kKindSecureId,
                 "ae216c2ef5247a3782c135efa279a3e4cdc61094270f5d2be58c6204b7a612c9"},
        FlowCase{"LongEntrySid", true, false, AccountSid(), false, kKindSid,
                 "010500000000000515000000111111112222222233333333e903000000000000"}),
    [](const auto& info) { return std::string(info.param.name); });

class MatchTest : public ChipTest {
protected:
    void SetUp() override {
        ChipConfig config;
        config.samplesPerEnrollment = 1;
        Open(config);
        Template t;
        t.finger = kFinger;
        t.kind = kKindSecureId;
        t.subFactor = kSubFactor;
        t.key = SecureId();
        chip->InsertTemplate(0, t);
    }
    Reply MatchAfter(uint32_t finger, uint8_t processReject, Bytes nonce = {}) {
        chip->PresentFinger(finger, processReject);
        EXPECT_TRUE(SendOverlapped(IOCTL_BIOMETRIC_CAPTURE_DATA, CaptureParameters(2), 161).ok);
        ProcessAndAcknowledge(WINBIO_PURPOSE_IDENTIFY);
        return Send(IOCTL_VENDOR_GET_MATCH_RESULT, std::move(nonce), 74);
    }
};

TEST_F(MatchTest, AuthenticatorAndMetricsSitAtTheirNonceOffsets) {
    Reply r = MatchAfter(kFinger, 0, Bytes(32, 0xA5));
    ASSERT_EQ(r.output[0], 0);
    // SHA-256 of nonce, key and sub-factor.
    EXPECT_EQ(Bytes(r.output.begin() + 34, r.output.begin() + 66),
              FromHex("fad8687724914b2d6f97ddbbfb294781cde73f46b0a3f8ead7c7cb39d4ae0a0d"));
    EXPECT_NE(Bytes(r.output.begin() + 66, r.output.end()), Bytes(8, 0));

    Send(IOCTL_VENDOR_MATCH_DONE, {0});
    Reply plain = MatchAfter(kFinger, 0);
    EXPECT_NE(Bytes(plain.output.begin() + 34, plain.output.begin() + 42), Bytes(8, 0));
    EXPECT_EQ(Bytes(plain.output.begin() + 42, plain.output.end()), Bytes(32, 0));
}

TEST_F(MatchTest, StatusNamesNoMatchOrTheRejectOfABadSample) {
    struct Case {
        uint32_t finger;
        uint8_t processReject;
        uint8_t status;
        uint8_t reportedReject;
    };
    for (const Case& c : {Case{99, 0, 11, 0}, Case{kFinger, 12, 12, 12}, Case{kFinger, 5, 5, 5}}) {
        Reply r = MatchAfter(c.finger, c.processReject);
        EXPECT_EQ(r.output[0], c.status);
        EXPECT_EQ(Bytes(r.output.begin() + 1, r.output.begin() + 34), Bytes(33, 0));
        EXPECT_TRUE(Send(IOCTL_VENDOR_MATCH_DONE, {11}).ok);
    }
    EXPECT_TRUE(chip->ProtocolViolations().empty());
}

TEST_F(MatchTest, WrongAcknowledgementsAreRecorded) {
    MatchAfter(kFinger, 0);
    Send(IOCTL_VENDOR_MATCH_DONE, {11});
    Send(IOCTL_VENDOR_MATCH_DONE, {0});

    chip->PresentFinger(kFinger, 12);
    SendOverlapped(IOCTL_BIOMETRIC_CAPTURE_DATA, CaptureParameters(2), 161);
    Reply processed = Send(IOCTL_VENDOR_PROCESS_SAMPLE, {2}, 9);
    EXPECT_EQ(processed.output[0], 12);
    Bytes done = processed.output;  // the chip's 12, not the reported 8
    done[8] ^= 1;
    Send(IOCTL_VENDOR_SAMPLE_DONE, done);

    const std::vector<std::string> expected = {
        "MATCH_DONE carried 11, expected 0",
        "MATCH_DONE without a match result",
        "SAMPLE_DONE carried reject detail 12, expected 8",
        "SAMPLE_DONE carried another sample token",
    };
    EXPECT_EQ(chip->ProtocolViolations(), expected);
}

TEST_F(MatchTest, AFailedMatchRequestIsOwedMatchDoneEleven) {
    chip->Faults().FailNext(IOCTL_VENDOR_GET_MATCH_RESULT, ERROR_GEN_FAILURE);
    EXPECT_EQ(MatchAfter(kFinger, 0).error, static_cast<DWORD>(ERROR_GEN_FAILURE));
    Send(IOCTL_VENDOR_MATCH_DONE, {0});
    EXPECT_EQ(chip->ProtocolViolations(), std::vector<std::string>{"MATCH_DONE carried 0, expected 11"});
}

class EnrollmentTest : public ChipTest {
protected:
    void SetUp() override {
        ChipConfig config;
        config.samplesPerEnrollment = 2;
        config.slotCount = 3;
        Open(config);
    }
    uint8_t Sample(uint32_t finger) {
        EXPECT_TRUE(Capture(WINBIO_PURPOSE_ENROLL, finger).ok);
        return ProcessAndAcknowledge(WINBIO_PURPOSE_ENROLL).output[0];
    }
    Bytes Commit() {
        Bytes commit{kSubFactor};
        const KeyBytes key = SecureId();
        commit.insert(commit.end(), key.begin(), key.end());
        return commit;
    }
};

TEST_F(EnrollmentTest, CommitNeedsAllSamplesOfOneFinger) {
    EXPECT_EQ(Send(IOCTL_VENDOR_ENROLL_COMMIT, Commit()).error, static_cast<DWORD>(ERROR_GEN_FAILURE));
    ASSERT_TRUE(Send(IOCTL_VENDOR_ENROLL_BEGIN, {1}).ok);
    EXPECT_EQ(Sample(4), 0);
    EXPECT_EQ(Sample(5), WINBIO_FP_MERGE_FAILURE);
    EXPECT_EQ(Send(IOCTL_VENDOR_ENROLL_COMMIT, Commit()).error, static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_EQ(Sample(4), 0);
    EXPECT_TRUE(Send(IOCTL_VENDOR_ENROLL_COMMIT, Commit()).ok);
    const auto slot = chip->Snapshot().slots[1];
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->finger, 4u);
    EXPECT_FALSE(chip->Snapshot().enrollment);
}

TEST_F(EnrollmentTest, DuplicateReportsTheExistingTemplateAndAbortDropsTheEnrollment) {
    Template existing;
    existing.finger = 4;
    existing.kind = kKindSecureId;
    existing.subFactor = 9;
    existing.key = SecureId();
    chip->InsertTemplate(0, existing);
    ASSERT_TRUE(Send(IOCTL_VENDOR_ENROLL_BEGIN, {1}).ok);
    Sample(4);
    Reply duplicate = Send(IOCTL_VENDOR_CHECK_DUPLICATE, {}, 35);
    Bytes expected{1, 0, 9};
    const KeyBytes key = SecureId();
    expected.insert(expected.end(), key.begin(), key.end());
    EXPECT_EQ(duplicate.output, expected);

    EXPECT_TRUE(Send(IOCTL_VENDOR_ENROLL_ABORT).ok);
    EXPECT_FALSE(chip->Snapshot().enrollment);
    EXPECT_EQ(Send(IOCTL_VENDOR_CHECK_DUPLICATE, {}, 35).error, static_cast<DWORD>(ERROR_GEN_FAILURE));
}

TEST_F(EnrollmentTest, BeginChecksTheSlotAndHandsOutANonceWhenAsked) {
    chip->InsertTemplate(0, Template{});
    EXPECT_EQ(Send(IOCTL_VENDOR_ENROLL_BEGIN, {0}).error, static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(Send(IOCTL_VENDOR_ENROLL_BEGIN, {255}).error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(Send(IOCTL_VENDOR_ENROLL_BEGIN, {1}, 31).error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    Reply begun = Send(IOCTL_VENDOR_ENROLL_BEGIN, {2}, 32);
    ASSERT_EQ(begun.bytes, 32u);
    const auto enrollment = chip->Snapshot().enrollment;
    ASSERT_TRUE(enrollment && enrollment->nonce);
    EXPECT_EQ(enrollment->slot, 2);
    EXPECT_EQ(begun.output, Bytes(enrollment->nonce->begin(), enrollment->nonce->end()));
}

TEST(KeyKind, CommittedKeysAreClassifiedLikeTheHostDecodesThem) {
    struct Case {
        const char* key;
        uint8_t kind;
    };
    const Case cases[] = {
        {"010500000000000515000000111111112222222233333333e903000000000000", kKindSid},
        {"010100000000000512000000 0000000000000000000000000000000000000000", kKindSid},  // S-1-5-18
        {"b876fdc834e7471a82c89cba6a3538ec 00000000000000000000000000000000", kKindGuid},
        {"00000000000000000000000000000000000000000000000000000000 00000001", kKindSecureId},
    };
    for (const Case& c : cases) {
        ChipConfig config;
        config.samplesPerEnrollment = 1;
        SimulatedSensor sensor(config);
        ChipModel model = sensor.Snapshot();
        // Drive the commit through the chip's own handlers.
        model.enrollment = PendingEnrollment{0, 1, 1u, std::nullopt};
        Bytes commit{1};
        const Bytes key = FromHex(c.key);
        commit.insert(commit.end(), key.begin(), key.end());
        ASSERT_EQ(HandlerFor(IOCTL_VENDOR_ENROLL_COMMIT)(model, ChipRequest{IOCTL_VENDOR_ENROLL_COMMIT, commit, 0}).error,
                  0u);
        EXPECT_EQ(model.slots[0]->kind, c.kind) << c.key;
    }
}

}  // namespace
}  // namespace sim::testing
