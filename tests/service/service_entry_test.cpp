// EntryPoint, ServiceMain and the control handler against the host's
// service control manager.
#include <gtest/gtest.h>

#include <memory>

#include "diag/msg.h"
#include "platform/host/host_service.h"
#include "service/entry_point.h"
#include "tests/diag/recording_responder.h"

bool operator==(const SERVICE_STATUS& a, const SERVICE_STATUS& b) {
    return a.dwServiceType == b.dwServiceType && a.dwCurrentState == b.dwCurrentState &&
           a.dwControlsAccepted == b.dwControlsAccepted && a.dwWin32ExitCode == b.dwWin32ExitCode &&
           a.dwServiceSpecificExitCode == b.dwServiceSpecificExitCode && a.dwCheckPoint == b.dwCheckPoint &&
           a.dwWaitHint == b.dwWaitHint;
}

void PrintTo(const SERVICE_STATUS& s, std::ostream* out) {
    *out << "{type " << s.dwServiceType << ", state " << s.dwCurrentState << ", accepted " << s.dwControlsAccepted
         << ", exit " << s.dwWin32ExitCode << "}";
}

namespace talven {
namespace {

using namespace test_support;
using Scm = host::ServiceControlManager;

// Own process, stopped, accepting stop, pause/continue and shutdown.
constexpr SERVICE_STATUS kStopped = {0x10, 1, 7, 0, 0, 0, 0};

class ServiceEntry : public ::testing::Test {
protected:
    void SetUp() override {
        Scm::Reset();
        CMsg::Instance().AddResponder(std::make_unique<RecordingResponder>(m_record, "log"));
    }
    void TearDown() override {
        CMsg::Instance().RemoveAllResponders();
        Scm::Reset();
    }

    MessageRecord m_record;
};

TEST_F(ServiceEntry, ServiceMainRunsOnTheDispatcherThreadAndReportsStoppedAtOnce) {
    EntryPoint();
    EXPECT_EQ(Scm::DispatchedServices(), std::vector<std::u16string>{u"KvoMocUtil"});
    EXPECT_EQ(Scm::HandlerServiceName(), u"KvoMocUtil");
    EXPECT_NE(Scm::ServiceMainThreadId(), 0u);
    EXPECT_NE(Scm::ServiceMainThreadId(), GetCurrentThreadId());
    EXPECT_EQ(Scm::StatusReports(), std::vector<SERVICE_STATUS>{kStopped});
    EXPECT_EQ(m_record.messages, (std::vector<LoggedMessage>{
                                     {2, "EntryPoint", 310, "EntryPoint"},
                                     {2, "ServiceMain", 393, "SetServiceStatus(SERVICE_STOPPED)"},
                                 }));
}

TEST_F(ServiceEntry, DispatcherThatCannotStartIsLoggedWithTheLastError) {
    Scm::FailDispatcher(ERROR_FAILED_SERVICE_CONTROLLER_CONNECT);
    EntryPoint();
    EXPECT_EQ(Scm::ServiceMainThreadId(), 0u);
    EXPECT_TRUE(Scm::StatusReports().empty());
    EXPECT_EQ(m_record.messages, (std::vector<LoggedMessage>{
                                     {2, "EntryPoint", 310, "EntryPoint"},
                                     {0, "EntryPoint", 324, "StartServiceCtrlDispatcher failed. LastErr: 1063"},
                                 }));
}

TEST_F(ServiceEntry, HandlerThatCannotRegisterIsLoggedAndNothingIsReported) {
    Scm::FailHandlerRegistration(ERROR_INVALID_PARAMETER);
    EntryPoint();
    EXPECT_TRUE(Scm::StatusReports().empty());
    EXPECT_EQ(m_record.messages, (std::vector<LoggedMessage>{
                                     {2, "EntryPoint", 310, "EntryPoint"},
                                     {0, "ServiceMain", 378, "RegisterServiceCtrlHandler failed. LastErr: 87"},
                                 }));
}

TEST_F(ServiceEntry, EachControlAfterTheStopReportsTheWholeRecord) {
    struct Case {
        DWORD control;
        LoggedMessage logged;
        DWORD state;
    };
    const Case cases[] = {
        {1, {2, "ServiceCtrlHandler", 338, "SERVICE_CONTROL_STOP"}, 1},
        {5, {2, "ServiceCtrlHandler", 344, "SERVICE_CONTROL_SHUTDOWN"}, 1},
        {2, {2, "ServiceCtrlHandler", 350, "SERVICE_CONTROL_PAUSE"}, 7},
        {3, {2, "ServiceCtrlHandler", 355, "SERVICE_CONTROL_CONTINUE"}, 4},
        {4, {2, "ServiceCtrlHandler", 360, "dwControl: 0x4 dwCurrentState: 0x1"}, 1},
        {0x80, {2, "ServiceCtrlHandler", 360, "dwControl: 0x80 dwCurrentState: 0x1"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged.text);
        Scm::Reset();
        EntryPoint();
        m_record.messages.clear();
        ASSERT_TRUE(Scm::SendControl(c.control));
        SERVICE_STATUS expected = kStopped;
        expected.dwCurrentState = c.state;
        EXPECT_EQ(Scm::StatusReports(), (std::vector<SERVICE_STATUS>{kStopped, expected}));
        EXPECT_EQ(m_record.messages, std::vector<LoggedMessage>{c.logged});
    }
}

TEST_F(ServiceEntry, HandlerMovesTheStateWhateverItWasBefore) {
    EntryPoint();
    m_record.messages.clear();
    for (DWORD control : {SERVICE_CONTROL_PAUSE, SERVICE_CONTROL_INTERROGATE, SERVICE_CONTROL_CONTINUE,
                          SERVICE_CONTROL_INTERROGATE, SERVICE_CONTROL_CONTINUE, SERVICE_CONTROL_STOP}) {
        ASSERT_TRUE(Scm::SendControl(control));
    }
    std::vector<DWORD> states;
    for (const auto& report : Scm::StatusReports()) states.push_back(report.dwCurrentState);
    EXPECT_EQ(states, (std::vector<DWORD>{1, 7, 7, 4, 4, 4, 1}));
    ASSERT_EQ(m_record.messages.size(), 6u);
    EXPECT_EQ(m_record.messages[1].text, "dwControl: 0x4 dwCurrentState: 0x7");
    EXPECT_EQ(m_record.messages[3].text, "dwControl: 0x4 dwCurrentState: 0x4");
}

}  // namespace
}  // namespace talven
