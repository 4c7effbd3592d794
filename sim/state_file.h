// The chip's state as a text file, so a tool can keep a chip between runs.
// One "key values..." line per item, byte strings in hexadecimal; the format
// is described in docs/sim.md. What is in flight (waiting requests, queued
// fingers, the log, scripted faults) is not part of the state.
#pragma once

#include <string>

#include "sim/chip_model.h"

namespace sim {

std::string FormatState(const ChipModel& chip);
// Throws std::runtime_error naming the line it cannot use.
ChipModel ParseState(const std::string& text);

void SaveState(const ChipModel& chip, const std::string& path);
ChipModel LoadState(const std::string& path);

}  // namespace sim
