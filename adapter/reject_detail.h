// The chip reports a skewed finger with its own code 12; the framework's
// value for it is WINBIO_FP_TOO_SKEWED. Every other code is the framework's.
#pragma once

#include "platform/wbf.h"

namespace talven {

constexpr BYTE ChipRejectTooSkewed = 12;

constexpr WINBIO_REJECT_DETAIL FrameworkRejectDetail(BYTE chipDetail) {
    return chipDetail == ChipRejectTooSkewed ? WINBIO_FP_TOO_SKEWED : chipDetail;
}

}  // namespace talven
