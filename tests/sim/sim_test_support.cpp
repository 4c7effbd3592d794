#include "sim_test_support.h"

#include <cctype>

namespace sim::testing {

using namespace talven;

Bytes FromHex(const std::string& text) {
    Bytes bytes;
    std::string digits;
    for (char c : text)
        if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    return bytes;
}

void ChipTest::Open(const ChipConfig& config) {
    Close();
    chip = std::make_shared<SimulatedSensor>(config);
    device = host::OpenDevice(chip);
}

void ChipTest::Close() {
    if (device != nullptr) CloseHandle(device);
    device = nullptr;
}

Reply ChipTest::Send(DWORD code, Bytes input, DWORD outputSize, uint8_t fill) {
    Reply r;
    r.output.assign(outputSize, fill);
    r.ok = DeviceIoControl(device, code, input.empty() ? nullptr : input.data(), static_cast<DWORD>(input.size()),
                           r.output.empty() ? nullptr : r.output.data(), outputSize, &r.bytes, nullptr);
    if (!r.ok) r.error = GetLastError();
    return r;
}

Reply ChipTest::SendOverlapped(DWORD code, Bytes input, DWORD outputSize) {
    Reply r;
    r.output.assign(outputSize, 0);
    OVERLAPPED overlapped{};
    overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    BOOL started = DeviceIoControl(device, code, input.empty() ? nullptr : input.data(),
                                   static_cast<DWORD>(input.size()), r.output.data(), outputSize, &r.bytes, &overlapped);
    if (started || GetLastError() == ERROR_IO_PENDING) {
        r.ok = GetOverlappedResult(device, &overlapped, &r.bytes, TRUE);
    }
    if (!r.ok) r.error = GetLastError();
    CloseHandle(overlapped.hEvent);
    return r;
}

Reply ChipTest::Capture(uint8_t purpose, uint32_t finger) {
    chip->PresentFinger(finger);
    return SendOverlapped(IOCTL_BIOMETRIC_CAPTURE_DATA, CaptureParameters(purpose), 161);
}

Reply ChipTest::ProcessAndAcknowledge(uint8_t purpose) {
    Reply processed = Send(IOCTL_VENDOR_PROCESS_SAMPLE, {purpose}, 9);
    EXPECT_TRUE(processed.ok);
    Bytes done = processed.output;
    if (done[0] == 12) done[0] = 8;
    EXPECT_TRUE(Send(IOCTL_VENDOR_SAMPLE_DONE, done).ok);
    return processed;
}

Bytes CaptureParameters(uint8_t purpose) {
    Bytes p(32, 0);
    p[0] = 32;
    p[4] = purpose;
    p[6] = 0x1B;
    p[8] = 0x01;
    p[9] = 0x04;
    p[28] = 0x20;
    return p;
}

}  // namespace sim::testing
