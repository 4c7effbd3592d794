#include "sim/fault_script.h"

#include <algorithm>

namespace sim {

FaultScript& FaultScript::Add(Rule rule) {
    std::lock_guard lock(mutex_);
    rules_.push_back(rule);
    return *this;
}

FaultScript& FaultScript::FailNext(DWORD code, DWORD win32Error, unsigned times) {
    return Add({code, 0, times, {Fault::Action::Fail, win32Error, 0}});
}

FaultScript& FaultScript::FailAlways(DWORD code, DWORD win32Error) {
    return Add({code, 0, std::nullopt, {Fault::Action::Fail, win32Error, 0}});
}

FaultScript& FaultScript::FailNth(unsigned n, DWORD win32Error) {
    return Add({kAnyRequest, n > 0 ? n - 1 : 0, 1, {Fault::Action::Fail, win32Error, 0}});
}

FaultScript& FaultScript::ShortenNext(DWORD code, DWORD bytes, unsigned times) {
    return Add({code, 0, times, {Fault::Action::Shorten, 0, bytes}});
}

FaultScript& FaultScript::PendNext(DWORD code, unsigned times) {
    return Add({code, 0, times, {Fault::Action::Pend, 0, 0}});
}

void FaultScript::Clear() {
    std::lock_guard lock(mutex_);
    rules_.clear();
}

std::optional<Fault> FaultScript::Take(DWORD code) {
    std::lock_guard lock(mutex_);
    std::optional<Fault> taken;
    for (Rule& rule : rules_) {
        if (rule.code != kAnyRequest && rule.code != code) continue;
        // Every request counts down every rule it meets, so a countdown
        // keeps its place while other rules fire.
        if (rule.skip > 0) {
            --rule.skip;
            continue;
        }
        if (taken) continue;
        taken = rule.fault;
        if (rule.remaining) --*rule.remaining;
    }
    std::erase_if(rules_, [](const Rule& r) { return r.remaining && *r.remaining == 0; });
    return taken;
}

}  // namespace sim
