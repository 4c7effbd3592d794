#include "diag/msg_responder.h"

namespace talven {

void IResponder::Write(INT, const CHAR*, INT, const CHAR*) {}

void IResponder::WriteCount(const CHAR*, INT) {}

void IResponder::WriteProgress(INT) {}

}  // namespace talven
