// The process of the service KvoMocUtil in the Wine checks: loads
// OrbyMocUtil.dll from its own folder (its DllMain does the registration)
// and hands its main thread to EntryPoint, which runs the service control
// dispatcher until the service has stopped.
#include <windows.h>

#include <cstdio>

int main() {
    HMODULE module = LoadLibraryW(L"OrbyMocUtil.dll");
    if (module == nullptr) {
        std::printf("OrbyMocUtil.dll does not load: %lu\n", GetLastError());
        return 2;
    }
    auto entry = reinterpret_cast<void(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(module, "EntryPoint")));
    if (entry == nullptr) {
        std::printf("EntryPoint is not exported\n");
        return 3;
    }
    entry();
    return 0;
}
