#include "platform/locale.h"
#include "platform/soft/soft_state.h"

namespace pg::platform {

char DecimalSeparator() { return soft::State().decimalSeparator; }

}  // namespace pg::platform
