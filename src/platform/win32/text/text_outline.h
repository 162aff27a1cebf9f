#pragma once
// Folder rule — win32/text: the Windows build's text beyond what a device context does
// itself; may include win32/, windows.h and the platform interface.
// Text in glyphs too large for GDI to render whole at a bearable cost: Wine
// renders every glyph complete before clipping it, so mark text of 10 000-pixel
// glyphs took seconds a paint. Filled from the glyphs' outlines instead, its
// cost follows the part that shows.
#include <windows.h>

#include <string_view>

namespace pg::platform::win32 {

// Glyph cells taller than this are drawn from their outlines; smaller text is
// rendered by TextOut as it always was.
constexpr int kOutlineTextHeight = 256;

// What TextOut would draw with the DC's font, alignment, text colour and
// background mode, from the glyph outlines.
void FillTextOutline(HDC dc, int x, int y, std::string_view text);

}  // namespace pg::platform::win32
