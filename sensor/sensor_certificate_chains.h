// The certificate chains the sensor adapter offers for a secure connection,
// one per supported sensor model, in the order the channel searches them.
#pragma once

#include <span>

#include "adapter/secure/certificate_chain.h"

namespace talven {

constexpr DWORD SensorCertificateChainCount = 3;

void FillSensorCertificateChains(std::span<CertificateChain, SensorCertificateChainCount> chains);

}  // namespace talven
