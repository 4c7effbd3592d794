#include "sim/request_log.h"

#include <algorithm>

namespace sim {

std::vector<LoggedRequest> RequestLog::All() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

std::vector<LoggedRequest> RequestLog::With(DWORD code) const {
    std::lock_guard lock(mutex_);
    std::vector<LoggedRequest> matching;
    std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(matching),
                 [code](const LoggedRequest& e) { return e.code == code; });
    return matching;
}

size_t RequestLog::Count(DWORD code) const {
    std::lock_guard lock(mutex_);
    return static_cast<size_t>(
        std::count_if(entries_.begin(), entries_.end(), [code](const LoggedRequest& e) { return e.code == code; }));
}

bool RequestLog::Empty() const {
    std::lock_guard lock(mutex_);
    return entries_.empty();
}

void RequestLog::Clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

uint64_t RequestLog::Record(DWORD code, const Bytes& input, DWORD outputSize, bool overlapped) {
    std::lock_guard lock(mutex_);
    LoggedRequest entry;
    entry.id = nextId_++;
    entry.code = code;
    entry.input = input;
    entry.outputSize = outputSize;
    entry.overlapped = overlapped;
    entries_.push_back(std::move(entry));
    return entries_.back().id;
}

void RequestLog::Settle(uint64_t id, LoggedRequest::Outcome outcome, DWORD bytesReturned, DWORD error) {
    std::lock_guard lock(mutex_);
    for (LoggedRequest& e : entries_) {
        if (e.id != id) continue;
        e.outcome = outcome;
        e.bytesReturned = bytesReturned;
        e.error = error;
        return;
    }
}

}  // namespace sim
