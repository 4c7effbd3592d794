// The trace API for adapter code.
//
//   TraceInfo(SensorTraceUnit, 43, context->UnitTraceId, result);
//   TraceError(SensorTraceUnit, 27, context->UnitTraceId, GetLastError());
//
// Each call checks the trace gate (registered, flag bit 0, level) and, when
// it is open, sends one TraceMessage with the unit's GUID and the message
// number. The arguments must form one of the shapes the decoder's format
// files know (see TraceShapes below); any other combination does not
// compile. Integers travel as 32-bit values (wider types must be narrowed by
// the caller), floating-point values as 64-bit reals, `const char*` as an
// 8-bit string and `const WCHAR*` as a UTF-16 string, each with its NUL; a
// null string is sent as "NULL".
#pragma once

#include <concepts>
#include <tuple>
#include <type_traits>

#include "adapter/trace_provider.h"
#include "adapter/trace_units.h"
#include "platform/win32.h"

namespace talven {

// SEQUENCE | GUID | TIMESTAMP | SYSTEMINFO on every message.
constexpr ULONG TraceMessageFlags =
    TRACE_MESSAGE_SEQUENCE | TRACE_MESSAGE_GUID | TRACE_MESSAGE_TIMESTAMP | TRACE_MESSAGE_SYSTEMINFO;
static_assert(TraceMessageFlags == 43);

namespace trace_detail {

// One (pointer, length) pair of the TraceMessage argument list.
using ArgumentPair = std::tuple<PVOID, SIZE_T>;

ArgumentPair TextArgument(const char* text);
ArgumentPair WideTextArgument(const WCHAR* text);

inline ArgumentPair Argument(const char* const& text) {
    return TextArgument(text);
}
inline ArgumentPair Argument(const WCHAR* const& text) {
    return WideTextArgument(text);
}
inline ArgumentPair Argument(const ULONG& number) {
    return {const_cast<ULONG*>(&number), sizeof number};
}
inline ArgumentPair Argument(const double& real) {
    return {const_cast<double*>(&real), sizeof real};
}

// Every adapter argument becomes one of the four wire types.
inline const char* WireValue(const char* text) {
    return text;
}
inline const WCHAR* WireValue(const WCHAR* text) {
    return text;
}
template <std::integral T>
ULONG WireValue(T number) {
    static_assert(sizeof(T) <= sizeof(ULONG), "trace numbers are 32-bit: narrow the value explicitly");
    return static_cast<ULONG>(number);
}
template <std::floating_point T>
double WireValue(T real) {
    return static_cast<double>(real);
}

template <typename... Wire>
struct Shape {};

using Text = const char*;
using WideText = const WCHAR*;
using Number = ULONG;
using Real = double;

// The argument shapes of the module's messages.
using TraceShapes = std::tuple<Shape<>, Shape<Number>, Shape<Text>, Shape<Text, Number>, Shape<Text, Number, Number>,
                               Shape<Text, Number, Number, Number>,
                               Shape<Text, Number, Number, Number, Number, Number>, Shape<Text, Real, Real>,
                               Shape<Text, WideText>, Shape<Text, Text>>;

template <typename Candidate, typename Shapes>
struct IsKnownShape;
template <typename Candidate, typename... Known>
struct IsKnownShape<Candidate, std::tuple<Known...>> : std::bool_constant<(std::is_same_v<Candidate, Known> || ...)> {};

}  // namespace trace_detail

// Sends one message without checking the gate: the trace function behind
// every shape. `values` are already in their wire types.
template <typename... Wire>
void EmitTrace(TRACEHANDLE logger, USHORT number, const GUID& unit, const Wire&... values) {
    static_assert(trace_detail::IsKnownShape<trace_detail::Shape<Wire...>, trace_detail::TraceShapes>::value,
                  "not an argument shape of the module's trace messages");
    std::apply(
        [&](auto... pairs) {
            TraceMessage(logger, TraceMessageFlags, &unit, number, pairs..., static_cast<PVOID>(nullptr));
        },
        std::tuple_cat(trace_detail::Argument(values)...));
}

template <typename... Args>
void TraceAt(UCHAR level, const GUID& unit, USHORT number, const Args&... args) {
    if (!TraceGateOpen(level)) return;
    EmitTrace(TraceLogger(), number, unit, trace_detail::WireValue(args)...);
}

// Entry, exit and progress messages.
template <typename... Args>
void TraceInfo(const GUID& unit, USHORT number, const Args&... args) {
    TraceAt(TRACE_LEVEL_INFORMATION, unit, number, args...);
}

// Failures of system calls.
template <typename... Args>
void TraceError(const GUID& unit, USHORT number, const Args&... args) {
    TraceAt(TRACE_LEVEL_ERROR, unit, number, args...);
}

}  // namespace talven
