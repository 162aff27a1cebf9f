#include "platform/locale.h"
#include "platform/soft/soft_state.h"

namespace pg::platform {

char DecimalSeparator() { return soft::State().decimalSeparator; }

char ThousandSeparator() { return soft::State().thousandSeparator; }

}  // namespace pg::platform
