#include "adapter/match_result_record.h"

#include "adapter/byte_order.h"
#include "adapter/reject_detail.h"

namespace talven {

HRESULT MatchStatusResult(BYTE status, WINBIO_REJECT_DETAIL& rejectDetail) {
    switch (status) {
        case MatchStatusMatched:
            return S_OK;
        case MatchStatusNoMatch:
            return WINBIO_E_UNKNOWN_ID;
        default:
            rejectDetail = FrameworkRejectDetail(status);
            return WINBIO_E_BAD_CAPTURE;
    }
}

void MatchReply::Metrics(ULONG (&metrics)[2]) const {
    const size_t at = withNonce_ ? 66 : 34;
    metrics[0] = ReadLe32(bytes_, at);
    metrics[1] = ReadLe32(bytes_, at + 4);
}

void MatchReply::Identity(WINBIO_IDENTITY& identity) const {
    if (withNonce_) {
        DecodeSecureIdKey(Key(), identity);
    } else {
        DecodeIdentityKey(Key(), identity);
    }
}

}  // namespace talven
