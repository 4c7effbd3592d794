// String arguments of trace messages: sent with their NUL, and a null
// pointer as the text "NULL" so that the decoder always finds a string.
#include <string>

#include "adapter/trace.h"

namespace talven::trace_detail {

namespace {

constexpr char NullText[] = "NULL";
constexpr WCHAR NullWideText[] = {'N', 'U', 'L', 'L', 0};
static_assert(sizeof NullText == 5 && sizeof NullWideText == 10);

}  // namespace

ArgumentPair TextArgument(const char* text) {
    if (text == nullptr) text = NullText;
    return {const_cast<char*>(text), std::char_traits<char>::length(text) + 1};
}

ArgumentPair WideTextArgument(const WCHAR* text) {
    if (text == nullptr) text = NullWideText;
    return {const_cast<WCHAR*>(text), (std::char_traits<WCHAR>::length(text) + 1) * sizeof(WCHAR)};
}

}  // namespace talven::trace_detail
