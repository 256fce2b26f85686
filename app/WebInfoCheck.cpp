#include "WebInfoCheck.h"

namespace kadenzo {

void RunWebInfoCheck(CKadenzoApp&) {}

}  // namespace kadenzo
