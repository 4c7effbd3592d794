// A responder that sends message lines, counts and progress to the
// debugger-output channel, tagged with the caller's text. It writes
// failures and notes (levels up to 2) and drops anything more verbose.
#pragma once

#include "diag/msg_responder.h"

namespace talven {

class CDbgViewResponder : public IResponder {
public:
    // Size of one formatted line, NUL included; longer lines are cut.
    static constexpr size_t kLineBufferSize = 2048;

    // The tag is not copied: its text must outlive the responder.
    explicit CDbgViewResponder(const CHAR* tag);

    void Write(INT level, const CHAR* function, INT line, const CHAR* text) override;
    void WriteCount(const CHAR* name, INT count) override;
    void WriteProgress(INT value) override;

private:
    INT m_threshold;
    const CHAR* m_tag;
};

}  // namespace talven
