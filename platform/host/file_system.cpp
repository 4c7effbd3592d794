// Where Windows paths live on the host: "C:\dir\file" names <root>/C/dir/file.
#include <cstdlib>
#include <mutex>

#include "host_file_system.h"

namespace {

struct Root {
    std::mutex lock;
    std::string path;
    bool set = false;
};

Root& TheRoot() {
    static Root root;
    return root;
}

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

}  // namespace

namespace host {

void SetSystemRoot(const std::string& root) {
    Root& r = TheRoot();
    std::lock_guard guard(r.lock);
    r.path = root;
    r.set = true;
}

std::string SystemRoot() {
    Root& r = TheRoot();
    std::lock_guard guard(r.lock);
    if (r.set) return r.path;
    const char* fromEnvironment = std::getenv("TALVEN_SYSTEM_ROOT");
    return fromEnvironment != nullptr && *fromEnvironment != 0 ? fromEnvironment : ".";
}

std::string HostPath(const std::string& windowsPath) {
    if (!HasDriveLetter(windowsPath)) return windowsPath;
    std::string mapped = SystemRoot() + "/";
    mapped += static_cast<char>(windowsPath[0] & ~0x20);  // drive folders are upper case
    std::string rest = windowsPath.substr(2);
    for (auto& c : rest) {
        if (c == '\\') c = '/';
    }
    if (!rest.empty() && rest.front() != '/') mapped += '/';
    return mapped + rest;
}

}  // namespace host
