// Prints the trace messages the module recorded since the last call, one
// line each: the unit's GUID and name, the message number and the
// arguments as they were passed.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/host/host_trace.h"

namespace talven_host {

class TracePrinter {
public:
    explicit TracePrinter(std::FILE* out) : out_(out) {}
    void PrintNew();
    // Every message recorded so far.
    std::vector<host::TraceRecord> All() const { return host::TraceSession::Records(); }

private:
    std::FILE* out_;
    size_t printed_ = 0;
};

std::string FormatGuid(const GUID& guid);
bool SameGuid(const GUID& a, const GUID& b);

}  // namespace talven_host
