// Device requests through the host seam: what the caller sees of a reply,
// a failure, a pend completed from another thread, and a cancel.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/host/host_device.h"
#include "platform/win32.h"
#include "tests/support/scripted_device.h"

namespace {

constexpr DWORD kCode = 0x00440004;

class DeviceIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        handle = host::OpenDevice(device);
        event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        overlapped.hEvent = event;
    }
    void TearDown() override {
        CloseHandle(event);
        CloseHandle(handle);
    }
    BOOL Send(LPOVERLAPPED over = nullptr) {
        return DeviceIoControl(handle, kCode, input, sizeof input, output.data(), static_cast<DWORD>(output.size()),
                               &bytes, over);
    }

    std::shared_ptr<test_support::ScriptedDevice> device = std::make_shared<test_support::ScriptedDevice>();
    HANDLE handle = nullptr;
    HANDLE event = nullptr;
    OVERLAPPED overlapped{};
    BYTE input[3] = {1, 2, 3};
    std::vector<BYTE> output = std::vector<BYTE>(4, 0xEE);
    DWORD bytes = 99;
};

TEST_F(DeviceIoTest, SynchronousReplyIsCutToTheOutputAndLeavesTheRestAsTheCallerFilledIt) {
    device->Reply(kCode, {9, 8, 7, 6, 5, 4});
    ASSERT_TRUE(Send());
    EXPECT_EQ(bytes, 4u);
    EXPECT_EQ(output, (std::vector<BYTE>{9, 8, 7, 6}));

    device->Reply(kCode, {1});
    output.assign(4, 0xEE);
    ASSERT_TRUE(Send());
    EXPECT_EQ(bytes, 1u);
    EXPECT_EQ(output, (std::vector<BYTE>{1, 0xEE, 0xEE, 0xEE}));

    const std::vector<test_support::LoggedRequest> log = device->Requests();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].code, kCode);
    EXPECT_EQ(log[0].input, (std::vector<BYTE>{1, 2, 3}));
    EXPECT_EQ(log[0].outputSize, 4u);
    EXPECT_FALSE(log[0].overlapped);
}

TEST_F(DeviceIoTest, FailureSetsTheLastErrorAndLeavesTheOutputUntouched) {
    device->Fail(kCode, ERROR_GEN_FAILURE);
    SetLastError(0);
    EXPECT_FALSE(Send());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_EQ(bytes, 0u);
    EXPECT_EQ(output, std::vector<BYTE>(4, 0xEE));

    // Unscripted codes are not supported.
    EXPECT_FALSE(DeviceIoControl(handle, kCode + 4, nullptr, 0, nullptr, 0, &bytes, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));

    EXPECT_FALSE(DeviceIoControl(event, kCode, nullptr, 0, nullptr, 0, &bytes, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(DeviceIoTest, OverlappedRequestCompletedFromAnotherThreadSignalsItsEvent) {
    device->Pend(kCode);
    EXPECT_FALSE(Send(&overlapped));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_IO_PENDING));
    EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    DWORD transferred = 0;
    EXPECT_FALSE(GetOverlappedResult(handle, &overlapped, &transferred, FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_IO_INCOMPLETE));

    std::thread completer([&] { EXPECT_TRUE(device->CompletePending({4, 3})); });
    ASSERT_TRUE(GetOverlappedResult(handle, &overlapped, &transferred, TRUE));
    completer.join();
    EXPECT_EQ(transferred, 2u);
    EXPECT_EQ(output, (std::vector<BYTE>{4, 3, 0xEE, 0xEE}));
    EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_FALSE(device->CompletePending({1}));  // nothing left pending
}

TEST_F(DeviceIoTest, CancelWhileAnotherThreadWaitsAbortsTheRequest) {
    device->Pend(kCode);
    ASSERT_FALSE(Send(&overlapped));
    std::thread waiter([&] {
        DWORD transferred = 7;
        EXPECT_FALSE(GetOverlappedResult(handle, &overlapped, &transferred, TRUE));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_OPERATION_ABORTED));
        EXPECT_EQ(transferred, 0u);
    });
    EXPECT_TRUE(CancelIoEx(handle, &overlapped));
    waiter.join();
    EXPECT_EQ(output, std::vector<BYTE>(4, 0xEE));

    // Nothing pending: nothing to cancel.
    EXPECT_FALSE(CancelIoEx(handle, &overlapped));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_FOUND));
    EXPECT_FALSE(CancelIoEx(handle, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_FOUND));
}

TEST_F(DeviceIoTest, SynchronousRequestBlocksWhileTheDevicePends) {
    device->Pend(kCode);
    BOOL sent = FALSE;
    std::thread caller([&] { sent = Send(); });
    device->WaitForPending(1);
    EXPECT_TRUE(device->CompletePending({5, 5, 5}));
    caller.join();
    EXPECT_TRUE(sent);
    EXPECT_EQ(bytes, 3u);
    EXPECT_EQ(output, (std::vector<BYTE>{5, 5, 5, 0xEE}));
}

}  // namespace
