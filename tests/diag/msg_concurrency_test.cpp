// Several threads logging at once: responders see one call at a time and
// every file line arrives whole.
#include <atomic>
#include <cstdio>
#include <functional>
#include <latch>
#include <map>
#include <sstream>
#include <thread>

#include "diag/msg_base.h"
#include "diag/msg_log_responder.h"
#include "tests/diag/log_file_fixture.h"

namespace talven {
namespace {

// Notices a second caller inside Write and keeps a plain, unlocked history
// that only a serialised caller leaves intact.
class OverlapDetector : public IResponder {
public:
    OverlapDetector(std::atomic<bool>& overlapped, std::string& history)
        : m_overlapped(overlapped), m_history(history) {}
    void Write(INT, const CHAR*, INT, const CHAR* text) override {
        if (m_inside.fetch_add(1) != 0) m_overlapped = true;
        for (const CHAR* c = text; *c != 0; ++c) {
            m_history += *c;
            if (*c == ' ') std::this_thread::yield();
        }
        m_history += '\n';
        m_inside.fetch_sub(1);
    }

private:
    std::atomic<int> m_inside{0};
    std::atomic<bool>& m_overlapped;
    std::string& m_history;
};

using ConcurrentLog = test_support::LogFileTest;

TEST_F(ConcurrentLog, LinesFromManyThreadsNeverInterleave) {
    host::UseRealIds();
    host::UseSystemTime();
    constexpr int kThreads = 4;
    constexpr int kMessages = 200;
    const std::string path = PathOf("concurrent.log");
    const std::string padding(300, 'p');
    std::atomic<bool> overlapped{false};
    std::string history;
    {
        CMsgBase dispatcher;
        dispatcher.AddResponder(std::make_unique<OverlapDetector>(overlapped, history));
        dispatcher.AddResponder(std::make_unique<CLogResPonder>(path.c_str(), TRUE, 0));
        std::latch start(kThreads);
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                start.arrive_and_wait();
                for (int m = 0; m < kMessages; ++m)
                    dispatcher.Log(2, "worker", 7, "thread %d message %d %s", t, m, padding.c_str());
            });
        }
        for (auto& thread : threads) thread.join();
    }
    EXPECT_FALSE(overlapped);

    const std::string contents = Contents(path);
    ASSERT_EQ(contents.rfind(test_support::kBanner, 0), 0u);
    const std::string end = test_support::kEndMarker;
    ASSERT_GE(contents.size(), end.size());
    ASSERT_EQ(contents.substr(contents.size() - end.size()), end);
    const std::string body = contents.substr(std::string(test_support::kBanner).size(),
                                             contents.size() - end.size() - std::string(test_support::kBanner).size());

    // A whole line: the ids and time, then one thread's message and all of its padding.
    const auto rest = [&](const std::string& line, int used) {
        return used >= 0 && line.substr(static_cast<size_t>(used)) == padding;
    };
    const auto fileLine = [&](const std::string& line, int& thread, int& message) {
        int used = -1;
        int stamp[6];
        return std::sscanf(line.c_str(), "[%d][%d][%d:%d:%d %d][worker@7] thread %d message %d %n", &stamp[0],
                           &stamp[1], &stamp[2], &stamp[3], &stamp[4], &stamp[5], &thread, &message, &used) == 8 &&
               rest(line, used);
    };
    const auto historyLine = [&](const std::string& line, int& thread, int& message) {
        int used = -1;
        return std::sscanf(line.c_str(), "thread %d message %d %n", &thread, &message, &used) == 2 && rest(line, used);
    };
    using Parser = std::function<bool(const std::string&, int&, int&)>;
    for (const auto& [text, parse] :
         {std::pair<std::string, Parser>{body, fileLine}, std::pair<std::string, Parser>{history, historyLine}}) {
        std::map<int, int> nextPerThread;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            int thread = -1;
            int message = -1;
            ASSERT_TRUE(parse(line, thread, message)) << line.substr(0, 120);
            ASSERT_EQ(message, nextPerThread[thread]++) << "thread " << thread;
        }
        for (int t = 0; t < kThreads; ++t) EXPECT_EQ(nextPerThread[t], kMessages) << "thread " << t;
    }
}

}  // namespace
}  // namespace talven
