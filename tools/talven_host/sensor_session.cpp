#include "tools/talven_host/sensor_session.h"

#include <thread>

#include "adapter/trace_units.h"
#include "platform/results.h"
#include "tools/talven_host/stand_in_engine.h"
#include "tools/talven_host/trace_printer.h"

namespace talven_host {

namespace {

// The service's parameters: the header and a 32-byte host nonce.
struct ConnectParams {
    WINBIO_SECURE_CONNECTION_PARAMS header;
    BYTE hostNonce[32];
};

ConnectParams MakeParams(USHORT flags) {
    ConnectParams params = {};
    params.header = {sizeof(ConnectParams), 1, flags};
    for (BYTE i = 0; i < sizeof params.hostNonce; ++i) params.hostNonce[i] = static_cast<BYTE>(0xA0 + i);
    return params;
}

// The UnitTraceId as the sensor Attach traced it in its exit message.
std::string TracedUnitTraceId() {
    constexpr USHORT kAttachExit = 14;
    for (const host::TraceRecord& record : host::TraceSession::Records()) {
        if (SameGuid(record.guid, talven::SensorAttachTraceUnit) && record.number == kAttachExit &&
            !record.arguments.empty()) {
            return record.arguments.front().AsText();
        }
    }
    return "(not traced)";
}

}  // namespace

SensorSession::SensorSession(StepReport& report, sim::SimulatedSensor& chip, HANDLE sensorHandle,
                             WINBIO_SENSOR_INTERFACE& sensor, WINBIO_ENGINE_INTERFACE& engine,
                             WINBIO_STORAGE_INTERFACE& storage)
    : report_(report), chip_(chip), sensor_(sensor), moduleEngine_(engine), standIn_(StandInEngine(engine)) {
    pipeline_ = {};
    pipeline_.SensorHandle = sensorHandle;
    pipeline_.EngineHandle = INVALID_HANDLE_VALUE;
    pipeline_.StorageHandle = INVALID_HANDLE_VALUE;
    pipeline_.SensorInterface = &sensor;
    pipeline_.EngineInterface = &engine;
    pipeline_.StorageInterface = &storage;
}

SensorSession::~SensorSession() {
    CloseHandle(pipeline_.SensorHandle);
}

void SensorSession::Run(uint32_t finger) {
    ChooseEngine();
    if (!Attach()) return Detach();
    report_.Step("Activate the unit", sensor_.Activate(&pipeline_));
    CaptureCycle(finger);
    SecureConnection();
    report_.Step("Deactivate the unit", sensor_.Deactivate(&pipeline_));
    Detach();
}

// The sensor asks the engine for its format and pushes the sample to it.
// While the module's engine adapter does not answer yet, a stand-in does.
void SensorSession::ChooseEngine() {
    const HRESULT attached = moduleEngine_.Attach(&pipeline_);
    engineAttached_ = SUCCEEDED(attached);
    WINBIO_REGISTERED_FORMAT format = {};
    WINBIO_UUID vendor = {};
    const HRESULT preferred = engineAttached_ ? moduleEngine_.QueryPreferredFormat(&pipeline_, &format, &vendor)
                                              : attached;
    if (SUCCEEDED(preferred)) {
        report_.Step("Attach the module's engine adapter", attached);
        return;
    }
    report_.Step("Attach the module's engine adapter (not answering yet)", preferred, preferred == E_NOTIMPL);
    report_.Note("the sample goes to a stand-in engine of this tool that accepts every sample");
    pipeline_.EngineInterface = &standIn_;
}

bool SensorSession::Attach() {
    const bool ok = report_.Step("Attach the sensor adapter", sensor_.Attach(&pipeline_));
    report_.Note("UnitTraceId " + TracedUnitTraceId());
    return ok;
}

void SensorSession::CaptureCycle(uint32_t finger) {
    LPOVERLAPPED overlapped = nullptr;
    const HRESULT started = sensor_.StartCapture(&pipeline_, WINBIO_PURPOSE_IDENTIFY, &overlapped);
    if (!report_.Step("Start a capture for identification", started, started == S_OK && overlapped != nullptr)) return;

    // The finger arrives while the service waits on the capture's event.
    std::thread finger_on_sensor([&] { chip_.PresentFinger(finger); });
    const DWORD waited = WaitForSingleObject(overlapped->hEvent, INFINITE);
    finger_on_sensor.join();
    report_.Check("Finger " + std::to_string(finger) + " presented on another thread; the capture event fired",
                  waited == WAIT_OBJECT_0);

    WINBIO_REJECT_DETAIL reject = 0;
    const HRESULT finished = sensor_.FinishCapture(&pipeline_, &reject);
    report_.Step("Finish the capture", finished, finished == S_OK && reject == 0);
    report_.Note("reject detail " + std::to_string(reject));

    const HRESULT pushed = sensor_.PushDataToEngine(&pipeline_, WINBIO_PURPOSE_IDENTIFY, WINBIO_DATA_FLAG_RAW, &reject);
    report_.Step("Push the sample to the engine", pushed);
    if (pipeline_.EngineInterface == &standIn_) {
        report_.Note("the stand-in engine received a sample of " + std::to_string(LastAcceptedSample().size) +
                     " bytes");
    }
}

void SensorSession::DescribeConnectionData(const WINBIO_SECURE_CONNECTION_DATA* data) {
    if (data == nullptr) return;
    report_.Note("connection data: size " + std::to_string(data->Size) + ", model certificate " +
                 std::to_string(data->ModelCertificateSize) + " bytes, CA 1 " +
                 std::to_string(data->IntermediateCA1Size) + " bytes, CA 2 " +
                 std::to_string(data->IntermediateCA2Size) + " bytes");
}

void SensorSession::SecureConnection() {
    const ConnectParams connect = MakeParams(0);
    PWINBIO_SECURE_CONNECTION_DATA data = nullptr;
    const HRESULT connected = sensor_.ConnectSecure(&pipeline_, &connect.header, &data);
    report_.Step("Secure connect", connected, connected == S_OK && data != nullptr);
    DescribeConnectionData(data);

    const ConnectParams reconnect = MakeParams(1);
    data = nullptr;
    const HRESULT reconnected = sensor_.ConnectSecure(&pipeline_, &reconnect.header, &data);
    report_.Step("Secure reconnect", reconnected,
                 reconnected == S_OK && data != nullptr && data->Size == WINBIO_SECURE_CONNECTION_DATA_HEADER_SIZE);
    DescribeConnectionData(data);
}

void SensorSession::Detach() {
    report_.Step("Detach the sensor adapter", sensor_.Detach(&pipeline_));
    if (engineAttached_) report_.Step("Detach the engine adapter", moduleEngine_.Detach(&pipeline_));
}

}  // namespace talven_host
