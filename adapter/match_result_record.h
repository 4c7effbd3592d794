// The GET_MATCH_RESULT reply and the MATCH_DONE input that acknowledges it.
#pragma once

#include <cstdint>
#include <span>

#include "adapter/identity_key.h"
#include "platform/results.h"
#include "platform/wbf.h"

namespace talven {

constexpr size_t MatchReplySize = 74;
constexpr size_t MatchAuthenticatorSize = 32;

constexpr BYTE MatchStatusMatched = 0;
constexpr BYTE MatchStatusNoMatch = 11;

// MATCH_DONE's one byte: the match request succeeded, or failed for any
// reason.
constexpr BYTE MatchDoneSucceeded = 0;
constexpr BYTE MatchDoneFailed = 11;

// The result the reply's status stands for: S_OK, WINBIO_E_UNKNOWN_ID, or
// WINBIO_E_BAD_CAPTURE with the chip's reject detail (12 read as skewed).
// `rejectDetail` is set only for a bad capture.
HRESULT MatchStatusResult(BYTE status, WINBIO_REJECT_DETAIL& rejectDetail);

// A view of the 74-byte reply. Without a nonce the metrics follow the key;
// with one, the authenticator comes first.
class MatchReply {
public:
    MatchReply(std::span<const uint8_t, MatchReplySize> bytes, bool withNonce) : bytes_(bytes), withNonce_(withNonce) {}

    BYTE Status() const { return bytes_[0]; }
    BYTE SubFactor() const { return bytes_[1]; }
    std::span<const uint8_t, IdentityKeySize> Key() const { return bytes_.subspan<2, IdentityKeySize>(); }
    std::span<const uint8_t, MatchAuthenticatorSize> Authenticator() const {
        return bytes_.subspan<34, MatchAuthenticatorSize>();
    }
    void Metrics(ULONG (&metrics)[2]) const;
    // With a nonce always a secure id; without one as the key decodes.
    void Identity(WINBIO_IDENTITY& identity) const;

private:
    std::span<const uint8_t, MatchReplySize> bytes_;
    bool withNonce_;
};

}  // namespace talven
