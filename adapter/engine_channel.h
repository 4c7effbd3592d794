// EngineChannel: the engine adapter's channel object. It carries the
// enrollment and match requests and owns the two 32-byte buffers whose
// contents the engine hands to the service (the enrollment nonce and the
// match authenticator); they stay valid until the next request of the same
// kind or the channel's destruction.
#pragma once

#include "adapter/device_channel.h"
#include "platform/wbf.h"

namespace talven {

class EngineChannel : public DeviceChannel {
public:
    static constexpr DWORD BufferSize = 32;

    explicit EngineChannel(WINBIO_PIPELINE* pipeline) : DeviceChannel(pipeline) {}
    ~EngineChannel();
    EngineChannel(const EngineChannel&) = delete;
    EngineChannel& operator=(const EngineChannel&) = delete;

    // Allocates the zero-filled nonce and authenticator buffers. 0,
    // ENGINE_CHANNEL_NONCE_ALLOC or ENGINE_CHANNEL_AUTHENTICATOR_ALLOC.
    DWORD Initialize();

    // ENROLL_BEGIN for `slot`. With both out-pointers the chip's nonce is
    // received into the nonce buffer: *nonceSize is 32 before the request,
    // *nonce points at the buffer after success. Without them no reply
    // buffer is passed.
    DWORD EnrollBegin(BYTE slot, PUCHAR* nonce, PSIZE_T nonceSize);
    // ENROLL_COMMIT: binds the pending enrollment to the identity's key.
    DWORD EnrollCommit(const WINBIO_IDENTITY& identity, WINBIO_BIOMETRIC_SUBTYPE subFactor);
    // GET_MATCH_RESULT, sending the nonce when one with a nonzero size is
    // given. Returns 0 for a match (identity and sub-factor set, and with a
    // nonce and `authenticator` the authenticator buffer handed out),
    // WINBIO_E_UNKNOWN_ID, WINBIO_E_BAD_CAPTURE (with *rejectDetail), or
    // ENGINE_CHANNEL_MATCH_RESULT_FAILED | Win32 error. `metrics` is written
    // in every case, from the zero-filled reply when the request failed.
    DWORD GetMatchResult(const UCHAR* nonce, SIZE_T nonceSize, PWINBIO_IDENTITY identity,
                         PWINBIO_BIOMETRIC_SUBTYPE subFactor, PWINBIO_REJECT_DETAIL rejectDetail,
                         PUCHAR* authenticator, PSIZE_T authenticatorSize, ULONG (&metrics)[2]);
    // PROCESS_SAMPLE: the chip's verdict on the sample it captured (skewed
    // reported as WINBIO_FP_TOO_SKEWED) and the token to echo back.
    DWORD ProcessSample(WINBIO_BIR_PURPOSE purpose, PWINBIO_REJECT_DETAIL rejectDetail, BYTE (&token)[8]);
    // CHECK_DUPLICATE: *isDuplicate, and for a duplicate the existing
    // template's identity and sub-factor.
    DWORD CheckDuplicate(PWINBIO_IDENTITY identity, PWINBIO_BIOMETRIC_SUBTYPE subFactor, BOOLEAN* isDuplicate);

    const BYTE* NonceBuffer() const { return nonce_; }
    const BYTE* AuthenticatorBuffer() const { return authenticator_; }

private:
    BYTE* nonce_ = nullptr;
    DWORD nonceSize_ = BufferSize;
    BYTE* authenticator_ = nullptr;
    DWORD authenticatorSize_ = BufferSize;
};

// Allocates and initialises the channel. 0 with *channel set; otherwise
// CHANNEL_CREATION_FAILED or the buffer's allocation code, with nothing
// left allocated and *channel null.
DWORD CreateEngineChannel(WINBIO_PIPELINE* pipeline, EngineChannel** channel);
// Frees the channel and its buffers; returns 0. A null channel is accepted.
DWORD DestroyEngineChannel(EngineChannel* channel);

}  // namespace talven
