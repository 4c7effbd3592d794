// Control side of the host's debugger output: OutputDebugStringA appends
// each string to a capture sink that tests read.
#pragma once

#include <string>
#include <vector>

namespace host {

// Every string sent since the last Clear, in order.
std::vector<std::string> DebugOutput();
void ClearDebugOutput();

}  // namespace host
