// What a simulated chip is when it is made: its identity, its template
// store's shape, the firmware and host values it reports, the answers of the
// standard requests, the model certificate it presents and the seed of its
// random values. Everything that changes while it runs is in ChipModel.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/wbf.h"

namespace sim {

using Bytes = std::vector<uint8_t>;
using ChipIdBytes = std::array<uint8_t, 32>;
using OwnerId = std::array<uint8_t, 16>;
using KeyBytes = std::array<uint8_t, 32>;

// 00 01 02 ... 1F: a chip id that no pre-filled host buffer (all 0x00 or
// all 0xFF) can be mistaken for.
ChipIdBytes DefaultChipId();
// The model certificate of the first development certificate chain.
Bytes DefaultModelCertificate();

struct ChipConfig {
    ChipIdBytes chipId = DefaultChipId();
    // Defaults differ from the values the adapters fall back to when the
    // template information cannot be read, so a test notices a fallback.
    uint8_t samplesPerEnrollment = 4;
    uint8_t slotCount = 8;
    bool longEntries = false;  // 52-byte slot entries carrying the owner id
    bool hashedKeys = false;   // secure-id keys stored as their SHA-256 digest
    std::array<uint8_t, 3> firmwareInfo = {0x01, 0x00, 0x00};
    OwnerId hostId = {0x48, 0x4F, 0x53, 0x54, 0x2D, 0x4F, 0x57, 0x4E, 0x45, 0x52, 0x2D, 0x30, 0x30, 0x30, 0x30, 0x31};
    uint32_t dbState = 0;  // a fresh chip has never been migrated

    WINBIO_SENSOR_STATUS sensorStatus = WINBIO_SENSOR_READY;
    HRESULT attributesResult = S_OK;
    HRESULT resetResult = S_OK;
    std::u16string manufacturer = u"Talven";
    std::u16string model = u"Simulated match-on-chip sensor";
    std::u16string serialNumber = u"SIM-0001";
    WINBIO_VERSION firmwareVersion = {1, 0};

    Bytes modelCertificate = DefaultModelCertificate();
    uint32_t seed = 1;
};

}  // namespace sim
