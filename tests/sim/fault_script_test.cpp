// Scripted faults and the request log, through the seam.
#include "sim_test_support.h"

namespace sim::testing {
namespace {

using namespace talven;

using FaultTest = ChipTest;

TEST_F(FaultTest, FailuresLastAsLongAsScripted) {
    chip->Faults().FailNext(IOCTL_VENDOR_GET_CHIP_ID, ERROR_GEN_FAILURE, 2);
    chip->Faults().FailAlways(IOCTL_VENDOR_GET_HOST_ID, ERROR_CANCELLED);
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_CHIP_ID, {}, 32).error, static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_CHIP_ID, {}, 32).error, static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_TRUE(Send(IOCTL_VENDOR_GET_CHIP_ID, {}, 32).ok);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Send(IOCTL_VENDOR_GET_HOST_ID, {}, 16).error, static_cast<DWORD>(ERROR_CANCELLED));
    chip->Faults().Clear();
    EXPECT_TRUE(Send(IOCTL_VENDOR_GET_HOST_ID, {}, 16).ok);
}

TEST_F(FaultTest, CountdownFailsTheNthRequestWhateverItIs) {
    // The countdown also counts requests that an earlier rule fails.
    chip->Faults().FailNext(IOCTL_VENDOR_GET_FW_INFO, ERROR_CANCELLED);
    chip->Faults().FailNth(3, ERROR_GEN_FAILURE);
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_FW_INFO, {}, 8).error, static_cast<DWORD>(ERROR_CANCELLED));
    EXPECT_TRUE(Send(IOCTL_VENDOR_GET_CHIP_ID, {}, 32).ok);
    EXPECT_EQ(Send(IOCTL_VENDOR_GET_TEMPLATE_INFO, {}, 8).error, static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_TRUE(Send(IOCTL_VENDOR_GET_TEMPLATE_INFO, {}, 8).ok);
}

TEST_F(FaultTest, AFailedRequestDoesNotReachTheChip) {
    chip->Faults().FailNext(IOCTL_VENDOR_DB_STATE, ERROR_GEN_FAILURE);
    EXPECT_FALSE(Send(IOCTL_VENDOR_DB_STATE, {0, 3, 0, 0, 0}, 5).ok);
    EXPECT_EQ(chip->Snapshot().dbState, 0u);
}

TEST_F(FaultTest, ShortRepliesLeaveTheCallersBytes) {
    chip->Faults().ShortenNext(IOCTL_VENDOR_GET_TEMPLATE_INFO, 2);
    Reply r = Send(IOCTL_VENDOR_GET_TEMPLATE_INFO, {}, 8, 0xDD);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, 2u);
    EXPECT_EQ(r.output, FromHex("05 08 dd dd dd dd dd dd"));
}

TEST_F(FaultTest, HeldRequestsAnswerWhenReleasedOrAbortWhenCancelled) {
    chip->Faults().PendNext(IOCTL_VENDOR_CONTROL_C23, 2);
    OVERLAPPED first{};
    first.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Bytes out(3, 0);
    DWORD bytes = 0;
    EXPECT_FALSE(DeviceIoControl(device, IOCTL_VENDOR_CONTROL_C23, nullptr, 0, out.data(), 3, &bytes, &first));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_IO_PENDING));
    EXPECT_EQ(chip->Log().All().back().outcome, LoggedRequest::Outcome::Pending);
    chip->ReleaseHeld();
    ASSERT_TRUE(GetOverlappedResult(device, &first, &bytes, TRUE));
    EXPECT_EQ(out, FromHex("23 24 25"));
    EXPECT_EQ(chip->Log().All().back().outcome, LoggedRequest::Outcome::Completed);
    CloseHandle(first.hEvent);

    OVERLAPPED second{};
    second.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    EXPECT_FALSE(DeviceIoControl(device, IOCTL_VENDOR_CONTROL_C23, nullptr, 0, out.data(), 3, &bytes, &second));
    EXPECT_TRUE(CancelIoEx(device, nullptr));
    EXPECT_FALSE(GetOverlappedResult(device, &second, &bytes, TRUE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_OPERATION_ABORTED));
    CloseHandle(second.hEvent);
}

TEST_F(FaultTest, LogRecordsCodeInputOutputSizeAndResult) {
    EXPECT_TRUE(chip->Log().Empty());
    Send(IOCTL_VENDOR_DELETE_TEMPLATE, {2});
    chip->Faults().FailNext(IOCTL_VENDOR_GET_CHIP_ID, ERROR_GEN_FAILURE);
    Send(IOCTL_VENDOR_GET_CHIP_ID, {}, 32);
    const auto all = chip->Log().All();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].code, IOCTL_VENDOR_DELETE_TEMPLATE);
    EXPECT_EQ(all[0].input, Bytes{2});
    EXPECT_EQ(all[0].outcome, LoggedRequest::Outcome::Completed);
    EXPECT_EQ(all[1].outputSize, 32u);
    EXPECT_EQ(all[1].outcome, LoggedRequest::Outcome::Failed);
    EXPECT_EQ(all[1].error, static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_EQ(chip->Log().Count(IOCTL_VENDOR_DELETE_TEMPLATE), 1u);
    chip->Log().Clear();
    EXPECT_TRUE(chip->Log().Empty());
}

}  // namespace
}  // namespace sim::testing
