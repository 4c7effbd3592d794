// The host's local time and process/thread ids, which tests may pin.
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <mutex>
#include <optional>

#include "host_process.h"

namespace {

struct Pins {
    std::mutex lock;
    std::optional<SYSTEMTIME> time;
    std::optional<std::pair<DWORD, DWORD>> ids;
};

Pins& ThePins() {
    static Pins pins;
    return pins;
}

SYSTEMTIME SystemLocalTime() {
    auto now = std::chrono::system_clock::now();
    std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(local.tm_year + 1900);
    time.wMonth = static_cast<WORD>(local.tm_mon + 1);
    time.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    time.wDay = static_cast<WORD>(local.tm_mday);
    time.wHour = static_cast<WORD>(local.tm_hour);
    time.wMinute = static_cast<WORD>(local.tm_min);
    time.wSecond = static_cast<WORD>(local.tm_sec);
    time.wMilliseconds = static_cast<WORD>(millis);
    return time;
}

}  // namespace

extern "C" {

void WINAPI GetLocalTime(LPSYSTEMTIME systemTime) {
    Pins& pins = ThePins();
    std::lock_guard guard(pins.lock);
    *systemTime = pins.time ? *pins.time : SystemLocalTime();
}

DWORD WINAPI GetCurrentProcessId(void) {
    Pins& pins = ThePins();
    std::lock_guard guard(pins.lock);
    return pins.ids ? pins.ids->first : static_cast<DWORD>(getpid());
}

DWORD WINAPI GetCurrentThreadId(void) {
    Pins& pins = ThePins();
    std::lock_guard guard(pins.lock);
    return pins.ids ? pins.ids->second : static_cast<DWORD>(syscall(SYS_gettid));
}

}  // extern "C"

namespace host {

void FixLocalTime(const SYSTEMTIME& time) {
    Pins& pins = ThePins();
    std::lock_guard guard(pins.lock);
    pins.time = time;
}

void UseSystemTime() {
    Pins& pins = ThePins();
    std::lock_guard guard(pins.lock);
    pins.time.reset();
}

void FixIds(DWORD processId, DWORD threadId) {
    Pins& pins = ThePins();
    std::lock_guard guard(pins.lock);
    pins.ids = std::make_pair(processId, threadId);
}

void UseRealIds() {
    Pins& pins = ThePins();
    std::lock_guard guard(pins.lock);
    pins.ids.reset();
}

}  // namespace host
