#include "adapter/engine_channel.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "adapter/channel_codes.h"
#include "adapter/duplicate_record.h"
#include "adapter/enrollment_records.h"
#include "adapter/heap_object.h"
#include "adapter/match_result_record.h"
#include "adapter/request_codes.h"
#include "adapter/sample_records.h"

namespace talven {

namespace {

BYTE* AllocateBuffer(DWORD size) {
    return static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
}

void FreeBuffer(BYTE* buffer) {
    if (buffer != nullptr) HeapFree(GetProcessHeap(), 0, buffer);
}

}  // namespace

EngineChannel::~EngineChannel() {
    FreeBuffer(nonce_);
    FreeBuffer(authenticator_);
}

DWORD EngineChannel::Initialize() {
    nonce_ = AllocateBuffer(nonceSize_);
    if (nonce_ == nullptr) return ENGINE_CHANNEL_NONCE_ALLOC;
    authenticator_ = AllocateBuffer(authenticatorSize_);
    if (authenticator_ == nullptr) return ENGINE_CHANNEL_AUTHENTICATOR_ALLOC;
    return 0;
}

DWORD EngineChannel::EnrollBegin(BYTE slot, PUCHAR* nonce, PSIZE_T nonceSize) {
    const bool wantsNonce = nonce != nullptr && nonceSize != nullptr;
    if (wantsNonce) *nonceSize = nonceSize_;
    if (!SendRequest(IOCTL_VENDOR_ENROLL_BEGIN, &slot, sizeof slot, wantsNonce ? nonce_ : nullptr,
                     wantsNonce ? nonceSize_ : 0, nullptr)) {
        return ChannelFailure(ENGINE_CHANNEL_ENROLL_BEGIN_FAILED, GetLastError());
    }
    if (wantsNonce) *nonce = nonce_;
    return 0;
}

DWORD EngineChannel::EnrollCommit(const WINBIO_IDENTITY& identity, WINBIO_BIOMETRIC_SUBTYPE subFactor) {
    BYTE input[EnrollCommitInputSize];
    BuildEnrollCommit(input, identity, subFactor);
    if (!SendRequest(IOCTL_VENDOR_ENROLL_COMMIT, input, sizeof input, nullptr, 0, nullptr)) {
        return ChannelFailure(ENGINE_CHANNEL_ENROLL_COMMIT_FAILED, GetLastError());
    }
    return 0;
}

DWORD EngineChannel::GetMatchResult(const UCHAR* nonce, SIZE_T nonceSize, PWINBIO_IDENTITY identity,
                                    PWINBIO_BIOMETRIC_SUBTYPE subFactor, PWINBIO_REJECT_DETAIL rejectDetail,
                                    PUCHAR* authenticator, PSIZE_T authenticatorSize, ULONG (&metrics)[2]) {
    BYTE reply[MatchReplySize] = {};
    const bool withNonce = nonce != nullptr && nonceSize != 0;
    const MatchReply view(reply, withNonce);
    if (nonceSize > std::numeric_limits<DWORD>::max()) {
        view.Metrics(metrics);
        return ChannelFailure(ENGINE_CHANNEL_MATCH_RESULT_FAILED, ERROR_INVALID_PARAMETER);
    }
    const bool sent = SendRequest(IOCTL_VENDOR_GET_MATCH_RESULT, withNonce ? const_cast<UCHAR*>(nonce) : nullptr,
                                  withNonce ? static_cast<DWORD>(nonceSize) : 0, reply, sizeof reply, nullptr);
    const DWORD error = sent ? ERROR_SUCCESS : GetLastError();
    view.Metrics(metrics);
    if (!sent) return ChannelFailure(ENGINE_CHANNEL_MATCH_RESULT_FAILED, error);

    WINBIO_REJECT_DETAIL detail = 0;
    const HRESULT result = MatchStatusResult(view.Status(), detail);
    if (rejectDetail != nullptr) *rejectDetail = detail;
    if (result != S_OK) return static_cast<DWORD>(result);

    if (identity != nullptr) view.Identity(*identity);
    if (subFactor != nullptr) *subFactor = view.SubFactor();
    if (withNonce && authenticator != nullptr) {
        const auto bytes = view.Authenticator();
        std::copy(bytes.begin(), bytes.end(), authenticator_);
        *authenticator = authenticator_;
        if (authenticatorSize != nullptr) *authenticatorSize = authenticatorSize_;
    }
    return 0;
}

DWORD EngineChannel::ProcessSample(WINBIO_BIR_PURPOSE purpose, PWINBIO_REJECT_DETAIL rejectDetail,
                                   BYTE (&token)[8]) {
    BYTE reply[ProcessSampleReplySize] = {};
    if (!SendRequest(IOCTL_VENDOR_PROCESS_SAMPLE, &purpose, sizeof purpose, reply, sizeof reply, nullptr)) {
        return ChannelFailure(ENGINE_CHANNEL_PROCESS_SAMPLE_FAILED, GetLastError());
    }
    const ProcessedSample sample = ReadProcessSampleReply(reply);
    if (rejectDetail != nullptr) *rejectDetail = sample.RejectDetail;
    std::copy(std::begin(sample.Token), std::end(sample.Token), token);
    return 0;
}

DWORD EngineChannel::CheckDuplicate(PWINBIO_IDENTITY identity, PWINBIO_BIOMETRIC_SUBTYPE subFactor,
                                    BOOLEAN* isDuplicate) {
    BYTE reply[CheckDuplicateReplySize] = {};
    if (!SendRequest(IOCTL_VENDOR_CHECK_DUPLICATE, nullptr, 0, reply, sizeof reply, nullptr)) {
        return ChannelFailure(ENGINE_CHANNEL_CHECK_DUPLICATE_FAILED, GetLastError());
    }
    const DuplicateCheck check = ReadCheckDuplicateReply(reply);
    if (isDuplicate != nullptr) *isDuplicate = check.IsDuplicate ? TRUE : FALSE;
    if (check.IsDuplicate) {
        if (identity != nullptr) *identity = check.Identity;
        if (subFactor != nullptr) *subFactor = check.SubFactor;
    }
    return 0;
}

DWORD CreateEngineChannel(WINBIO_PIPELINE* pipeline, EngineChannel** channel) {
    *channel = nullptr;
    EngineChannel* created = HeapNew<EngineChannel>(pipeline);
    if (created == nullptr) return CHANNEL_CREATION_FAILED;
    if (const DWORD status = created->Initialize(); status != 0) {
        HeapDelete(created);
        return status;
    }
    *channel = created;
    return 0;
}

DWORD DestroyEngineChannel(EngineChannel* channel) {
    HeapDelete(channel);
    return 0;
}

}  // namespace talven
