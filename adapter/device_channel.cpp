#include "adapter/device_channel.h"

#include "adapter/channel_codes.h"
#include "adapter/device_request.h"
#include "adapter/heap_object.h"
#include "adapter/request_codes.h"

namespace talven {

bool DeviceChannel::SendRequest(DWORD code, LPVOID input, DWORD inputSize, LPVOID output, DWORD outputSize,
                                LPDWORD bytesReturned) {
    return SendSyncRequest(pipeline_->SensorHandle, code, input, inputSize, output, outputSize, bytesReturned) != FALSE;
}

DWORD DeviceChannel::GetTemplateTable(BYTE* buffer, DWORD size) {
    if (!SendRequest(IOCTL_VENDOR_GET_TEMPLATE_TABLE, nullptr, 0, buffer, size, nullptr)) {
        return ChannelFailure(DEVICE_CHANNEL_TEMPLATE_TABLE_FAILED, GetLastError());
    }
    return 0;
}

DWORD DeviceChannel::DeleteTemplate(BYTE slot) {
    if (!SendRequest(IOCTL_VENDOR_DELETE_TEMPLATE, &slot, sizeof slot, nullptr, 0, nullptr)) {
        return ChannelFailure(DEVICE_CHANNEL_DELETE_TEMPLATE_FAILED, GetLastError());
    }
    return 0;
}

DWORD CreateDeviceChannel(WINBIO_PIPELINE* pipeline, DeviceChannel** channel) {
    *channel = HeapNew<DeviceChannel>(pipeline);
    return *channel == nullptr ? CHANNEL_CREATION_FAILED : 0;
}

DWORD DestroyDeviceChannel(DeviceChannel* channel) {
    HeapDelete(channel);
    return 0;
}

}  // namespace talven
