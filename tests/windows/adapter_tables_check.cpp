// Loads TalvenMocAdapter.dll the way the biometric service does (by name,
// then its three exports) and checks what needs no device: the bytes of each
// table header, that no slot is empty, that the stubs answer E_NOTIMPL and
// that every other slot of a built adapter refuses a null pipeline with
// E_POINTER. The engine and storage adapters are not built yet: their slots
// answer E_NOTIMPL like the stubs until they are.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <set>

#include "tests/windows/check.h"

using wincheck::Check;

namespace {

constexpr uint32_t kENotImpl = 0x80004001;
constexpr uint32_t kEPointer = 0x80004003;

using QueryInterface = HRESULT(WINAPI*)(const void** table);
// Every slot is called with null arguments only. Under the x64 calling
// convention the caller owns the argument registers and the stack, so
// passing more arguments than a slot declares is harmless.
using AnySlot = HRESULT(WINAPI*)(void*, void*, void*, void*, void*, void*, void*, void*);

struct TableCase {
    const char* exportName;
    // Version, type, size and adapter id, as the service reads them.
    uint8_t header[32];
    size_t slotCount;
    std::set<size_t> stubs;
    bool built;
};

const TableCase kTables[] = {
    {"WbioQueryEngineInterface",
     {6, 0, 0, 0, 2, 0, 0, 0, 0x68, 0x01, 0, 0, 0, 0, 0, 0,
      0xC8, 0xFD, 0x76, 0xB8, 0xE7, 0x34, 0x1A, 0x47, 0x82, 0xC8, 0x9C, 0xBA, 0x6A, 0x35, 0x38, 0xEC},
     41,
     {5, 6, 9, 15, 22, 28, 29, 33, 34, 35, 36, 37, 38},
     false},
    {"WbioQuerySensorInterface",
     {6, 0, 0, 0, 1, 0, 0, 0, 0x18, 0x01, 0, 0, 0, 0, 0, 0,
      0x94, 0x26, 0x01, 0xF6, 0xD2, 0xBE, 0x23, 0x42, 0x81, 0xEE, 0xF0, 0x7B, 0x44, 0xF0, 0x69, 0x13},
     31,
     {7, 21, 22, 23, 24, 25, 26, 28, 29, 30},
     true},
    {"WbioQueryStorageInterface",
     {5, 0, 0, 0, 3, 0, 0, 0, 0x10, 0x01, 0, 0, 0, 0, 0, 0,
      0xF2, 0xF1, 0xC3, 0xDE, 0xC0, 0x44, 0x84, 0x4E, 0x95, 0x97, 0x88, 0x80, 0xEC, 0x89, 0x32, 0x77},
     30,
     {26, 27, 28, 29},
     false},
};

void CheckTable(HMODULE module, const TableCase& table) {
    std::printf("%s\n", table.exportName);
    auto query = reinterpret_cast<QueryInterface>(reinterpret_cast<void*>(GetProcAddress(module, table.exportName)));
    Check(query != nullptr, "export present");
    if (query == nullptr) return;

    Check(static_cast<uint32_t>(query(nullptr)) == kEPointer, "null out-parameter gives E_POINTER");
    const void* first = nullptr;
    const void* second = nullptr;
    HRESULT result = query(&first);
    Check(result == S_OK, "query succeeds", static_cast<unsigned long>(result));
    query(&second);
    Check(first != nullptr && first == second, "the same table on every call");
    if (first == nullptr) return;

    const auto* bytes = static_cast<const uint8_t*>(first);
    Check(std::memcmp(bytes, table.header, sizeof table.header) == 0, "header bytes");

    for (size_t slot = 0; slot < table.slotCount; ++slot) {
        AnySlot function;
        std::memcpy(&function, bytes + 32 + 8 * slot, sizeof function);
        if (function == nullptr) {
            std::printf("  slot %zu\n", slot);
            Check(false, "slot filled");
            continue;
        }
        const bool stub = table.stubs.count(slot) != 0;
        const uint32_t expected = stub || !table.built ? kENotImpl : kEPointer;
        auto answer = static_cast<uint32_t>(function(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
        if (answer != expected) std::printf("  slot %zu\n", slot);
        Check(answer == expected,
              stub ? "stub gives E_NOTIMPL"
                   : table.built ? "null pipeline gives E_POINTER" : "slot not built yet gives E_NOTIMPL",
              answer);
    }
}

}  // namespace

int main() {
    HMODULE module = LoadLibraryW(L"TalvenMocAdapter.dll");
    Check(module != nullptr, "TalvenMocAdapter.dll loads", GetLastError());
    if (module == nullptr) return 1;
    for (const TableCase& table : kTables) CheckTable(module, table);
    FreeLibrary(module);
    std::printf(wincheck::Failures() ? "adapter tables: FAILED\n" : "adapter tables: ok\n");
    return wincheck::Failures() ? 1 : 0;
}
