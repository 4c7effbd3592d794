// Control side of the host's file system: Windows paths name files below a
// root folder ("C:\Windows\x.log" -> "<root>/C/Windows/x.log"). The root is
// TALVEN_SYSTEM_ROOT, or the current folder when that is unset, until a test
// sets another. Paths without a drive letter are used as they are.
#pragma once

#include <string>

namespace host {

void SetSystemRoot(const std::string& root);
std::string SystemRoot();
// The host path that a Windows path names.
std::string HostPath(const std::string& windowsPath);

}  // namespace host
