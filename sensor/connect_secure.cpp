// ConnectSecure: the secure-connection handshake through the unit's
// channel, and which sensor model it revealed, for the trace.
#include <algorithm>

#include "adapter/certificates/certificate_chains.h"
#include "adapter/secure/connection_layout.h"
#include "sensor/sensor_messages.h"
#include "sensor/sensor_slots.h"
#include "sensor/sensor_trace.h"

namespace talven::sensor {

namespace {

using namespace sensor_message;

struct KnownModel {
    const BYTE* certificate;
    DWORD size;
    USHORT message;
};

constexpr KnownModel kKnownModels[] = {
    {ModelCertificate3, ModelCertificate3Size, ConnectSecureModel846},
    {ModelCertificate1, ModelCertificate1Size, ConnectSecureModel807},
    {ModelCertificate2, ModelCertificate2Size, ConnectSecureModel808},
};

void TraceSensorModel(const SensorAdapterContext& context, const WINBIO_SECURE_CONNECTION_DATA* data) {
    const DWORD size = data->ModelCertificateSize;
    const auto* presented = reinterpret_cast<const BYTE*>(data) + connection::kModelCertificateOffset;
    for (const KnownModel& model : kKnownModels) {
        if (model.size != size) continue;
        if (std::equal(presented, presented + size, model.certificate)) {
            TraceInfo(SensorTraceUnit, model.message, context.UnitTraceId);
        }
        return;
    }
    TraceInfo(SensorTraceUnit, ConnectSecureUnknownModel, context.UnitTraceId, size);
}

}  // namespace

HRESULT WINAPI ConnectSecure(PWINBIO_PIPELINE Pipeline, const WINBIO_SECURE_CONNECTION_PARAMS* ConnectionParams,
                             PWINBIO_SECURE_CONNECTION_DATA* ConnectionData) {
    if (Pipeline == nullptr || ConnectionParams == nullptr || ConnectionData == nullptr) {
        return SensorEarlyExit(ConnectSecureEarlyExit, E_POINTER);
    }
    const SensorAdapterContext* context = SensorContextOf(Pipeline);
    // A context whose Attach could not make the channel cannot connect.
    if (context == nullptr || context->Channel == nullptr) {
        return SensorEarlyExit(ConnectSecureEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    }
    TraceInfo(SensorTraceUnit, ConnectSecureParams, context->UnitTraceId, ConnectionParams->PayloadSize,
              ConnectionParams->Flags, ConnectionParams->Version);

    const DWORD status = context->Channel->ConnectSecure(ConnectionParams, ConnectionData);
    if (status != 0) {
        TraceInfo(SensorTraceUnit, ConnectSecureFailed, context->UnitTraceId, status);
        return SensorExit(*context, ConnectSecureExit, static_cast<HRESULT>(status));
    }
    TraceSensorModel(*context, *ConnectionData);
    return SensorExit(*context, ConnectSecureExit, S_OK);
}

}  // namespace talven::sensor
