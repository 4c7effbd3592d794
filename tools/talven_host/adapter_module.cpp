#include "tools/talven_host/adapter_module.h"

#include <dlfcn.h>

#include "platform/results.h"

namespace talven_host {

AdapterModule::AdapterModule(const std::string& path) {
    // Loading runs the module's process-attach entry, which registers its
    // trace provider.
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) error_ = dlerror();
}

AdapterModule::~AdapterModule() {
    if (handle_ != nullptr) dlclose(handle_);
}

template <typename Table>
HRESULT AdapterModule::Query(const char* name, Table** table) const {
    using QueryFn = HRESULT(WINAPI*)(Table**);
    auto query = reinterpret_cast<QueryFn>(dlsym(handle_, name));
    if (query == nullptr) return E_NOTIMPL;
    return query(table);
}

HRESULT AdapterModule::QuerySensor(PWINBIO_SENSOR_INTERFACE* table) const {
    return Query("WbioQuerySensorInterface", table);
}

HRESULT AdapterModule::QueryEngine(PWINBIO_ENGINE_INTERFACE* table) const {
    return Query("WbioQueryEngineInterface", table);
}

HRESULT AdapterModule::QueryStorage(PWINBIO_STORAGE_INTERFACE* table) const {
    return Query("WbioQueryStorageInterface", table);
}

}  // namespace talven_host
