// Every request the chip received, in order: code, input bytes, the size of
// the caller's output buffer and how it ended. Tests read it to assert what
// the adapters sent ("no device request", "slot 2", "MATCH_DONE carried 11").
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "sim/chip_config.h"

namespace sim {

struct LoggedRequest {
    enum class Outcome { Completed, Failed, Pending };
    uint64_t id = 0;
    DWORD code = 0;
    Bytes input;
    DWORD outputSize = 0;
    bool overlapped = false;
    Outcome outcome = Outcome::Pending;
    DWORD bytesReturned = 0;  // Completed
    DWORD error = 0;          // Failed
};

class RequestLog {
public:
    std::vector<LoggedRequest> All() const;
    std::vector<LoggedRequest> With(DWORD code) const;
    size_t Count(DWORD code) const;
    bool Empty() const;
    void Clear();

    // The sensor's side: record a request, then how it ended.
    uint64_t Record(DWORD code, const Bytes& input, DWORD outputSize, bool overlapped);
    void Settle(uint64_t id, LoggedRequest::Outcome outcome, DWORD bytesReturned, DWORD error);

private:
    mutable std::mutex mutex_;
    std::vector<LoggedRequest> entries_;
    uint64_t nextId_ = 1;
};

}  // namespace sim
