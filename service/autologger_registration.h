// Registers the boot-time trace session on systems older than build 22000,
// which cannot start it any other way. Runs when the module loads.
#pragma once

namespace talven {

void RegisterAutologger();

}  // namespace talven
