// The chip's identity as each adapter keeps it: the 32-byte ChipId, its
// SHA-256 digest and the hexadecimal UnitTraceId that tags every trace
// message of the unit.
#pragma once

#include "platform/win32.h"

namespace talven {

constexpr DWORD ChipIdSize = 32;
constexpr DWORD ChipIdHashSize = 32;
constexpr DWORD UnitTraceIdLength = 65;  // 64 digits and the NUL

// What the ChipId buffer holds when the chip does not answer. Sensor and
// engine units that do not answer thus share one UnitTraceId.
constexpr BYTE SensorChipIdFill = 0xFF;
constexpr BYTE EngineChipIdFill = 0xFF;
constexpr BYTE StorageChipIdFill = 0x00;

// The hash as 64 upper-case hexadecimal digits, byte 0 first, and a NUL.
void FormatUnitTraceId(const BYTE (&chipIdHash)[ChipIdHashSize], char (&unitTraceId)[UnitTraceIdLength]);

// How reading the identity went; neither failure stops an Attach, the
// adapter only traces it.
struct ChipIdentityOutcome {
    DWORD RequestError = ERROR_SUCCESS;  // Win32 error of GET_CHIP_ID, 0 when it answered
    int DigestStatus = 0;                // Sha256Digest's result
};

// The ChipId procedure of every Attach: pre-fill, ask the chip, digest,
// format. `chipId` keeps the pre-fill where the chip did not answer.
ChipIdentityOutcome ReadChipIdentity(HANDLE sensor, BYTE fill, BYTE (&chipId)[ChipIdSize],
                                     BYTE (&chipIdHash)[ChipIdHashSize], char (&unitTraceId)[UnitTraceIdLength]);

}  // namespace talven
