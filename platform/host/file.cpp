// Host files behind CreateFileA and WriteFile: each handle owns a descriptor
// of the real file that its Windows path names (see host_file_system.h).
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "handle_table.h"
#include "host_file_system.h"

namespace {

class FileObject : public host::HandleObject {
public:
    explicit FileObject(int descriptor) : m_descriptor(descriptor) {}
    ~FileObject() override { close(m_descriptor); }
    FileObject(const FileObject&) = delete;
    FileObject& operator=(const FileObject&) = delete;

    int Descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
};

// Open flags for a disposition; -1 for an unknown one.
int DispositionFlags(DWORD disposition) {
    switch (disposition) {
        case CREATE_NEW: return O_CREAT | O_EXCL;
        case CREATE_ALWAYS: return O_CREAT | O_TRUNC;
        case OPEN_EXISTING: return 0;
        case OPEN_ALWAYS: return O_CREAT;
        case TRUNCATE_EXISTING: return O_TRUNC;
        default: return -1;
    }
}

int AccessFlags(DWORD access) {
    bool reads = (access & GENERIC_READ) != 0;
    bool writes = (access & GENERIC_WRITE) != 0;
    if (reads && writes) return O_RDWR;
    return writes ? O_WRONLY : O_RDONLY;
}

DWORD Win32ErrorOf(int error) {
    switch (error) {
        case EEXIST: return ERROR_FILE_EXISTS;
        case ENOENT: return ERROR_FILE_NOT_FOUND;
        case ENOTDIR: return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR: return ERROR_ACCESS_DENIED;
        default: return ERROR_GEN_FAILURE;
    }
}

// Windows tells a missing folder from a missing file.
bool FolderExists(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return true;
    return access(slash == 0 ? "/" : path.substr(0, slash).c_str(), F_OK) == 0;
}

}  // namespace

extern "C" {

// Share modes are not enforced: host processes do not compete for files.
HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD, LPSECURITY_ATTRIBUTES, DWORD creationDisposition,
                          DWORD, HANDLE) {
    int disposition = DispositionFlags(creationDisposition);
    if (fileName == nullptr || disposition < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::string path = host::HostPath(fileName);
    int descriptor = open(path.c_str(), AccessFlags(desiredAccess) | disposition | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        int error = errno;
        SetLastError(error == ENOENT && !FolderExists(path) ? ERROR_PATH_NOT_FOUND : Win32ErrorOf(error));
        return INVALID_HANDLE_VALUE;
    }
    return host::InsertHandle(std::make_shared<FileObject>(descriptor));
}

// Synchronous writes only: an OVERLAPPED is refused.
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPOVERLAPPED overlapped) {
    if (bytesWritten != nullptr) *bytesWritten = 0;
    auto object = host::LookupHandleAs<FileObject>(file);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (overlapped != nullptr || (buffer == nullptr && bytesToWrite != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const char* bytes = static_cast<const char*>(buffer);
    DWORD done = 0;
    while (done < bytesToWrite) {
        ssize_t written = write(object->Descriptor(), bytes + done, bytesToWrite - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            if (bytesWritten != nullptr) *bytesWritten = done;
            SetLastError(Win32ErrorOf(errno));
            return FALSE;
        }
        done += static_cast<DWORD>(written);
    }
    if (bytesWritten != nullptr) *bytesWritten = done;
    return TRUE;
}

}  // extern "C"
