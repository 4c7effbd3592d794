// The chip's side of the secure-connection handshake: a connect answers with
// a fresh nonce r, the claim (model certificate, pk_d, pk_f, h_f, s_m, s_d)
// and a MAC m, each behind a 16-bit length; a reconnect answers with one
// length-prefixed 32-byte value. The values are not real cryptography: the
// host only relays them.
#include "adapter/byte_order.h"
#include "adapter/secure/connection_layout.h"
#include "sim/chip_handlers.h"

namespace sim {

namespace layout = talven::connection;

namespace {

void AppendItem(Bytes& reply, const Bytes& item) {
    const size_t at = reply.size();
    reply.resize(at + layout::kLengthPrefixSize);
    talven::WriteLe16(reply, at, static_cast<uint16_t>(item.size()));
    reply.insert(reply.end(), item.begin(), item.end());
}

template <typename Array>
void Append(Bytes& bytes, const Array& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
}

}  // namespace

ChipAnswer AnswerConnectSecure(ChipModel& chip, const ChipRequest& request) {
    const Bytes& params = request.input;
    if (!talven::HasRoom(params, 0, layout::kParamsHeaderSize) ||
        talven::ReadLe32(params, layout::kParamsPayloadSizeOffset) != params.size())
        return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);

    if (talven::ReadLe16(params, layout::kParamsFlagsOffset) == layout::kReconnectFlag) {
        if (request.outputSize < layout::kReconnectReplySize) return ChipAnswer::Fail(ERROR_INSUFFICIENT_BUFFER);
        Bytes reply;
        Bytes mac;
        Append(mac, chip.RandomBytes<layout::kMacSize>());
        AppendItem(reply, mac);
        return ChipAnswer::Reply(std::move(reply));
    }

    const Bytes& certificate = chip.config.modelCertificate;
    if (request.outputSize < layout::kConnectReplyFixedSize + certificate.size())
        return ChipAnswer::Fail(ERROR_INSUFFICIENT_BUFFER);
    Bytes nonce, claim, mac;
    Append(nonce, chip.RandomBytes<layout::kNonceSize>());
    Append(claim, certificate);
    Append(claim, chip.secure.pkD);
    Append(claim, chip.secure.pkF);
    Append(claim, chip.secure.hashAndSignatures);
    Append(mac, chip.RandomBytes<layout::kMacSize>());
    Bytes reply;
    AppendItem(reply, nonce);
    AppendItem(reply, claim);
    AppendItem(reply, mac);
    return ChipAnswer::Reply(std::move(reply));
}

}  // namespace sim
