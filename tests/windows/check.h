// A minimal check harness for the programs that run under Wine: the
// cross build has no test framework, so each failed check prints one line
// and the program's exit code tells the script whether any failed.
#pragma once

#include <cstdio>

namespace wincheck {

inline int& Failures() {
    static int failures = 0;
    return failures;
}

inline void Check(bool ok, const char* what, unsigned long detail = 0) {
    if (!ok) {
        std::printf("FAIL: %s (0x%08lX)\n", what, detail);
        ++Failures();
    }
}

}  // namespace wincheck
