#pragma once
// The editors' pictures and button glyphs, drawn at run time so that the
// module carries no image files.
#include <memory>

#include "dialogs/editor_table.h"
#include "platform/bitmap.h"

namespace pg::dialogs {

using Picture = std::shared_ptr<const platform::Bitmap>;

Picture RowPanelPicture(bool listRow);  // 352 x 54
Picture DescriptionPanelPicture();      // 385 x 79
Picture LogoPicture();                  // 25 x 25
Picture GlyphPicture(ButtonKind kind);  // 18 x 18

}  // namespace pg::dialogs
