// Control side of the host's clock and process/thread ids, so that tests can
// pin the time stamps and ids that log lines carry.
#pragma once

#include "win32_process.h"
#include "win32_types.h"

namespace host {

// GetLocalTime reports this time from now on, until UseSystemTime.
void FixLocalTime(const SYSTEMTIME& time);
void UseSystemTime();

// GetCurrentProcessId and GetCurrentThreadId report these ids from now on,
// on every thread, until UseRealIds.
void FixIds(DWORD processId, DWORD threadId);
void UseRealIds();

}  // namespace host
