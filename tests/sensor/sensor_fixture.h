// A pipeline with the sensor table of the module, a device of the test's
// choice behind SensorHandle and a recording engine table.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "adapter/adapter_tables.h"
#include "adapter/trace_provider.h"
#include "platform/host/host_device.h"
#include "platform/host/host_trace.h"
#include "platform/results.h"

namespace sensor_test {

// What the engine saw of the sensor.
struct EngineRecord {
    WINBIO_REGISTERED_FORMAT preferred = {WINBIO_ANSI_381_FORMAT_OWNER, WINBIO_ANSI_381_FORMAT_TYPE};
    WINBIO_UUID vendor = {0x11223344, 0x5566, 0x7788, {1, 2, 3, 4, 5, 6, 7, 8}};
    int formatQueries = 0;
    SIZE_T sampleSize = 0;
    WINBIO_BIR_PURPOSE purpose = 0;
};
inline EngineRecord engineRecord;

inline HRESULT WINAPI RecordingPreferredFormat(PWINBIO_PIPELINE, PWINBIO_REGISTERED_FORMAT format, PWINBIO_UUID vendor) {
    ++engineRecord.formatQueries;
    *format = engineRecord.preferred;
    *vendor = engineRecord.vendor;
    return S_OK;
}

inline HRESULT WINAPI RecordingAcceptSample(PWINBIO_PIPELINE, PWINBIO_BIR, SIZE_T size, WINBIO_BIR_PURPOSE purpose,
                                            PWINBIO_REJECT_DETAIL) {
    engineRecord.sampleSize = size;
    engineRecord.purpose = purpose;
    return S_OK;
}

class SensorFixture : public ::testing::Test {
protected:
    void Open(std::shared_ptr<host::Device> device) {
        talven::RegisterTraceProvider();
        engineRecord = {};
        engine_.QueryPreferredFormat = RecordingPreferredFormat;
        engine_.AcceptSampleData = RecordingAcceptSample;
        pipeline_.SensorHandle = host::OpenDevice(std::move(device));
        pipeline_.EngineHandle = INVALID_HANDLE_VALUE;
        pipeline_.StorageHandle = INVALID_HANDLE_VALUE;
        pipeline_.SensorInterface = &sensor_;
        pipeline_.EngineInterface = &engine_;
    }
    void TearDown() override {
        if (pipeline_.SensorContext != nullptr) sensor_.Detach(&pipeline_);
        if (pipeline_.SensorHandle != nullptr) CloseHandle(pipeline_.SensorHandle);
        host::TraceSession::Disable();
        host::TraceSession::Clear();
        talven::UnregisterTraceProvider();
    }

    WINBIO_SENSOR_INTERFACE& sensor_ = talven::SensorInterfaceTable;
    WINBIO_ENGINE_INTERFACE engine_ = {};
    WINBIO_PIPELINE pipeline_ = {};
};

}  // namespace sensor_test
