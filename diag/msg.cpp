#include "diag/msg.h"

namespace talven {

CMsg& CMsg::Instance() {
    static CMsg instance;
    return instance;
}

}  // namespace talven
