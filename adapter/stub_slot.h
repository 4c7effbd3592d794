// The slots the module does not implement: each traces its one information
// message and answers E_NOTIMPL, leaving its arguments alone.
//
//   .GetIndicatorStatus = StubSlot<SensorTraceUnit, 38>::Slot,
//
// The slot's signature is taken from the table field it is assigned to.
#pragma once

#include "adapter/trace.h"
#include "platform/results.h"

namespace talven {

template <const GUID& Unit, USHORT Number>
struct StubSlot {
    template <typename... Arguments>
    static HRESULT WINAPI Slot(Arguments...) {
        TraceInfo(Unit, Number);
        return E_NOTIMPL;
    }
};

}  // namespace talven
