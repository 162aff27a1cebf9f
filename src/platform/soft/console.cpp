#include "platform/console.h"

namespace pg::platform {

void UseBinaryStdio() {}

}  // namespace pg::platform
