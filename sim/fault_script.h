// Scripted faults: any request can be made to fail with a chosen Win32
// error, to return fewer bytes than its record, or to pend until the test
// releases it, once, N times or always. Rules are tried in the order they
// were added; the first that applies to a request takes effect.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/win32.h"

namespace sim {

struct Fault {
    enum class Action { Fail, Shorten, Pend };
    Action action = Action::Fail;
    DWORD error = 0;  // Fail
    DWORD bytes = 0;  // Shorten: bytes the chip returns at most
};

class FaultScript {
public:
    // Stands for every request code.
    static constexpr DWORD kAnyRequest = 0;

    FaultScript& FailNext(DWORD code, DWORD win32Error, unsigned times = 1);
    FaultScript& FailAlways(DWORD code, DWORD win32Error);
    // Countdown: the n-th request from now (1 = the next), whatever its code.
    FaultScript& FailNth(unsigned n, DWORD win32Error);
    FaultScript& ShortenNext(DWORD code, DWORD bytes, unsigned times = 1);
    FaultScript& PendNext(DWORD code, unsigned times = 1);
    void Clear();

    // The fault that applies to this request, if any; consumes it.
    std::optional<Fault> Take(DWORD code);

private:
    struct Rule {
        DWORD code = kAnyRequest;
        unsigned skip = 0;                   // requests to let pass first
        std::optional<unsigned> remaining;   // none: for ever
        Fault fault;
    };
    FaultScript& Add(Rule rule);

    std::mutex mutex_;
    std::vector<Rule> rules_;
};

}  // namespace sim
