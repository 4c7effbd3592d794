// A simulated chip opened through the platform seam, and the raw requests
// the tests send to it with DeviceIoControl / GetOverlappedResult.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "adapter/request_codes.h"
#include "platform/host/host_device.h"
#include "platform/win32.h"
#include "sim/simulated_sensor.h"

namespace sim::testing {

// "a1 00 ff" -> {0xA1, 0x00, 0xFF}; spaces and newlines are ignored.
Bytes FromHex(const std::string& text);

struct Reply {
    BOOL ok = FALSE;
    DWORD error = 0;  // last error when !ok
    DWORD bytes = 0;
    Bytes output;
};

class ChipTest : public ::testing::Test {
protected:
    void SetUp() override { Open(ChipConfig{}); }
    void TearDown() override { Close(); }

    void Open(const ChipConfig& config);
    void Close();

    // A synchronous request; the output buffer is pre-filled with `fill`.
    Reply Send(DWORD code, Bytes input = {}, DWORD outputSize = 0, uint8_t fill = 0);
    // An overlapped request carried to its end with GetOverlappedResult.
    Reply SendOverlapped(DWORD code, Bytes input, DWORD outputSize);
    // Presents the finger and captures it with the given purpose.
    Reply Capture(uint8_t purpose, uint32_t finger);
    // PROCESS_SAMPLE and the SAMPLE_DONE that echoes it; returns the reply.
    Reply ProcessAndAcknowledge(uint8_t purpose);

    std::shared_ptr<SimulatedSensor> chip;
    HANDLE device = nullptr;
};

// WINBIO_CAPTURE_PARAMETERS as the sensor adapter fills them.
Bytes CaptureParameters(uint8_t purpose);

}  // namespace sim::testing
