#pragma once
// The six hatches as 8 x 8 bit patterns aligned to the surface origin, as GDI lays
// them: bit x of row y marks a line pixel where x and y are taken modulo 8.
#include <cstdint>

#include "platform/graphics.h"

namespace pg::platform {

// Null for the solid and clear styles.
const std::uint8_t* HatchRows(BrushStyle style);

// The style of a hatch as files number them (HS_HORIZONTAL 0 ... HS_DIAGCROSS
// 5); solid for any other number.
BrushStyle HatchStyle(std::uint32_t number);

}  // namespace pg::platform
