// The simulated chip's state: its configuration, the template slots, the
// database state word, the enrollment in progress, the last capture and the
// last processed sample, the secure-connection keys, and what the chip
// expects the host to send next. The request handlers work on it; the
// SimulatedSensor guards it with one lock.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "adapter/identity_key.h"
#include "adapter/slot_entry.h"
#include "sim/chip_config.h"

namespace sim {

// Identity kinds as a slot entry names them.
constexpr uint8_t kKindSid = talven::IdentityKindSid;
constexpr uint8_t kKindSecureId = talven::IdentityKindSecureId;
constexpr uint8_t kKindGuid = talven::IdentityKindGuid;

// One enrolled finger.
struct Template {
    uint32_t finger = 0;      // the opaque finger id the test presented
    uint8_t kind = kKindSid;  // kKindSid, kKindSecureId or kKindGuid
    uint8_t subFactor = 0;
    KeyBytes key{};           // as committed: secure id, SID bytes or GUID bytes
    OwnerId owner{};          // host id of the host that enrolled it
};

// What the sensor saw at a capture.
struct Presentation {
    enum class Kind { Finger, BadCapture, NoCapture, DeviceError };
    Kind kind = Kind::Finger;
    uint32_t finger = 0;
    // The chip's verdict when it processes this finger (0 accepted; 12 is
    // the chip's own "too skewed").
    uint8_t processReject = 0;
    DWORD error = 0;  // DeviceError: the capture request fails with this

    static Presentation OfFinger(uint32_t finger, uint8_t processReject = 0) {
        return {Kind::Finger, finger, processReject, 0};
    }
    static Presentation Bad() { return {Kind::BadCapture, 0, 0, 0}; }
    static Presentation Empty() { return {Kind::NoCapture, 0, 0, 0}; }
    static Presentation Failure(DWORD win32Error) { return {Kind::DeviceError, 0, 0, win32Error}; }
};

struct PendingEnrollment {
    uint8_t slot = 0;
    uint8_t samples = 0;                 // accepted enrollment samples so far
    std::optional<uint32_t> finger;      // the finger of the first accepted sample
    std::optional<KeyBytes> nonce;       // handed out by ENROLL_BEGIN when asked
};

struct ProcessedSample {
    uint8_t purpose = 0;
    std::optional<uint32_t> finger;  // none when the capture held no finger
    uint8_t reject = 0;              // the chip's own code (12, not 8)
    std::array<uint8_t, 8> token{};
};

struct SecureMaterial {
    std::array<uint8_t, 65> pkD{};
    std::array<uint8_t, 65> pkF{};
    std::array<uint8_t, 160> hashAndSignatures{};  // h_f, s_m, s_d
};

struct ChipModel {
    explicit ChipModel(const ChipConfig& config);

    ChipConfig config;
    std::vector<std::optional<Template>> slots;
    uint32_t dbState = 0;
    bool tableChanged = false;
    std::optional<PendingEnrollment> enrollment;
    std::optional<Presentation> lastCapture;
    std::optional<ProcessedSample> lastSample;
    SecureMaterial secure;
    uint32_t passThroughLength = 0;  // N of the last C1E, for C20 and C21

    // What the host owes the chip: SAMPLE_DONE after PROCESS_SAMPLE,
    // MATCH_DONE (with this value) after GET_MATCH_RESULT.
    bool sampleDoneOwed = false;
    std::optional<uint8_t> matchDoneOwed;
    std::vector<std::string> violations;

    std::mt19937 random;

    size_t EntrySize() const { return talven::SlotEntrySize(config.longEntries); }
    // The slot's entry as GET_TEMPLATE_TABLE shows it.
    Bytes SlotEntry(size_t slot) const;
    Bytes SlotTable() const;
    std::optional<size_t> FirstSlotOf(uint32_t finger) const;

    uint32_t RandomWord() { return static_cast<uint32_t>(random()); }
    template <size_t N>
    std::array<uint8_t, N> RandomBytes() {
        std::array<uint8_t, N> bytes{};
        for (auto& b : bytes) b = static_cast<uint8_t>(random());
        return bytes;
    }
};

// The key a slot entry shows for a template: the SHA-256 digest of a secure
// id on a chip that hashes keys, the committed key otherwise.
KeyBytes StoredKey(const ChipModel& chip, const Template& t);

}  // namespace sim
