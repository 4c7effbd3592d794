// Bounded printf-style formatting for the message log. Every buffer of the
// log is fixed in size; text that does not fit is cut at the buffer's end
// rather than failing, so a long message is still logged.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <span>

namespace talven {

// Formats into `buffer`, truncated to fit and always NUL-terminated.
// Returns the length of the text, without the NUL.
size_t FormatTextV(std::span<char> buffer, const char* format, va_list arguments);
size_t FormatText(std::span<char> buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));

// As FormatText for text that ends with a line feed: a truncated line
// keeps its line feed as its last character, so the next line of a log
// still starts on a line of its own.
size_t FormatLine(std::span<char> buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace talven
