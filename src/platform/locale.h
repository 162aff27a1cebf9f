#pragma once

namespace pg::platform {

// The user locale's decimal separator.
char DecimalSeparator();

// The user locale's thousands separator; '\0' when the locale groups digits
// without one.
char ThousandSeparator();

}  // namespace pg::platform
