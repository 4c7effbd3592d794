#include "diag/msg_format.h"

#include <cstdio>

namespace talven {

namespace {

// Formats and tells whether the text had to be cut.
size_t FormatBounded(std::span<char> buffer, const char* format, va_list arguments, bool& truncated) {
    truncated = false;
    if (buffer.empty()) return 0;
    int length = std::vsnprintf(buffer.data(), buffer.size(), format, arguments);
    if (length < 0) {
        buffer[0] = '\0';
        return 0;
    }
    if (static_cast<size_t>(length) < buffer.size()) return static_cast<size_t>(length);
    truncated = true;
    return buffer.size() - 1;
}

}  // namespace

size_t FormatTextV(std::span<char> buffer, const char* format, va_list arguments) {
    bool truncated;
    return FormatBounded(buffer, format, arguments, truncated);
}

size_t FormatText(std::span<char> buffer, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    size_t length = FormatTextV(buffer, format, arguments);
    va_end(arguments);
    return length;
}

size_t FormatLine(std::span<char> buffer, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    bool truncated;
    size_t length = FormatBounded(buffer, format, arguments, truncated);
    va_end(arguments);
    if (truncated && length > 0) buffer[length - 1] = '\n';
    return length;
}

}  // namespace talven
