#include "diag/msg_base.h"

#include <cstdarg>

#include "diag/msg_format.h"

namespace talven {

CMsgBase::~CMsgBase() {
    RemoveAllResponders();
}

void CMsgBase::AddResponder(std::unique_ptr<IResponder> responder) {
    m_responders.push_back(std::move(responder));
}

void CMsgBase::RemoveAllResponders() {
    while (!m_responders.empty()) {
        m_responders.front().reset();
        m_responders.erase(m_responders.begin());
    }
}

void CMsgBase::Log(INT level, const CHAR* function, INT line, const CHAR* format, ...) {
    // Formatted before the lock is taken, so that threads only queue for
    // the responders.
    CHAR text[kMessageBufferSize] = {};
    va_list arguments;
    va_start(arguments, format);
    FormatTextV(text, format, arguments);
    va_end(arguments);

    std::lock_guard guard(m_lock);
    for (auto& responder : m_responders) responder->Write(level, function, line, text);
}

void CMsgBase::LogCount(const CHAR* name, INT count) {
    std::lock_guard guard(m_lock);
    for (auto& responder : m_responders) responder->WriteCount(name, count);
}

void CMsgBase::LogProgress(INT value) {
    std::lock_guard guard(m_lock);
    for (auto& responder : m_responders) responder->WriteProgress(value);
}

}  // namespace talven
