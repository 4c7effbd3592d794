// The adapter module loaded the way the biometric service loads it: the
// shared module itself, and its three query exports.
#pragma once

#include <string>

#include "platform/wbf.h"

namespace talven_host {

class AdapterModule {
public:
    // Loads the module; Loaded() tells whether it worked, Error() why not.
    explicit AdapterModule(const std::string& path);
    ~AdapterModule();
    AdapterModule(const AdapterModule&) = delete;
    AdapterModule& operator=(const AdapterModule&) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    const std::string& Error() const { return error_; }

    // Each query's result, with the table it handed out.
    HRESULT QuerySensor(PWINBIO_SENSOR_INTERFACE* table) const;
    HRESULT QueryEngine(PWINBIO_ENGINE_INTERFACE* table) const;
    HRESULT QueryStorage(PWINBIO_STORAGE_INTERFACE* table) const;

private:
    template <typename Table>
    HRESULT Query(const char* name, Table** table) const;

    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace talven_host
