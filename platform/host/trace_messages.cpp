// TraceMessage and the record of every call, with the readers tests use on
// the recorded arguments.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <stdexcept>

#include "platform/host/host_trace.h"
#include "platform/host/trace_session_state.h"

namespace host {
namespace {

// The trace system's limit for one message's data. A larger argument is a
// caller bug, most likely a length passed as int where SIZE_T is expected.
constexpr size_t kMaxMessageData = 64 * 1024;

struct MessageLog {
    std::mutex mutex;
    std::vector<TraceRecord> records;
};

MessageLog& Log() {
    static MessageLog* log = new MessageLog;  // outlives every static destructor
    return *log;
}

template <typename T>
T Scalar(const std::vector<BYTE>& bytes, const char* what) {
    if (bytes.size() != sizeof(T)) {
        throw std::length_error(std::string("trace argument of ") + std::to_string(bytes.size()) +
                                " bytes read as " + what);
    }
    T value;
    std::memcpy(&value, bytes.data(), sizeof(T));
    return value;
}

}  // namespace

uint32_t TraceArgument::AsUInt32() const {
    return Scalar<uint32_t>(bytes, "a 32-bit number");
}

int64_t TraceArgument::AsInt64() const {
    return Scalar<int64_t>(bytes, "a 64-bit number");
}

double TraceArgument::AsDouble() const {
    return Scalar<double>(bytes, "a real");
}

std::string TraceArgument::AsText() const {
    std::string text(bytes.begin(), bytes.end());
    if (!text.empty() && text.back() == '\0') {
        text.pop_back();
    }
    return text;
}

std::u16string TraceArgument::AsWideText() const {
    if (bytes.size() % 2 != 0) {
        throw std::length_error("wide trace argument of odd length " + std::to_string(bytes.size()));
    }
    std::u16string text(bytes.size() / 2, u'\0');
    std::memcpy(text.data(), bytes.data(), bytes.size());
    if (!text.empty() && text.back() == u'\0') {
        text.pop_back();
    }
    return text;
}

std::vector<TraceRecord> TraceSession::Records() {
    std::lock_guard lock(Log().mutex);
    return Log().records;
}

size_t TraceSession::CallCount() {
    std::lock_guard lock(Log().mutex);
    return Log().records.size();
}

void TraceSession::Clear() {
    std::lock_guard lock(Log().mutex);
    Log().records.clear();
}

}  // namespace host

// Every call is recorded, also one with a logger that is not enabled (which
// fails, as it would on Windows), so that tests can see a trace gate letting
// a message through that it should have held back.
extern "C" ULONG TraceMessage(TRACEHANDLE logger, ULONG messageFlags, LPCGUID messageGuid, USHORT messageNumber,
                              ...) {
    host::TraceRecord record;
    record.logger = logger;
    record.flags = messageFlags;
    record.guid = messageGuid != nullptr ? *messageGuid : GUID{};
    record.number = messageNumber;

    va_list arguments;
    va_start(arguments, messageNumber);
    size_t total = 0;
    while (const void* data = va_arg(arguments, const void*)) {
        const size_t length = va_arg(arguments, SIZE_T);
        total += length;
        if (length > host::kMaxMessageData || total > host::kMaxMessageData) {
            std::fprintf(stderr, "TraceMessage %u: argument of %zu bytes (a length not passed as SIZE_T?)\n",
                         messageNumber, length);
            std::abort();
        }
        const auto* bytes = static_cast<const BYTE*>(data);
        record.arguments.push_back(host::TraceArgument{std::vector<BYTE>(bytes, bytes + length)});
    }
    va_end(arguments);

    {
        std::lock_guard lock(host::Log().mutex);
        host::Log().records.push_back(std::move(record));
    }
    if (messageGuid == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    return host::IsActiveLogger(logger) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
