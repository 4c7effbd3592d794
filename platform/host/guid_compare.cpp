// GUID equality for the control API (trace records, provider look-ups).
#include <cstring>

#include "platform/host/host_trace.h"

namespace host {

bool operator==(const GUID& a, const GUID& b) {
    return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

}  // namespace host
