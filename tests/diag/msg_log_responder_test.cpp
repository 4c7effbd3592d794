// The file responder: a new file only, banner and end marker, line format
// and threshold.
#include <filesystem>
#include <fstream>

#include "diag/msg_log_responder.h"
#include "platform/host/host_file_system.h"
#include "tests/diag/log_file_fixture.h"

namespace talven {
namespace {

using test_support::kBanner;
using test_support::kEndMarker;

using LogResponder = test_support::LogFileTest;

TEST_F(LogResponder, FileThatSawNoMessageHoldsBannerThenEndMarker) {
    const std::string path = PathOf("quiet.log");
    {
        CLogResPonder responder(path.c_str(), TRUE, 0);
        EXPECT_EQ(Contents(path), kBanner);
        responder.WriteCount("frames", 3);  // figures are not file lines
        responder.WriteProgress(50);
    }
    const std::string contents = Contents(path);
    EXPECT_EQ(contents, std::string(kBanner) + kEndMarker);
    EXPECT_EQ(contents.size(), 37u);
}

TEST_F(LogResponder, ExistingFileIsNeverWrittenTo) {
    const std::string path = PathOf("earlier.log");
    std::ofstream(path, std::ios::binary) << "earlier run";
    {
        CLogResPonder responder(path.c_str(), TRUE, 0);
        responder.Write(2, "f", 1, "lost");
    }
    EXPECT_EQ(Contents(path), "earlier run");
}

TEST_F(LogResponder, WithoutAFileEveryMessageIsDropped) {
    const std::string disabled = PathOf("disabled.log");
    const std::string inMissingFolder = PathOf("missing/inner.log");
    for (const char* path : {disabled.c_str(), inMissingFolder.c_str(), static_cast<const char*>(nullptr)}) {
        CLogResPonder responder(path, path == disabled.c_str() ? FALSE : TRUE, 0);
        responder.Write(2, "f", 1, "dropped");
    }
    EXPECT_FALSE(std::filesystem::exists(disabled));
    EXPECT_FALSE(std::filesystem::exists(inMissingFolder));
}

TEST_F(LogResponder, LineCarriesIdsTimeFunctionAndLine) {
    const std::string path = PathOf("lines.log");
    {
        CLogResPonder responder(path.c_str(), TRUE, 0);
        responder.Write(2, "ServiceMain", 393, "SetServiceStatus(SERVICE_STOPPED)");
        host::FixIds(1234567, 7);  // ids longer than five digits print in full
        host::FixLocalTime({2024, 12, 1, 30, 9, 5, 0, 7});
        responder.Write(0, "f", -1, "t");
    }
    EXPECT_EQ(Contents(path), std::string(kBanner) +
                                  "[04312][00988][14:03:07 042][ServiceMain@393] SetServiceStatus(SERVICE_STOPPED)\n"
                                  "[1234567][00007][09:05:00 007][f@-1] t\n" +
                                  kEndMarker);
}

TEST_F(LogResponder, WritesLevelsAtOrAboveItsThreshold) {
    struct Case {
        INT threshold;
        INT level;
        bool written;
    };
    const Case cases[] = {{2, 2, true}, {2, 3, true}, {2, 1, false}, {2, 0, false},
                          {0, 0, true}, {0, 2, true}, {0, -1, false}};
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "threshold " << c.threshold << " level " << c.level);
        const std::string path = PathOf("threshold" + std::to_string(n++) + ".log");
        {
            CLogResPonder responder(path.c_str(), TRUE, c.threshold);
            responder.Write(c.level, "f", 1, "m");
        }
        const std::string line = c.written ? "[04312][00988][14:03:07 042][f@1] m\n" : "";
        EXPECT_EQ(Contents(path), std::string(kBanner) + line + kEndMarker);
    }
}

TEST_F(LogResponder, OverlongLineIsCutButKeepsItsLineFeed) {
    const std::string path = PathOf("long.log");
    {
        CLogResPonder responder(path.c_str(), TRUE, 0);
        responder.Write(2, "f", 1, std::string(2000, 'y').c_str());
        responder.Write(2, "f", 2, "next");
    }
    const std::string prefix = "[04312][00988][14:03:07 042][f@1] ";
    const std::string cut = prefix + std::string(CLogResPonder::kLineBufferSize - 2 - prefix.size(), 'y') + "\n";
    ASSERT_EQ(cut.size(), 1023u);
    EXPECT_EQ(Contents(path), std::string(kBanner) + cut + "[04312][00988][14:03:07 042][f@2] next\n" + kEndMarker);
}

TEST_F(LogResponder, WindowsPathNamesAFileBelowTheSystemRoot) {
    const std::string previousRoot = host::SystemRoot();
    host::SetSystemRoot(m_folder.string());
    std::filesystem::create_directories(m_folder / "C" / "Logs");
    { CLogResPonder responder("C:\\Logs\\svc.log", TRUE, 0); }
    host::SetSystemRoot(previousRoot);
    EXPECT_EQ(Contents(PathOf("C/Logs/svc.log")), std::string(kBanner) + kEndMarker);
}

}  // namespace
}  // namespace talven
