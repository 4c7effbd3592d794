// The kernel event behind a handle from CreateEventW. Device requests hold
// the object itself, so a completion still signals it after its handle is
// closed, as the kernel's reference to the event would.
#pragma once

#include <condition_variable>
#include <mutex>

#include "platform/host/handle_table.h"

namespace host {

class EventObject : public HandleObject {
public:
    EventObject(bool manualReset, bool signaled) : manualReset_(manualReset), signaled_(signaled) {}

    void Set();
    void Reset();
    // WAIT_OBJECT_0 or WAIT_TIMEOUT; an auto-reset event is reset by the
    // wait that it releases.
    DWORD Wait(DWORD milliseconds) override;

private:
    const bool manualReset_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool signaled_;
};

}  // namespace host
