#include "adapter/chip_identity.h"

#include <algorithm>
#include <iterator>

#include "adapter/device_request.h"
#include "adapter/request_codes.h"
#include "adapter/sha256_digest.h"

namespace talven {

void FormatUnitTraceId(const BYTE (&chipIdHash)[ChipIdHashSize], char (&unitTraceId)[UnitTraceIdLength]) {
    constexpr char Digits[] = "0123456789ABCDEF";
    for (DWORD i = 0; i < ChipIdHashSize; ++i) {
        unitTraceId[2 * i] = Digits[chipIdHash[i] >> 4];
        unitTraceId[2 * i + 1] = Digits[chipIdHash[i] & 0x0F];
    }
    unitTraceId[UnitTraceIdLength - 1] = '\0';
}

ChipIdentityOutcome ReadChipIdentity(HANDLE sensor, BYTE fill, BYTE (&chipId)[ChipIdSize],
                                     BYTE (&chipIdHash)[ChipIdHashSize], char (&unitTraceId)[UnitTraceIdLength]) {
    ChipIdentityOutcome outcome;
    std::fill(std::begin(chipId), std::end(chipId), fill);
    if (!SendSyncRequest(sensor, IOCTL_VENDOR_GET_CHIP_ID, nullptr, 0, chipId, ChipIdSize, nullptr)) {
        outcome.RequestError = GetLastError();
        // A failed request may have written part of the buffer; the pre-fill
        // is what an unanswering chip is known by.
        std::fill(std::begin(chipId), std::end(chipId), fill);
    }
    outcome.DigestStatus = Sha256Digest(chipId, ChipIdSize, chipIdHash, ChipIdHashSize);
    FormatUnitTraceId(chipIdHash, unitTraceId);
    return outcome;
}

}  // namespace talven
