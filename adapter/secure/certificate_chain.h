// One certificate chain that the sensor can present for a secure connection:
// the model certificate of one sensor model and the two intermediate CA
// certificates above it, all DER-encoded constant data that the channel
// points at but does not own.
#pragma once

#include "platform/win32.h"

namespace talven {

struct CertificateChain {
    const BYTE* ModelCertificate;
    const BYTE* IntermediateCa1;
    const BYTE* IntermediateCa2;
    DWORD ModelCertificateSize;
    DWORD IntermediateCa1Size;
    DWORD IntermediateCa2Size;
};
static_assert(sizeof(CertificateChain) == 40, "the chain list is an array of 40-byte entries");

}  // namespace talven
