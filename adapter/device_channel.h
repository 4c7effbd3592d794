// DeviceChannel: the channel object through which the slot-table requests
// go to a pipeline's sensor handle. The engine and secure-connection
// channels build on it.
#pragma once

#include "platform/wbf.h"

namespace talven {

class DeviceChannel {
public:
    explicit DeviceChannel(WINBIO_PIPELINE* pipeline) : pipeline_(pipeline) {}

    // GET_TEMPLATE_TABLE into the caller's buffer. 0 or
    // DEVICE_CHANNEL_TEMPLATE_TABLE_FAILED | Win32 error.
    DWORD GetTemplateTable(BYTE* buffer, DWORD size);
    // DELETE_TEMPLATE of one slot, or of every slot with AllSlots. 0 or
    // DEVICE_CHANNEL_DELETE_TEMPLATE_FAILED | Win32 error.
    DWORD DeleteTemplate(BYTE slot);

    WINBIO_PIPELINE* Pipeline() const { return pipeline_; }

protected:
    // A synchronous request on the pipeline's sensor handle; FALSE with the
    // cause in the last error.
    bool SendRequest(DWORD code, LPVOID input, DWORD inputSize, LPVOID output, DWORD outputSize,
                     LPDWORD bytesReturned);

private:
    WINBIO_PIPELINE* pipeline_;
};

// Allocates the channel from the process heap. 0, or
// CHANNEL_CREATION_FAILED with *channel null.
DWORD CreateDeviceChannel(WINBIO_PIPELINE* pipeline, DeviceChannel** channel);
// Frees the channel; returns 0. A null channel is accepted.
DWORD DestroyDeviceChannel(DeviceChannel* channel);

}  // namespace talven
