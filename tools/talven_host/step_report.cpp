#include "tools/talven_host/step_report.h"

#include "tools/talven_host/result_names.h"

namespace talven_host {

void StepReport::Print(bool ok, const std::string& what, const std::string& detail) {
    ++steps_;
    if (!ok) ++failures_;
    std::fprintf(out_, "%s %s%s%s\n", ok ? "[ ok ]" : "[FAIL]", what.c_str(), detail.empty() ? "" : ": ",
                 detail.c_str());
    // The messages the adapters traced while the step ran.
    traces_.PrintNew();
}

bool StepReport::Step(const std::string& what, HRESULT result, bool expected) {
    Print(expected, what, DescribeResult(result));
    return expected;
}

bool StepReport::Check(const std::string& what, bool ok, const std::string& detail) {
    Print(ok, what, detail);
    return ok;
}

void StepReport::Note(const std::string& text) {
    std::fprintf(out_, "       %s\n", text.c_str());
}

}  // namespace talven_host
