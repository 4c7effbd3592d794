#include "adapter/device_channel.h"

#include <new>

#include "adapter/channel_codes.h"
#include "adapter/device_request.h"
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
    *channel = nullptr;
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(DeviceChannel));
    if (memory == nullptr) return CHANNEL_CREATION_FAILED;
    *channel = new (memory) DeviceChannel(pipeline);
    return 0;
}

DWORD DestroyDeviceChannel(DeviceChannel* channel) {
    if (channel == nullptr) return 0;
    channel->~DeviceChannel();
    HeapFree(GetProcessHeap(), 0, channel);
    return 0;
}

}  // namespace talven
