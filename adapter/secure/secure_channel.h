// The secure-connection channel: relays the service's connect and reconnect
// handshake to the chip and lays the chip's answer, together with the
// certificate chain of the model certificate the chip presented, out as the
// connection data the service checks. No cryptography happens here.
#pragma once

#include <cstdint>

#include "adapter/device_channel.h"
#include "adapter/secure/certificate_chain.h"
#include "adapter/secure/connection_layout.h"
#include "platform/wbf.h"

namespace talven {

class SecureChannel : public DeviceChannel {
public:
    explicit SecureChannel(WINBIO_PIPELINE* pipeline);
    ~SecureChannel();
    SecureChannel(const SecureChannel&) = delete;
    SecureChannel& operator=(const SecureChannel&) = delete;

    // Copies the chain list and allocates the connection data and reply
    // buffers, sized for the largest certificate of each column. Returns 0
    // or a SECURE_CHANNEL_* code; the object stays usable for destruction.
    DWORD Initialize(const CertificateChain* chains, DWORD count);

    // Sends the connect (Flags other than 1) or reconnect (Flags 1) request.
    // On success *connectionData points at the channel's own buffer, valid
    // until the next ConnectSecure or the channel's destruction.
    DWORD ConnectSecure(const WINBIO_SECURE_CONNECTION_PARAMS* params, PWINBIO_SECURE_CONNECTION_DATA* connectionData);

    DWORD ReplySize() const { return replySize_; }
    DWORD Capacity() const { return capacity_; }
    DWORD SelectedChain() const { return selectedChain_; }

private:
    DWORD AcceptConnectReply(const WINBIO_SECURE_CONNECTION_PARAMS& params);
    void WriteConnectionData(const WINBIO_SECURE_CONNECTION_PARAMS& params);
    void WriteReconnectData(const WINBIO_SECURE_CONNECTION_PARAMS& params);
    void WriteHeader(const WINBIO_SECURE_CONNECTION_PARAMS& params, DWORD size);

    BYTE* connectionData_ = nullptr;
    DWORD capacity_ = 0;
    BYTE* reply_ = nullptr;
    DWORD replySize_ = 0;
    BYTE nonce_[connection::kNonceSize] = {};
    BYTE mac_[connection::kMacSize] = {};
    BYTE devicePublicKey_[connection::kPublicKeySize] = {};
    BYTE firmwarePublicKey_[connection::kPublicKeySize] = {};
    BYTE hashAndSignatures_[connection::kHashAndSignaturesSize] = {};
    CertificateChain* chains_ = nullptr;
    DWORD chainCount_ = 0;
    DWORD selectedChain_ = 0;
};

// Allocates a channel from the process heap and initialises it. *channel is
// null only when the object itself could not be allocated (result 122);
// otherwise the caller owns it, whatever the result.
DWORD CreateSecureChannel(WINBIO_PIPELINE* pipeline, const CertificateChain* chains, DWORD count,
                          SecureChannel** channel);
// Frees the channel and everything it allocated; returns 0.
DWORD DestroySecureChannel(SecureChannel* channel);

}  // namespace talven
