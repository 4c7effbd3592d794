#include "sensor/sensor_certificate_chains.h"

#include "adapter/certificates/certificate_chains.h"

namespace talven {

void FillSensorCertificateChains(std::span<CertificateChain, SensorCertificateChainCount> chains) {
    chains[0] = {ModelCertificate1, IntermediateCA1OfChains1And2, IntermediateCA2,
                 ModelCertificate1Size, IntermediateCA1OfChains1And2Size, IntermediateCA2Size};
    chains[1] = {ModelCertificate2, IntermediateCA1OfChains1And2, IntermediateCA2,
                 ModelCertificate2Size, IntermediateCA1OfChains1And2Size, IntermediateCA2Size};
    chains[2] = {ModelCertificate3, IntermediateCA1OfChain3, IntermediateCA2,
                 ModelCertificate3Size, IntermediateCA1OfChain3Size, IntermediateCA2Size};
}

}  // namespace talven
