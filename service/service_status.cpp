#include "service/service_status.h"

namespace talven {

SERVICE_STATUS ServiceStatusRecord = {};
SERVICE_STATUS_HANDLE ServiceStatusHandle = nullptr;

}  // namespace talven
