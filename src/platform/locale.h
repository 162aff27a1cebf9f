#pragma once

namespace pg::platform {

// The user locale's decimal separator.
char DecimalSeparator();

}  // namespace pg::platform
