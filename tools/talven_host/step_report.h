// The tool's output: one block per step with its result in plain words,
// followed by the trace messages the step produced.
#pragma once

#include <cstdio>
#include <string>

#include "platform/win32.h"
#include "tools/talven_host/trace_printer.h"

namespace talven_host {

class StepReport {
public:
    explicit StepReport(std::FILE* out) : out_(out), traces_(out) {}

    // Prints the step and its result; counts it as failed unless `expected`.
    bool Step(const std::string& what, HRESULT result, bool expected);
    bool Step(const std::string& what, HRESULT result) { return Step(what, result, result == S_OK); }
    // A step without an HRESULT (loading, waiting).
    bool Check(const std::string& what, bool ok, const std::string& detail = "");
    // An indented line of detail under the current step.
    void Note(const std::string& text);

    int Failures() const { return failures_; }
    int Steps() const { return steps_; }

private:
    void Print(bool ok, const std::string& what, const std::string& detail);

    std::FILE* out_;
    TracePrinter traces_;
    int steps_ = 0;
    int failures_ = 0;
};

}  // namespace talven_host
