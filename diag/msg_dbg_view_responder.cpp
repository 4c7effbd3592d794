#include "diag/msg_dbg_view_responder.h"

#include "diag/msg_format.h"

namespace talven {

CDbgViewResponder::CDbgViewResponder(const CHAR* tag) : m_threshold(2), m_tag(tag) {}

void CDbgViewResponder::Write(INT level, const CHAR* function, INT line, const CHAR* text) {
    if (level > m_threshold) return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    CHAR buffer[kLineBufferSize] = {};
    FormatLine(buffer, "[%05d][%05d][%02d:%02d:%02d %03d][%s][%s@%d] %s\n", static_cast<INT>(GetCurrentProcessId()),
               static_cast<INT>(GetCurrentThreadId()), now.wHour, now.wMinute, now.wSecond, now.wMilliseconds, m_tag,
               function, line, text);
    OutputDebugStringA(buffer);
}

void CDbgViewResponder::WriteCount(const CHAR* name, INT count) {
    CHAR buffer[kLineBufferSize] = {};
    FormatText(buffer, "%s count is %d", name, count);
    OutputDebugStringA(buffer);
}

void CDbgViewResponder::WriteProgress(INT value) {
    CHAR buffer[kLineBufferSize] = {};
    FormatText(buffer, "Progress is %d", value);
    OutputDebugStringA(buffer);
}

}  // namespace talven
