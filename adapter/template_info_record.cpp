#include "adapter/template_info_record.h"

namespace talven {

TemplateInfo ReadTemplateInfoReply(std::span<const uint8_t, TemplateInfoReplySize> reply) {
    return TemplateInfo{reply[0], reply[1], reply[2] != 0, reply[3] != 0};
}

}  // namespace talven
