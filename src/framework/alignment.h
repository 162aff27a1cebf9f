#pragma once
// Horizontal alignment of titles and feet.

namespace pg {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

}  // namespace pg
