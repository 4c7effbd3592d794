// The process-wide message dispatcher. Nothing attaches a responder to it
// by default, so messages are formatted and dropped until a caller adds one.
#pragma once

#include "diag/msg_base.h"

namespace talven {

class CMsg : public CMsgBase {
public:
    // Constructed on first use (thread-safe); destroyed when the module is
    // unloaded or the process ends, with every responder still attached.
    static CMsg& Instance();
    ~CMsg() override = default;

private:
    CMsg() = default;
};

}  // namespace talven
