// The debugger responder: threshold, tag and line format.
#include <gtest/gtest.h>

#include "diag/msg_dbg_view_responder.h"
#include "platform/host/host_debug_output.h"
#include "platform/host/host_process.h"

namespace talven {
namespace {

class DbgViewResponder : public ::testing::Test {
protected:
    void SetUp() override {
        host::ClearDebugOutput();
        host::FixLocalTime({2024, 5, 2, 7, 14, 3, 7, 42});
        host::FixIds(4312, 988);
    }
    void TearDown() override {
        host::UseSystemTime();
        host::UseRealIds();
    }
    static constexpr char kTag[] = "KvoMocUtil";
};

TEST_F(DbgViewResponder, WritesFailuresAndNotesButNothingMoreVerbose) {
    CDbgViewResponder responder(kTag);
    for (INT level : {-1, 0, 1, 2, 3, 4}) responder.Write(level, "f", level, "m");
    EXPECT_EQ(host::DebugOutput(), (std::vector<std::string>{
                                       "[04312][00988][14:03:07 042][KvoMocUtil][f@-1] m\n",
                                       "[04312][00988][14:03:07 042][KvoMocUtil][f@0] m\n",
                                       "[04312][00988][14:03:07 042][KvoMocUtil][f@1] m\n",
                                       "[04312][00988][14:03:07 042][KvoMocUtil][f@2] m\n",
                                   }));
}

TEST_F(DbgViewResponder, OverlongLineIsCutButKeepsItsLineFeed) {
    CDbgViewResponder responder(kTag);
    responder.Write(0, "f", 1, std::string(3000, 'z').c_str());
    const std::string prefix = "[04312][00988][14:03:07 042][KvoMocUtil][f@1] ";
    ASSERT_EQ(host::DebugOutput().size(), 1u);
    EXPECT_EQ(host::DebugOutput()[0],
              prefix + std::string(CDbgViewResponder::kLineBufferSize - 2 - prefix.size(), 'z') + "\n");
}

}  // namespace
}  // namespace talven
