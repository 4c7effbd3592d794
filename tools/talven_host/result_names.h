// Names of the results the adapters return, for people reading the output.
#pragma once

#include <string>

#include "platform/win32.h"

namespace talven_host {

// "0x80098008 WINBIO_E_BAD_CAPTURE"; an unnamed value is only the hex.
std::string DescribeResult(HRESULT result);

}  // namespace talven_host
