// A sink of the message log. The dispatcher hands every message to each
// attached responder, one call at a time; a responder overrides what it
// cares about and must not call back into the dispatcher.
#pragma once

#include "platform/win32.h"

namespace talven {

class IResponder {
public:
    virtual ~IResponder() = default;
    // `text` is the message, already formatted.
    virtual void Write(INT level, const CHAR* function, INT line, const CHAR* text);
    virtual void WriteCount(const CHAR* name, INT count);
    virtual void WriteProgress(INT value);
};

}  // namespace talven
