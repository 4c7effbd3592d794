#include "adapter/secure/secure_channel.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <span>

#include "adapter/byte_order.h"
#include "adapter/channel_codes.h"
#include "adapter/request_codes.h"
#include "adapter/secure/connect_reply.h"
#include "adapter/secure/secure_channel_codes.h"

namespace talven {
namespace {

using namespace connection;

BYTE* AllocateZeroed(size_t size) {
    return static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
}

void Release(BYTE*& buffer) {
    if (buffer != nullptr) HeapFree(GetProcessHeap(), 0, buffer);
    buffer = nullptr;
}

// The largest value of one column over every chain.
DWORD Largest(std::span<const CertificateChain> chains, DWORD CertificateChain::*column) {
    DWORD largest = 0;
    for (const CertificateChain& chain : chains) largest = std::max(largest, chain.*column);
    return largest;
}

}  // namespace

SecureChannel::SecureChannel(WINBIO_PIPELINE* pipeline) : DeviceChannel(pipeline) {}

SecureChannel::~SecureChannel() {
    Release(connectionData_);
    Release(reply_);
    if (chains_ != nullptr) HeapFree(GetProcessHeap(), 0, chains_);
}

DWORD SecureChannel::Initialize(const CertificateChain* chains, DWORD count) {
    if (chains == nullptr || count == 0) return SECURE_CHANNEL_NO_CHAINS;
    chains_ = static_cast<CertificateChain*>(HeapAlloc(GetProcessHeap(), 0, sizeof(CertificateChain) * count));
    if (chains_ == nullptr) return SECURE_CHANNEL_CHAIN_LIST_ALLOC;
    std::copy_n(chains, count, chains_);
    chainCount_ = count;

    const std::span<const CertificateChain> list(chains_, chainCount_);
    const DWORD largestModel = Largest(list, &CertificateChain::ModelCertificateSize);
    replySize_ = largestModel + static_cast<DWORD>(kConnectReplyFixedSize);
    capacity_ = largestModel + Largest(list, &CertificateChain::IntermediateCa1Size) +
                Largest(list, &CertificateChain::IntermediateCa2Size) + static_cast<DWORD>(kConnectionDataFixedSize);

    connectionData_ = AllocateZeroed(capacity_);
    if (connectionData_ == nullptr) return SECURE_CHANNEL_CONNECTION_DATA_ALLOC;
    reply_ = AllocateZeroed(replySize_);
    if (reply_ == nullptr) return SECURE_CHANNEL_REPLY_ALLOC;
    return 0;
}

DWORD SecureChannel::ConnectSecure(const WINBIO_SECURE_CONNECTION_PARAMS* params,
                                   PWINBIO_SECURE_CONNECTION_DATA* connectionData) {
    if (params == nullptr) return SECURE_CHANNEL_NULL_PARAMS;
    // A channel whose creation failed has no buffers to work in.
    if (reply_ == nullptr || connectionData_ == nullptr) return SECURE_CHANNEL_NO_CHAINS;
    std::memset(reply_, 0, replySize_);
    const bool reconnect = params->Flags == kReconnectFlag;
    DWORD returned = 0;
    if (!SendRequest(IOCTL_BIOMETRIC_CONNECT_SECURE, const_cast<WINBIO_SECURE_CONNECTION_PARAMS*>(params),
                     params->PayloadSize, reply_, reconnect ? static_cast<DWORD>(kReconnectReplySize) : replySize_,
                     &returned)) {
        return ChannelFailure(SECURE_CHANNEL_REQUEST_FAILED, GetLastError());
    }
    if (reconnect) {
        WriteReconnectData(*params);
    } else if (const DWORD status = AcceptConnectReply(*params); status != 0) {
        return status;
    }
    *connectionData = reinterpret_cast<PWINBIO_SECURE_CONNECTION_DATA>(connectionData_);
    return 0;
}

static_assert(sizeof(WINBIO_SECURE_CONNECTION_DATA) == kMacOffset);
static_assert(kHeaderSize == WINBIO_SECURE_CONNECTION_DATA_HEADER_SIZE);

DWORD SecureChannel::AcceptConnectReply(const WINBIO_SECURE_CONNECTION_PARAMS& params) {
    ConnectReplyItems items;
    const size_t claimRoom = replySize_ - kConnectReplyFixedSize + kClaimTailSize;
    if (const DWORD status = SplitConnectReply({reply_, replySize_}, claimRoom, items); status != 0) return status;
    std::fill(std::begin(nonce_), std::end(nonce_), 0);
    std::fill(std::begin(mac_), std::end(mac_), 0);
    std::copy(items.nonce.begin(), items.nonce.end(), nonce_);
    std::copy(items.mac.begin(), items.mac.end(), mac_);

    if (items.claim.size() < kClaimTailSize) return SECURE_CHANNEL_UNKNOWN_CERTIFICATE_SIZE;
    const size_t modelSize = items.claim.size() - kClaimTailSize;
    const CertificateChain* const begin = chains_;
    const CertificateChain* const end = begin + chainCount_;
    const CertificateChain* const chain =
        std::find_if(begin, end, [&](const CertificateChain& c) { return c.ModelCertificateSize == modelSize; });
    if (chain == end) return SECURE_CHANNEL_UNKNOWN_CERTIFICATE_SIZE;
    selectedChain_ = static_cast<DWORD>(chain - begin);
    // Only the first chain of that size is considered: a chip presenting a
    // certificate of a known size but other content is not one of ours.
    const std::span<const uint8_t> certificate = items.claim.first(modelSize);
    if (!std::equal(certificate.begin(), certificate.end(), chain->ModelCertificate)) {
        return SECURE_CHANNEL_CERTIFICATE_MISMATCH;
    }

    std::span<const uint8_t> tail = items.claim.subspan(modelSize);
    std::copy_n(tail.begin(), kPublicKeySize, devicePublicKey_);
    std::copy_n(tail.begin() + kPublicKeySize, kPublicKeySize, firmwarePublicKey_);
    std::copy_n(tail.begin() + 2 * kPublicKeySize, kHashAndSignaturesSize, hashAndSignatures_);
    WriteConnectionData(params);
    return 0;
}

void SecureChannel::WriteHeader(const WINBIO_SECURE_CONNECTION_PARAMS& params, DWORD size) {
    const std::span<uint8_t> data(connectionData_, capacity_);
    const CertificateChain& chain = chains_[selectedChain_];
    WriteLe32(data, kSizeOffset, size);
    WriteLe16(data, kVersionOffset, params.Version);
    WriteLe16(data, kFlagsOffset, params.Flags);
    WriteLe32(data, kModelCertificateSizeOffset, chain.ModelCertificateSize);
    WriteLe32(data, kIntermediateCa1SizeOffset, chain.IntermediateCa1Size);
    WriteLe32(data, kIntermediateCa2SizeOffset, chain.IntermediateCa2Size);
}

void SecureChannel::WriteConnectionData(const WINBIO_SECURE_CONNECTION_PARAMS& params) {
    WriteHeader(params, capacity_);
    const CertificateChain& chain = chains_[selectedChain_];
    BYTE* at = std::copy(std::begin(mac_), std::end(mac_), connectionData_ + kMacOffset);
    at = std::copy(std::begin(nonce_), std::end(nonce_), at);
    // The chain's model certificate equals the presented one byte for byte.
    at = std::copy_n(chain.ModelCertificate, chain.ModelCertificateSize, at);
    at = std::copy(std::begin(devicePublicKey_), std::end(devicePublicKey_), at);
    at = std::copy(std::begin(firmwarePublicKey_), std::end(firmwarePublicKey_), at);
    at = std::copy(std::begin(hashAndSignatures_), std::end(hashAndSignatures_), at);
    at = std::copy_n(chain.IntermediateCa1, chain.IntermediateCa1Size, at);
    std::copy_n(chain.IntermediateCa2, chain.IntermediateCa2Size, at);
}

void SecureChannel::WriteReconnectData(const WINBIO_SECURE_CONNECTION_PARAMS& params) {
    WriteHeader(params, static_cast<DWORD>(kHeaderSize));
    std::copy_n(reply_ + kLengthPrefixSize, kMacSize, connectionData_ + kMacOffset);
}

DWORD CreateSecureChannel(WINBIO_PIPELINE* pipeline, const CertificateChain* chains, DWORD count,
                          SecureChannel** channel) {
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(SecureChannel));
    *channel = memory == nullptr ? nullptr : new (memory) SecureChannel(pipeline);
    if (*channel == nullptr) return CHANNEL_CREATION_FAILED;
    return (*channel)->Initialize(chains, count);
}

DWORD DestroySecureChannel(SecureChannel* channel) {
    if (channel != nullptr) {
        channel->~SecureChannel();
        HeapFree(GetProcessHeap(), 0, channel);
    }
    return 0;
}

}  // namespace talven
