// One unit's pipeline, driven through the module's sensor table as the
// biometric service drives it: attach, one capture cycle with a finger
// presented from another thread, one secure connect and reconnect, detach.
#pragma once

#include <string>

#include "platform/wbf.h"
#include "sim/simulated_sensor.h"
#include "tools/talven_host/step_report.h"

namespace talven_host {

class SensorSession {
public:
    SensorSession(StepReport& report, sim::SimulatedSensor& chip, HANDLE sensorHandle,
                  WINBIO_SENSOR_INTERFACE& sensor, WINBIO_ENGINE_INTERFACE& engine,
                  WINBIO_STORAGE_INTERFACE& storage);
    ~SensorSession();

    void Run(uint32_t finger);

private:
    void ChooseEngine();
    bool Attach();
    void CaptureCycle(uint32_t finger);
    void SecureConnection();
    void DescribeConnectionData(const WINBIO_SECURE_CONNECTION_DATA* data);
    void Detach();

    StepReport& report_;
    sim::SimulatedSensor& chip_;
    WINBIO_SENSOR_INTERFACE& sensor_;
    WINBIO_ENGINE_INTERFACE& moduleEngine_;
    WINBIO_ENGINE_INTERFACE standIn_;
    bool engineAttached_ = false;
    WINBIO_PIPELINE pipeline_;
};

}  // namespace talven_host
