// The two ways a sensor slot ends, traced the same way in every slot: an
// early exit carries only the result, a normal exit the unit's trace id and
// the result.
#pragma once

#include "adapter/trace.h"
#include "platform/results.h"
#include "sensor/sensor_context.h"

namespace talven {

inline HRESULT SensorEarlyExit(USHORT message, HRESULT result) {
    TraceInfo(SensorTraceUnit, message, result);
    return result;
}

inline HRESULT SensorExit(const SensorAdapterContext& context, USHORT message, HRESULT result) {
    TraceInfo(SensorTraceUnit, message, context.UnitTraceId, result);
    return result;
}

}  // namespace talven
