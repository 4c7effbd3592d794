// A responder that writes message lines to a new text file.
//
// The file is created only if it does not exist yet, so an earlier log is
// never appended to or overwritten; without a file the responder drops
// every message. Lines of a level below the threshold are dropped.
#pragma once

#include "diag/msg_responder.h"

namespace talven {

class CLogResPonder : public IResponder {
public:
    // Size of one formatted line, NUL included; longer lines are cut.
    static constexpr size_t kLineBufferSize = 1024;

    // `enable` zero or `path` null: no file.
    CLogResPonder(const CHAR* path, BOOL enable, INT threshold);
    ~CLogResPonder() override;
    CLogResPonder(const CLogResPonder&) = delete;
    CLogResPonder& operator=(const CLogResPonder&) = delete;

    void Write(INT level, const CHAR* function, INT line, const CHAR* text) override;

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
    INT m_threshold;
};

}  // namespace talven
