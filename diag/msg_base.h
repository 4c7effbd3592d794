// The message dispatcher: formats each message once and hands it to every
// attached responder in attachment order, under one lock so that responders
// see one call at a time.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "diag/msg_responder.h"

namespace talven {

class CMsgBase {
public:
    // Size of the formatted message, NUL included; longer text is cut.
    static constexpr size_t kMessageBufferSize = 2048;

    CMsgBase() = default;
    virtual ~CMsgBase();
    CMsgBase(const CMsgBase&) = delete;
    CMsgBase& operator=(const CMsgBase&) = delete;

    // Attaching and detaching do not lock: they happen while no thread logs.
    void AddResponder(std::unique_ptr<IResponder> responder);
    // Destroys the responders first to last.
    void RemoveAllResponders();

    void Log(INT level, const CHAR* function, INT line, const CHAR* format, ...) __attribute__((format(printf, 5, 6)));
    void LogCount(const CHAR* name, INT count);
    void LogProgress(INT value);

private:
    std::vector<std::unique_ptr<IResponder>> m_responders;
    std::mutex m_lock;
};

}  // namespace talven
