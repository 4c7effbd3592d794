// The certificates of the chains that the sensor adapter presents for a
// secure connection, one chain per supported sensor model:
//
//   chain 1: ModelCertificate1, IntermediateCA1OfChains1And2, IntermediateCA2
//   chain 2: ModelCertificate2, IntermediateCA1OfChains1And2, IntermediateCA2
//   chain 3: ModelCertificate3, IntermediateCA1OfChain3,      IntermediateCA2
//
// Each is a DER-encoded X.509 certificate held as constant data. The chip
// presents its model certificate at connect time and the secure channel picks
// the chain by its size and bytes, so these sizes are part of the contract:
// a build for the real sensor links its own definitions of the same names
// (in place of development_chains.cpp) with the same sizes.
#pragma once

#include "platform/win32.h"

namespace talven {

constexpr DWORD ModelCertificate1Size = 807;
constexpr DWORD ModelCertificate2Size = 808;
constexpr DWORD ModelCertificate3Size = 846;
constexpr DWORD IntermediateCA1OfChains1And2Size = 967;
constexpr DWORD IntermediateCA1OfChain3Size = 1025;
constexpr DWORD IntermediateCA2Size = 1114;

// Model certificates: subject "Secure BIO Sensor", one per sensor model.
extern const BYTE ModelCertificate1[];
extern const BYTE ModelCertificate2[];
extern const BYTE ModelCertificate3[];

// The intermediate CAs that issue the model certificates.
extern const BYTE IntermediateCA1OfChains1And2[];
extern const BYTE IntermediateCA1OfChain3[];

// "Windows Hello Secure Devices PCA 2018", which issues both CAs above.
extern const BYTE IntermediateCA2[];

}  // namespace talven
