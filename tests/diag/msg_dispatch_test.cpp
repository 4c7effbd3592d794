// The dispatcher: attachment order, ownership, figures and message bounds.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "diag/msg.h"
#include "diag/msg_dbg_view_responder.h"
#include "platform/host/host_debug_output.h"
#include "tests/diag/recording_responder.h"

namespace talven {
namespace {

using test_support::LoggedMessage;
using test_support::MessageRecord;
using test_support::RecordingResponder;

TEST(MessageDispatch, EveryResponderReceivesEachMessageInAttachmentOrder) {
    MessageRecord record;
    {
        CMsgBase dispatcher;
        dispatcher.AddResponder(std::make_unique<RecordingResponder>(record, "first"));
        dispatcher.AddResponder(std::make_unique<RecordingResponder>(record, "second"));
        dispatcher.Log(2, "ServiceMain", 393, "state %s code %#x", "stopped", 0x10u);
        dispatcher.Log(0, "EntryPoint", 324, "plain");
    }
    EXPECT_EQ(record.events, (std::vector<std::string>{"first wrote", "second wrote", "first wrote", "second wrote",
                                                       "first destroyed", "second destroyed"}));
    const LoggedMessage formatted{2, "ServiceMain", 393, "state stopped code 0x10"};
    const LoggedMessage plain{0, "EntryPoint", 324, "plain"};
    EXPECT_EQ(record.messages, (std::vector<LoggedMessage>{formatted, formatted, plain, plain}));
}

TEST(MessageDispatch, RemovingAllRespondersDestroysThemInOrderAndTheListStaysUsable) {
    MessageRecord record;
    CMsgBase dispatcher;
    dispatcher.AddResponder(std::make_unique<RecordingResponder>(record, "a"));
    dispatcher.AddResponder(std::make_unique<RecordingResponder>(record, "b"));
    dispatcher.RemoveAllResponders();
    dispatcher.Log(2, "f", 1, "dropped");
    dispatcher.AddResponder(std::make_unique<RecordingResponder>(record, "c"));
    dispatcher.Log(2, "f", 2, "kept");
    dispatcher.RemoveAllResponders();
    EXPECT_EQ(record.events, (std::vector<std::string>{"a destroyed", "b destroyed", "c wrote", "c destroyed"}));
    EXPECT_EQ(record.messages, (std::vector<LoggedMessage>{{2, "f", 2, "kept"}}));
}

TEST(MessageDispatch, MessageLongerThanItsBufferIsCutAtTheBufferEnd) {
    MessageRecord record;
    CMsgBase dispatcher;
    dispatcher.AddResponder(std::make_unique<RecordingResponder>(record, "r"));
    const std::string longText(3000, 'x');
    dispatcher.Log(2, "f", 1, "%s", longText.c_str());
    dispatcher.Log(2, "f", 2, "%s", longText.substr(0, CMsgBase::kMessageBufferSize - 1).c_str());
    ASSERT_EQ(record.messages.size(), 2u);
    EXPECT_EQ(record.messages[0].text, std::string(2047, 'x'));
    EXPECT_EQ(record.messages[1].text, std::string(2047, 'x'));
}

TEST(MessageDispatch, CountsAndProgressReachTheDebuggerChannel) {
    host::ClearDebugOutput();
    static const char kTag[] = "svc";
    CMsgBase dispatcher;
    dispatcher.AddResponder(std::make_unique<CDbgViewResponder>(kTag));
    dispatcher.AddResponder(std::make_unique<IResponder>());  // the base ignores everything
    dispatcher.LogCount("frames", -3);
    dispatcher.LogProgress(75);
    EXPECT_EQ(host::DebugOutput(), (std::vector<std::string>{"frames count is -3", "Progress is 75"}));
}

TEST(MessageDispatch, TheProcessWideDispatcherIsOneInstanceThatStartsEmpty) {
    CMsg& first = CMsg::Instance();
    EXPECT_EQ(&first, &CMsg::Instance());
    host::ClearDebugOutput();
    first.Log(0, "f", 1, "nobody listens");
    first.LogCount("n", 1);
    EXPECT_TRUE(host::DebugOutput().empty());
}

}  // namespace
}  // namespace talven
