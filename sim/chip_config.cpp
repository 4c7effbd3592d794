#include "sim/chip_config.h"

#include "adapter/certificates/certificate_chains.h"

namespace sim {

ChipIdBytes DefaultChipId() {
    ChipIdBytes id{};
    for (size_t i = 0; i < id.size(); ++i) id[i] = static_cast<uint8_t>(i);
    return id;
}

Bytes DefaultModelCertificate() {
    return Bytes(talven::ModelCertificate1, talven::ModelCertificate1 + talven::ModelCertificate1Size);
}

}  // namespace sim
