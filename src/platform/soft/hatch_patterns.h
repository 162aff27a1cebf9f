#pragma once
// The six hatches as 8 x 8 bit patterns aligned to the surface origin, as GDI lays
// them: bit x of row y marks a line pixel where x and y are taken modulo 8.
#include <cstdint>

#include "platform/graphics.h"

namespace pg::platform::soft {

// Null for the solid and clear styles.
const std::uint8_t* HatchRows(BrushStyle style);

}  // namespace pg::platform::soft
