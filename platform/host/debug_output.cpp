// The host's debugger-output channel: a capture sink that tests read.
#include <mutex>

#include "host_debug_output.h"
#include "win32_debug.h"

namespace {

struct Sink {
    std::mutex lock;
    std::vector<std::string> strings;
};

Sink& TheSink() {
    static Sink sink;
    return sink;
}

}  // namespace

extern "C" void WINAPI OutputDebugStringA(LPCSTR outputString) {
    Sink& sink = TheSink();
    std::lock_guard guard(sink.lock);
    sink.strings.emplace_back(outputString == nullptr ? "" : outputString);
}

namespace host {

std::vector<std::string> DebugOutput() {
    Sink& sink = TheSink();
    std::lock_guard guard(sink.lock);
    return sink.strings;
}

void ClearDebugOutput() {
    Sink& sink = TheSink();
    std::lock_guard guard(sink.lock);
    sink.strings.clear();
}

}  // namespace host
