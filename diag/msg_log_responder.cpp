#include "diag/msg_log_responder.h"

#include <string_view>

#include "diag/msg_format.h"

namespace talven {

namespace {

constexpr std::string_view kBanner = ">>>>>>Quillon Log Start \n";
constexpr std::string_view kEndMarker = ">>>>>>End \n\r";

// Writes are not checked: a lost line must not stop the next one.
void WriteBytes(HANDLE file, const CHAR* bytes, size_t length) {
    DWORD written = 0;
    WriteFile(file, bytes, static_cast<DWORD>(length), &written, nullptr);
}

}  // namespace

CLogResPonder::CLogResPonder(const CHAR* path, BOOL enable, INT threshold) : m_threshold(threshold) {
    if (path == nullptr || enable == FALSE) return;
    m_file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_file != INVALID_HANDLE_VALUE) WriteBytes(m_file, kBanner.data(), kBanner.size());
}

CLogResPonder::~CLogResPonder() {
    if (m_file == INVALID_HANDLE_VALUE) return;
    WriteBytes(m_file, kEndMarker.data(), kEndMarker.size());
    CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

void CLogResPonder::Write(INT level, const CHAR* function, INT line, const CHAR* text) {
    if (level < m_threshold || m_file == INVALID_HANDLE_VALUE) return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    CHAR buffer[kLineBufferSize] = {};
    size_t length = FormatLine(buffer, "[%05d][%05d][%02d:%02d:%02d %03d][%s@%d] %s\n",
                               static_cast<INT>(GetCurrentProcessId()), static_cast<INT>(GetCurrentThreadId()),
                               now.wHour, now.wMinute, now.wSecond, now.wMilliseconds, function, line, text);
    WriteBytes(m_file, buffer, length);
}

}  // namespace talven
