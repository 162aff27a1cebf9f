// Metafiles recorded by GDI itself, for the picture corpus: each theme is drawn
// once into an enhanced metafile (CreateEnhMetaFile) and once into a Windows
// metafile (CreateMetaFile), so the records are the ones GDI writes, not ours.
//   record_metafiles            writes the files into the current folder
// The drawing is 400 x 300 units. Windows metafiles set their window extent
// (as GDI's own callers do); the "placeable" copies also carry the 22-byte
// header that applications put in front. A few enhanced recordings are also
// converted by GDI to Windows metafiles that carry them (gdi_*_embedded.wmf).
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 400, kHeight = 300;

struct Target {
  HDC dc;
  bool enhanced;
};

// Objects are deleted after they are put back out of the device context.
void Select(HDC dc, HGDIOBJ object) { ::DeleteObject(::SelectObject(dc, object)); }

HFONT MakeFont(const wchar_t* face, int height, int weight, bool italic, bool underline, bool strike, BYTE charset,
               int escapement = 0) {
  return ::CreateFontW(height, 0, escapement, escapement, weight, italic, underline, strike, charset,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, face);
}

// Every cosmetic pen style at three widths, then geometric pens with each end
// cap and join on a bent line, and user-defined dashes where GDI records them.
void DrawPens(const Target& t) {
  const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 128, 0), RGB(0, 0, 200), RGB(160, 0, 160), RGB(0, 128, 128),
                              RGB(0, 0, 0), RGB(200, 120, 0)};
  ::SetBkColor(t.dc, RGB(255, 255, 160));
  for (int s = 0; s < 7; ++s)
    for (int w = 0; w < 3; ++w) {
      const int width = w == 0 ? 1 : w == 1 ? 2 : 5;
      ::SetBkMode(t.dc, w == 1 ? OPAQUE : TRANSPARENT);
      const HPEN pen = ::CreatePen(styles[s], width, colours[s]);
      const HGDIOBJ old = ::SelectObject(t.dc, pen);
      const int y = 12 + s * 18, x = 10 + w * 130;
      ::MoveToEx(t.dc, x, y, nullptr);
      ::LineTo(t.dc, x + 120, y + (w == 2 ? 6 : 0));
      ::SelectObject(t.dc, old);
      ::DeleteObject(pen);
    }
  const DWORD caps[] = {PS_ENDCAP_ROUND, PS_ENDCAP_SQUARE, PS_ENDCAP_FLAT};
  const DWORD joins[] = {PS_JOIN_ROUND, PS_JOIN_BEVEL, PS_JOIN_MITER};
  for (int c = 0; c < 3; ++c)
    for (int j = 0; j < 3; ++j) {
      const LOGBRUSH brush{BS_SOLID, RGB(40 + 80 * c, 60 * j, 200 - 60 * j), 0};
      const HPEN pen = ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | caps[c] | joins[j], 9, &brush, 0, nullptr);
      const HGDIOBJ old = ::SelectObject(t.dc, pen);
      const int x = 20 + (c * 3 + j) * 42, y = 150;
      const POINT bent[] = {{x, y + 50}, {x + 14, y + 5}, {x + 30, y + 50}};
      ::Polyline(t.dc, bent, 3);
      ::SelectObject(t.dc, old);
      ::DeleteObject(pen);
    }
  // A dash pattern of the author's own and a wide dashed geometric pen.
  const LOGBRUSH blue{BS_SOLID, RGB(0, 60, 220), 0};
  const DWORD dashes[] = {12, 4, 2, 4};
  HPEN pen = ::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 4, &blue, 4, dashes);
  if (!pen) pen = ::CreatePen(PS_DASH, 1, RGB(0, 60, 220));
  HGDIOBJ old = ::SelectObject(t.dc, pen);
  ::MoveToEx(t.dc, 20, 230, nullptr);
  ::LineTo(t.dc, 380, 230);
  ::SelectObject(t.dc, old);
  ::DeleteObject(pen);
  const LOGBRUSH red{BS_SOLID, RGB(220, 0, 0), 0};
  pen = ::ExtCreatePen(PS_GEOMETRIC | PS_DASHDOT | PS_ENDCAP_ROUND | PS_JOIN_ROUND, 6, &red, 0, nullptr);
  old = ::SelectObject(t.dc, pen);
  const POINT zigzag[] = {{20, 290}, {100, 250}, {180, 290}, {260, 250}, {380, 290}};
  ::Polyline(t.dc, zigzag, 5);
  ::SelectObject(t.dc, old);
  ::DeleteObject(pen);
}

// The six hatches, opaque and transparent, on boxes, ellipses and a polygon,
// and a solid, a null and a pattern brush.
void DrawHatches(const Target& t) {
  const int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
  ::SetBkColor(t.dc, RGB(255, 240, 200));
  for (int h = 0; h < 6; ++h)
    for (int mode = 0; mode < 2; ++mode) {
      ::SetBkMode(t.dc, mode == 0 ? OPAQUE : TRANSPARENT);
      const HBRUSH brush = ::CreateHatchBrush(hatches[h], RGB(40 * h, 0, 255 - 40 * h));
      const HGDIOBJ old = ::SelectObject(t.dc, brush);
      const int x = 8 + h * 65, y = 8 + mode * 70;
      if (mode == 0)
        ::Rectangle(t.dc, x, y, x + 58, y + 60);
      else
        ::Ellipse(t.dc, x, y, x + 58, y + 60);
      ::SelectObject(t.dc, old);
      ::DeleteObject(brush);
    }
  ::SetBkMode(t.dc, OPAQUE);
  ::SetPolyFillMode(t.dc, WINDING);
  Select(t.dc, ::CreateHatchBrush(HS_DIAGCROSS, RGB(0, 120, 0)));
  const POINT star[] = {{60, 160}, {90, 270}, {10, 200}, {110, 200}, {30, 270}};
  ::Polygon(t.dc, star, 5);
  ::SetPolyFillMode(t.dc, ALTERNATE);
  const POINT star2[] = {{180, 160}, {210, 270}, {130, 200}, {230, 200}, {150, 270}};
  ::Polygon(t.dc, star2, 5);
  Select(t.dc, ::CreateSolidBrush(RGB(250, 200, 0)));
  ::RoundRect(t.dc, 250, 160, 320, 220, 20, 20);
  ::SelectObject(t.dc, ::GetStockObject(NULL_BRUSH));
  ::Rectangle(t.dc, 330, 160, 390, 220);
  // An 8 x 8 pattern of 1-bit rows.
  const WORD rows[8] = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
  const HBITMAP pattern = ::CreateBitmap(8, 8, 1, 1, rows);
  ::SetTextColor(t.dc, RGB(128, 0, 0));
  ::SetBkColor(t.dc, RGB(220, 255, 220));
  Select(t.dc, ::CreatePatternBrush(pattern));
  ::Rectangle(t.dc, 250, 230, 390, 290);
  ::SelectObject(t.dc, ::GetStockObject(WHITE_BRUSH));
  ::DeleteObject(pattern);
}

// Text in code page 1251 and in Unicode, in several faces and styles, turned,
// aligned every way, spaced by arrays, clipped and opaque.
void DrawText(const Target& t) {
  const char hello1251[] = "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0! \xB8\xC0\xDF";  // "Привет, мир! ёАЯ"
  const wchar_t unicode[] = L"Unicode: \x03A9\x03BC\x03AD\x03B3\x03B1 \x041F\x0440\x0438\x0432\x0435\x0442 \x20AC";
  ::SetBkMode(t.dc, TRANSPARENT);
  ::SetTextColor(t.dc, RGB(0, 0, 0));
  Select(t.dc, MakeFont(L"Arial", -18, FW_NORMAL, false, false, false, RUSSIAN_CHARSET));
  ::TextOutA(t.dc, 10, 8, hello1251, static_cast<int>(std::strlen(hello1251)));
  Select(t.dc, MakeFont(L"Times New Roman", -20, FW_BOLD, true, false, false, DEFAULT_CHARSET));
  ::SetTextColor(t.dc, RGB(0, 0, 160));
  ::TextOutW(t.dc, 10, 32, unicode, static_cast<int>(std::wcslen(unicode)));
  Select(t.dc, MakeFont(L"Courier New", -16, FW_NORMAL, false, true, true, RUSSIAN_CHARSET));
  ::SetTextColor(t.dc, RGB(160, 0, 0));
  ::TextOutA(t.dc, 10, 60, hello1251, static_cast<int>(std::strlen(hello1251)));
  // Alignments around one point, marked by a cross.
  Select(t.dc, MakeFont(L"Arial", -14, FW_NORMAL, false, false, false, ANSI_CHARSET));
  ::SetTextColor(t.dc, RGB(0, 100, 0));
  ::MoveToEx(t.dc, 200, 90, nullptr);
  ::LineTo(t.dc, 200, 130);
  ::MoveToEx(t.dc, 180, 110, nullptr);
  ::LineTo(t.dc, 220, 110);
  const UINT aligns[] = {TA_LEFT | TA_TOP, TA_RIGHT | TA_TOP, TA_CENTER | TA_BASELINE, TA_LEFT | TA_BOTTOM};
  const char* words[] = {"top-left", "top-right", "centre", "bottom"};
  for (int i = 0; i < 4; ++i) {
    ::SetTextAlign(t.dc, aligns[i]);
    ::TextOutA(t.dc, 200, 110, words[i], static_cast<int>(std::strlen(words[i])));
  }
  ::SetTextAlign(t.dc, TA_LEFT | TA_TOP);
  // Turned text.
  ::SetTextColor(t.dc, RGB(120, 0, 120));
  Select(t.dc, MakeFont(L"Arial", -16, FW_NORMAL, false, false, false, RUSSIAN_CHARSET, 900));
  ::TextOutA(t.dc, 20, 290, hello1251, 6);
  Select(t.dc, MakeFont(L"Arial", -16, FW_BOLD, false, false, false, RUSSIAN_CHARSET, 450));
  ::TextOutA(t.dc, 50, 280, hello1251, 6);
  // Opaque and clipped boxes, and an array of advances.
  Select(t.dc, MakeFont(L"Arial", -20, FW_NORMAL, false, false, false, RUSSIAN_CHARSET));
  ::SetBkColor(t.dc, RGB(255, 255, 0));
  ::SetTextColor(t.dc, RGB(0, 0, 0));
  const RECT opaque{140, 150, 390, 180};
  ::ExtTextOutA(t.dc, 150, 154, ETO_OPAQUE, &opaque, hello1251, 6, nullptr);
  const RECT clip{140, 190, 220, 214};
  ::ExtTextOutA(t.dc, 150, 192, ETO_CLIPPED, &clip, hello1251, static_cast<int>(std::strlen(hello1251)), nullptr);
  const INT spread[] = {24, 24, 24, 24, 24, 24};
  ::ExtTextOutW(t.dc, 150, 222, 0, nullptr, L"\x0421\x043F\x0430\x0441\x0438\x0431", 6, spread);
  // Opaque background mode behind plain text.
  ::SetBkMode(t.dc, OPAQUE);
  ::SetBkColor(t.dc, RGB(180, 220, 255));
  ::TextOutA(t.dc, 150, 256, "R&D <1> \"quoted\"", 16);
}

// A device-independent bitmap of w x h at bpp bits (1, 8 or 24) with a palette
// where it needs one: a colour wheel of stripes.
struct Dib {
  std::vector<std::uint8_t> info;  // BITMAPINFO with its palette
  std::vector<std::uint8_t> bits;
  const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(info.data()); }
};
Dib MakeDib(int w, int h, int bpp) {
  Dib d;
  const int colours = bpp <= 8 ? 1 << bpp : 0;
  d.info.resize(sizeof(BITMAPINFOHEADER) + static_cast<std::size_t>(colours) * 4);
  BITMAPINFOHEADER head{};
  head.biSize = sizeof head;
  head.biWidth = w;
  head.biHeight = h;
  head.biPlanes = 1;
  head.biBitCount = static_cast<WORD>(bpp);
  head.biCompression = BI_RGB;
  // Said outright: 64-bit Wine's enhanced-metafile recorder faults on an 8-bit
  // bitmap whose palette size is left to its depth (biClrUsed 0).
  head.biClrUsed = static_cast<DWORD>(colours);
  std::memcpy(d.info.data(), &head, sizeof head);
  auto* palette = reinterpret_cast<RGBQUAD*>(d.info.data() + sizeof head);
  for (int i = 0; i < colours; ++i)
    palette[i] = colours == 2 ? RGBQUAD{static_cast<BYTE>(i ? 255 : 0), static_cast<BYTE>(i ? 255 : 80), 0, 0}
                              : RGBQUAD{static_cast<BYTE>(i * 7), static_cast<BYTE>(255 - i), static_cast<BYTE>(i * 3), 0};
  const std::size_t stride = static_cast<std::size_t>((w * bpp + 31) / 32 * 4);
  d.bits.assign(stride * static_cast<std::size_t>(h), 0);
  // Said outright too: Wine's Windows-metafile recorder copies biSizeImage bytes
  // of pixels, none when it is left 0.
  reinterpret_cast<BITMAPINFOHEADER*>(d.info.data())->biSizeImage = static_cast<DWORD>(d.bits.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* row = d.bits.data() + stride * static_cast<std::size_t>(y);
      if (bpp == 24) {
        row[x * 3] = static_cast<std::uint8_t>(x * 255 / w);
        row[x * 3 + 1] = static_cast<std::uint8_t>(y * 255 / h);
        row[x * 3 + 2] = static_cast<std::uint8_t>(((x / 4 + y / 4) % 2) * 255);
      } else if (bpp == 8) {
        row[x] = static_cast<std::uint8_t>((x + 2 * y) % 256);
      } else if ((x / 3 + y / 3) % 2) {
        row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
  return d;
}

// A memory device context holding a DIB section with a Dib's pixels: the
// source of the copies that record their bitmap from a context.
class MemoryDib {
 public:
  explicit MemoryDib(const Dib& dib) : dc_(::CreateCompatibleDC(nullptr)) {
    void* bits = nullptr;
    section_ = ::CreateDIBSection(nullptr, dib.Info(), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc_ && section_ && bits) {
      std::memcpy(bits, dib.bits.data(), dib.bits.size());
      old_ = ::SelectObject(dc_, section_);
    }
  }
  ~MemoryDib() {
    if (old_) ::SelectObject(dc_, old_);
    if (section_) ::DeleteObject(section_);
    if (dc_) ::DeleteDC(dc_);
  }
  MemoryDib(const MemoryDib&) = delete;
  MemoryDib& operator=(const MemoryDib&) = delete;
  // Null when the section could not be made.
  HDC Dc() const { return old_ ? dc_ : nullptr; }

 private:
  HDC dc_;
  HBITMAP section_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// Bitmaps stretched, copied and blended by every call that records one.
void DrawBitmaps(const Target& t) {
  const Dib colour = MakeDib(32, 24, 24), indexed = MakeDib(40, 20, 8), mono = MakeDib(24, 24, 1);
  ::StretchDIBits(t.dc, 10, 10, 120, 90, 0, 0, 32, 24, colour.bits.data(), colour.Info(), DIB_RGB_COLORS, SRCCOPY);
  ::StretchDIBits(t.dc, 140, 10, 120, 60, 0, 0, 40, 20, indexed.bits.data(), indexed.Info(), DIB_RGB_COLORS,
                  SRCCOPY);
  ::SetStretchBltMode(t.dc, COLORONCOLOR);
  ::StretchDIBits(t.dc, 270, 10, 120, 120, 0, 0, 24, 24, mono.bits.data(), mono.Info(), DIB_RGB_COLORS, SRCCOPY);
  // Wine's recorder writes this record into a Windows metafile without its
  // pixels: only the enhanced metafile has it.
  if (t.enhanced)
    ::SetDIBitsToDevice(t.dc, 10, 110, 32, 24, 0, 0, 0, 24, colour.bits.data(), colour.Info(), DIB_RGB_COLORS);
  // Through a memory device context: BitBlt and StretchBlt with raster operations.
  const MemoryDib source(colour);
  if (HDC memory = source.Dc()) {
    ::BitBlt(t.dc, 60, 110, 32, 24, memory, 0, 0, SRCCOPY);
    ::StretchBlt(t.dc, 100, 110, 64, 48, memory, 0, 0, 32, 24, SRCCOPY);
    Select(t.dc, ::CreateSolidBrush(RGB(0, 200, 255)));
    ::Rectangle(t.dc, 170, 110, 250, 170);
    ::StretchBlt(t.dc, 180, 115, 64, 48, memory, 0, 0, 32, 24, SRCAND);
    ::Rectangle(t.dc, 260, 140, 390, 200);
    ::StretchBlt(t.dc, 270, 145, 110, 50, memory, 0, 0, 32, 24, SRCPAINT);
    ::PatBlt(t.dc, 10, 180, 60, 20, PATCOPY);
    ::PatBlt(t.dc, 30, 170, 20, 40, DSTINVERT);
    if (t.enhanced) {
      const BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
      ::GdiAlphaBlend(t.dc, 80, 180, 96, 72, memory, 0, 0, 32, 24, half);
    }
  }
  // A brush of a device-independent pattern.
  const Dib tile = MakeDib(8, 8, 24);
  std::vector<std::uint8_t> packed(tile.info);
  packed.insert(packed.end(), tile.bits.begin(), tile.bits.end());
  Select(t.dc, ::CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS));
  ::Ellipse(t.dc, 190, 210, 300, 290);
  ::SelectObject(t.dc, ::GetStockObject(WHITE_BRUSH));
  if (t.enhanced) {
    TRIVERTEX v[] = {{310, 210, 0xFF00, 0, 0, 0}, {390, 250, 0, 0, 0xFF00, 0},
                     {310, 290, 0, 0xFF00, 0, 0}, {390, 290, 0xFF00, 0xFF00, 0, 0}};
    GRADIENT_RECT rect{0, 1};
    ::GdiGradientFill(t.dc, v, 2, &rect, 1, GRADIENT_FILL_RECT_H);
    GRADIENT_TRIANGLE tri{0, 2, 3};
    ::GdiGradientFill(t.dc, v, 4, &tri, 1, GRADIENT_FILL_TRIANGLE);
  }
}

void Stripes(HDC dc, COLORREF a, COLORREF b) {
  for (int y = 0; y < kHeight; y += 10) {
    const RECT r{0, y, kWidth, y + 10};
    const HBRUSH brush = ::CreateSolidBrush((y / 10) % 2 ? a : b);
    ::FillRect(dc, &r, brush);
    ::DeleteObject(brush);
  }
}

// Ternary raster operations: the same bitmap through a memory device context
// onto stripes under a hatched brush, each code on a cell of its own, and a
// DIB stretched by odd factors to an odd place.
void DrawRops(const Target& t) {
  Stripes(t.dc, RGB(250, 210, 60), RGB(40, 110, 200));
  const Dib colour = MakeDib(32, 24, 24);
  const MemoryDib source(colour);
  if (HDC memory = source.Dc()) {
    ::SetBkColor(t.dc, RGB(255, 255, 255));
    ::SetTextColor(t.dc, RGB(0, 0, 0));
    Select(t.dc, ::CreateHatchBrush(HS_DIAGCROSS, RGB(200, 0, 80)));
    const DWORD rops[] = {NOTSRCCOPY, MERGEPAINT, SRCINVERT, SRCERASE, PATPAINT, 0xB8074A,
                          NOTSRCERASE, MERGECOPY, PATINVERT, 0x960169 /* DPSxx */, 0x1D0F7C /* a rarely used code */, SRCAND};
    for (int i = 0; i < 12; ++i) {
      const int x = 10 + (i % 6) * 65, y = 10 + (i / 6) * 70;
      ::StretchBlt(t.dc, x, y, 58, 52, memory, 0, 0, 32, 24, rops[i]);
    }
  }
  ::SetStretchBltMode(t.dc, COLORONCOLOR);
  ::StretchDIBits(t.dc, 13, 163, 97, 61, 0, 0, 32, 24, colour.bits.data(), colour.Info(), DIB_RGB_COLORS, SRCCOPY);
  ::StretchDIBits(t.dc, 131, 157, 71, 119, 3, 2, 23, 17, colour.bits.data(), colour.Info(), DIB_RGB_COLORS,
                  SRCCOPY);
  ::StretchDIBits(t.dc, 221, 161, 163, 127, 0, 0, 32, 24, colour.bits.data(), colour.Info(), DIB_RGB_COLORS,
                  SRCINVERT);
  ::SelectObject(t.dc, ::GetStockObject(WHITE_BRUSH));
}

// Rectangles intersected and excluded, regions selected and combined, moved
// clips, and regions filled, framed, inverted and painted.
void DrawClipping(const Target& t) {
  ::SaveDC(t.dc);
  ::IntersectClipRect(t.dc, 20, 20, 180, 140);
  ::ExcludeClipRect(t.dc, 60, 50, 120, 100);
  Stripes(t.dc, RGB(255, 0, 0), RGB(255, 200, 200));
  ::RestoreDC(t.dc, -1);
  ::SaveDC(t.dc);
  HRGN round = ::CreateEllipticRgn(200, 20, 380, 140);
  ::SelectClipRgn(t.dc, round);
  HRGN box = ::CreateRectRgn(260, 0, 320, 300);
  ::ExtSelectClipRgn(t.dc, box, RGN_XOR);
  Stripes(t.dc, RGB(0, 0, 255), RGB(200, 200, 255));
  ::RestoreDC(t.dc, -1);
  ::SaveDC(t.dc);
  ::IntersectClipRect(t.dc, 20, 160, 100, 220);
  ::OffsetClipRgn(t.dc, 20, 30);
  Stripes(t.dc, RGB(0, 150, 0), RGB(200, 255, 200));
  ::RestoreDC(t.dc, -1);
  Select(t.dc, ::CreateSolidBrush(RGB(255, 160, 0)));
  HRGN poly = ::CreateRectRgn(150, 170, 240, 280);
  ::FillRgn(t.dc, poly, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
  ::FrameRgn(t.dc, poly, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)), 3, 3);
  HRGN inner = ::CreateEllipticRgn(170, 190, 220, 260);
  ::InvertRgn(t.dc, inner);
  HRGN painted = ::CreateRoundRectRgn(260, 170, 380, 280, 30, 30);
  ::PaintRgn(t.dc, painted);
  if (t.enhanced) {
    // A clip path.
    ::SaveDC(t.dc);
    ::BeginPath(t.dc);
    ::Ellipse(t.dc, 280, 190, 360, 260);
    ::EndPath(t.dc);
    ::SelectClipPath(t.dc, RGN_AND);
    Stripes(t.dc, RGB(0, 0, 0), RGB(255, 255, 255));
    ::RestoreDC(t.dc, -1);
  }
  for (HRGN r : {round, box, poly, inner, painted}) ::DeleteObject(r);
  ::SelectObject(t.dc, ::GetStockObject(WHITE_BRUSH));
}

// One house drawn under several placements: map modes, window and viewport
// origins and extents and their scaling, world transforms where the metafile
// keeps them, nested saves.
void House(HDC dc, COLORREF roof) {
  Select(dc, ::CreateSolidBrush(RGB(230, 200, 150)));
  ::Rectangle(dc, 0, 40, 80, 100);
  Select(dc, ::CreateSolidBrush(roof));
  const POINT top[] = {{-5, 42}, {40, 0}, {85, 42}};
  ::Polygon(dc, top, 3);
  ::SelectObject(dc, ::GetStockObject(WHITE_BRUSH));
  ::Rectangle(dc, 30, 65, 50, 100);
}
void DrawTransforms(const Target& t) {
  House(t.dc, RGB(200, 0, 0));
  ::SaveDC(t.dc);
  ::OffsetWindowOrgEx(t.dc, -100, 0, nullptr);
  House(t.dc, RGB(0, 150, 0));
  ::SaveDC(t.dc);
  ::OffsetWindowOrgEx(t.dc, -100, 0, nullptr);
  ::ScaleWindowExtEx(t.dc, 2, 1, 2, 1, nullptr);  // the window twice as wide: the house half as wide
  House(t.dc, RGB(0, 0, 200));
  ::RestoreDC(t.dc, -2);
  ::SaveDC(t.dc);
  ::SetViewportOrgEx(t.dc, 300, 0, nullptr);
  ::ScaleViewportExtEx(t.dc, 1, 1, 3, 2, nullptr);
  House(t.dc, RGB(200, 0, 200));
  ::RestoreDC(t.dc, -1);
  if (t.enhanced) {
    ::SetGraphicsMode(t.dc, GM_ADVANCED);
    ::SaveDC(t.dc);
    const XFORM turn{0.866f, 0.5f, -0.5f, 0.866f, 120.0f, 120.0f};
    ::SetWorldTransform(t.dc, &turn);
    House(t.dc, RGB(0, 160, 160));
    const XFORM shear{1.0f, 0.0f, 0.5f, 1.0f, 120.0f, 0.0f};
    ::ModifyWorldTransform(t.dc, &shear, MWT_LEFTMULTIPLY);
    House(t.dc, RGB(160, 160, 0));
    ::RestoreDC(t.dc, -1);
    ::SaveDC(t.dc);
    ::SetMapMode(t.dc, MM_LOMETRIC);  // tenths of a millimetre, y up
    ::SetWindowOrgEx(t.dc, 0, 0, nullptr);
    ::SetViewportOrgEx(t.dc, 0, 300, nullptr);
    Select(t.dc, ::CreateSolidBrush(RGB(90, 90, 90)));
    ::Ellipse(t.dc, 100, 100, 500, 300);
    ::RestoreDC(t.dc, -1);
  } else {
    ::SaveDC(t.dc);
    ::SetWindowOrgEx(t.dc, -200, -180, nullptr);
    House(t.dc, RGB(0, 160, 160));
    ::RestoreDC(t.dc, -1);
  }
}

// Paths: figures with lines, curves and arcs, closed and open, filled with a
// hatch (which must show as a hatch), stroked with a wide pen, widened,
// flattened, by both fill modes.
void DrawPaths(const Target& t) {
  if (!t.enhanced) return;
  ::SetBkMode(t.dc, TRANSPARENT);
  ::BeginPath(t.dc);
  ::MoveToEx(t.dc, 20, 20, nullptr);
  ::LineTo(t.dc, 160, 20);
  const POINT curve[] = {{200, 60}, {120, 140}, {160, 140}};
  ::PolyBezierTo(t.dc, curve, 3);
  ::LineTo(t.dc, 20, 140);
  ::CloseFigure(t.dc);
  ::EndPath(t.dc);
  Select(t.dc, ::CreateHatchBrush(HS_CROSS, RGB(0, 0, 200)));
  ::FillPath(t.dc);
  ::BeginPath(t.dc);
  ::Ellipse(t.dc, 220, 20, 380, 140);
  ::Rectangle(t.dc, 260, 50, 340, 110);
  ::EndPath(t.dc);
  ::SetPolyFillMode(t.dc, ALTERNATE);
  Select(t.dc, ::CreateSolidBrush(RGB(255, 200, 0)));
  const LOGBRUSH dark{BS_SOLID, RGB(120, 60, 0), 0};
  Select(t.dc, ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_JOIN_MITER, 5, &dark, 0, nullptr));
  ::StrokeAndFillPath(t.dc);
  ::BeginPath(t.dc);
  ::MoveToEx(t.dc, 20, 180, nullptr);
  ::ArcTo(t.dc, 20, 160, 140, 280, 140, 220, 20, 220);
  ::LineTo(t.dc, 20, 280);
  ::EndPath(t.dc);
  const LOGBRUSH green{BS_SOLID, RGB(0, 140, 0), 0};
  Select(t.dc, ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, 11, &green, 0, nullptr));
  ::StrokePath(t.dc);
  ::BeginPath(t.dc);
  const POINT star[] = {{260, 170}, {290, 290}, {200, 215}, {320, 215}, {230, 290}};
  ::Polygon(t.dc, star, 5);
  ::EndPath(t.dc);
  ::WidenPath(t.dc);
  Select(t.dc, ::CreateSolidBrush(RGB(200, 0, 100)));
  ::SetPolyFillMode(t.dc, WINDING);
  ::FillPath(t.dc);
  ::BeginPath(t.dc);
  ::Ellipse(t.dc, 330, 170, 390, 290);
  ::EndPath(t.dc);
  ::FlattenPath(t.dc);
  Select(t.dc, ::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  ::StrokePath(t.dc);
  ::SelectObject(t.dc, ::GetStockObject(BLACK_PEN));
  ::SelectObject(t.dc, ::GetStockObject(WHITE_BRUSH));
}

// Every shape call, the arc direction, mix modes and single pixels.
void DrawShapes(const Target& t) {
  Select(t.dc, ::CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
  Select(t.dc, ::CreateSolidBrush(RGB(120, 200, 255)));
  ::Ellipse(t.dc, 10, 10, 110, 70);
  ::RoundRect(t.dc, 120, 10, 220, 70, 30, 20);
  ::Chord(t.dc, 230, 10, 330, 90, 330, 30, 230, 30);
  ::Pie(t.dc, 10, 80, 110, 180, 110, 130, 60, 80);
  ::Arc(t.dc, 120, 80, 220, 180, 220, 130, 120, 130);
  ::SetArcDirection(t.dc, AD_CLOCKWISE);
  ::Arc(t.dc, 120, 90, 220, 170, 220, 130, 120, 130);
  ::SetArcDirection(t.dc, AD_COUNTERCLOCKWISE);
  const POINT curve[] = {{230, 100}, {260, 60}, {300, 200}, {330, 120}};
  ::PolyBezier(t.dc, curve, 4);
  const POINT both[] = {{340, 20}, {390, 20}, {390, 80}, {340, 80}, {350, 30}, {380, 30}, {380, 70}, {350, 70}};
  const INT counts[] = {4, 4};
  ::SetPolyFillMode(t.dc, ALTERNATE);
  ::PolyPolygon(t.dc, both, counts, 2);
  const POINT line[] = {{10, 200}, {40, 260}, {70, 200}, {100, 260}};
  ::Polyline(t.dc, line, 4);
  if (t.enhanced) {
    ::MoveToEx(t.dc, 150, 240, nullptr);
    ::AngleArc(t.dc, 150, 240, 40, 30.0f, 240.0f);
  }
  // Mix modes: the same bar in each over a striped ground.
  for (int i = 0; i < 8; ++i) {
    const RECT r{200 + i * 24, 190, 212 + i * 24, 290};
    ::FillRect(t.dc, &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  }
  const int modes[] = {R2_COPYPEN, R2_XORPEN, R2_NOT, R2_MASKPEN, R2_MERGEPEN, R2_NOTCOPYPEN};
  Select(t.dc, ::CreateSolidBrush(RGB(255, 100, 0)));
  for (int i = 0; i < 6; ++i) {
    ::SetROP2(t.dc, modes[i]);
    ::Rectangle(t.dc, 196, 196 + i * 15, 396, 208 + i * 15);
  }
  ::SetROP2(t.dc, R2_COPYPEN);
  for (int i = 0; i < 40; ++i) ::SetPixel(t.dc, 10 + i * 2, 280, RGB(255, i * 6, 0));
  ::SelectObject(t.dc, ::GetStockObject(BLACK_PEN));
  ::SelectObject(t.dc, ::GetStockObject(WHITE_BRUSH));
}

// PolyDraw: an open figure of lines and curves, a closed one, and the same
// inside a path that is then filled (GDI records EMR_POLYDRAW16); then, with
// a window a thousand times larger, whose points need 32 bits (EMR_POLYDRAW).
void DrawPolyDraw(const Target& t) {
  if (!t.enhanced) return;
  const auto figures = [&](int scale, int dy) {
    const auto at = [&](int x, int y) { return POINT{x * scale, (y + dy) * scale}; };
    const POINT points[] = {at(20, 20),  at(120, 20), at(150, 60), at(60, 120), at(180, 120), at(60, 40),
                            at(220, 20), at(300, 20), at(380, 60), at(300, 120), at(240, 110), at(230, 60)};
    const BYTE types[] = {PT_MOVETO,  PT_LINETO,  PT_BEZIERTO, PT_BEZIERTO, PT_BEZIERTO, PT_LINETO,
                          PT_MOVETO,  PT_LINETO,  PT_LINETO,   PT_BEZIERTO, PT_BEZIERTO, PT_BEZIERTO | PT_CLOSEFIGURE};
    ::PolyDraw(t.dc, points, types, 12);
    ::BeginPath(t.dc);
    const POINT shape[] = {at(40, 140 - 10), at(160, 140 - 10), at(200, 140 + 10), at(100, 140 + 20),
                           at(20, 140 + 10), at(40, 140 - 10), at(260, 130), at(360, 130), at(310, 145)};
    const BYTE kinds[] = {PT_MOVETO,   PT_LINETO, PT_BEZIERTO, PT_BEZIERTO, PT_BEZIERTO | PT_CLOSEFIGURE,
                          PT_MOVETO,   PT_MOVETO, PT_LINETO,   PT_LINETO | PT_CLOSEFIGURE};
    ::PolyDraw(t.dc, shape, kinds, 9);
    ::EndPath(t.dc);
    ::FillPath(t.dc);
  };
  Select(t.dc, ::CreatePen(PS_SOLID, 3, RGB(0, 90, 200)));
  Select(t.dc, ::CreateSolidBrush(RGB(240, 120, 0)));
  figures(1, 0);
  ::SetMapMode(t.dc, MM_ANISOTROPIC);
  ::SetWindowExtEx(t.dc, kWidth * 1000, kHeight * 1000, nullptr);
  ::SetViewportExtEx(t.dc, kWidth, kHeight, nullptr);
  Select(t.dc, ::CreatePen(PS_SOLID, 2, RGB(160, 0, 60)));
  Select(t.dc, ::CreateSolidBrush(RGB(0, 160, 90)));
  figures(1000, 150);
  ::SetMapMode(t.dc, MM_TEXT);
  ::SelectObject(t.dc, ::GetStockObject(BLACK_PEN));
  ::SelectObject(t.dc, ::GetStockObject(WHITE_BRUSH));
}

// Text under world transforms in the advanced graphics mode: turned, upside
// down, mirrored either way and slanted, each about its own reference point,
// one line with the font's escapement on top of a turn; placed by its
// baseline, and (worldtext_top) by its cell's top.
void DrawWorldTextAligned(const Target& t, UINT align) {
  if (!t.enhanced) return;
  ::SetGraphicsMode(t.dc, GM_ADVANCED);
  ::SetTextAlign(t.dc, align);
  ::SetBkMode(t.dc, TRANSPARENT);
  ::SetTextColor(t.dc, RGB(0, 0, 160));
  Select(t.dc, MakeFont(L"Liberation Sans", -28, FW_BOLD, false, false, false, ANSI_CHARSET));
  struct Placed {
    float m11, m12, m21, m22;
    int x, y;
  };
  const float c = 0.8660254f, s = 0.5f;
  const Placed placed[] = {
      {c, -s, s, c, 40, 90},       // 30 degrees up
      {0, -1, 1, 0, 180, 130},     // 90 degrees up
      {-1, 0, 0, -1, 380, 60},     // upside down
      {-1, 0, 0, 1, 380, 120},     // mirrored left to right
      {1, 0, 0, -1, 220, 200},     // mirrored top to bottom
      {1, 0, -0.5f, 1, 40, 250},   // slanted
  };
  for (const Placed& p : placed) {
    const XFORM xf{p.m11, p.m12, p.m21, p.m22, static_cast<FLOAT>(p.x), static_cast<FLOAT>(p.y)};
    ::SetWorldTransform(t.dc, &xf);
    ::TextOutW(t.dc, 0, 0, L"Pie 42", 6);
  }
  const XFORM turned{c, -s, s, c, 250, 280};
  ::SetWorldTransform(t.dc, &turned);
  Select(t.dc, MakeFont(L"Liberation Serif", -24, FW_NORMAL, false, false, false, ANSI_CHARSET, 300));
  ::SetTextColor(t.dc, RGB(160, 0, 0));
  ::TextOutW(t.dc, 0, 0, L"Slice", 5);
  ::ModifyWorldTransform(t.dc, nullptr, MWT_IDENTITY);
  ::SetGraphicsMode(t.dc, GM_COMPATIBLE);
  ::SetTextAlign(t.dc, TA_TOP | TA_LEFT);
  ::SelectObject(t.dc, ::GetStockObject(SYSTEM_FONT));
}
void DrawWorldText(const Target& t) { DrawWorldTextAligned(t, TA_BASELINE | TA_LEFT); }
void DrawWorldTextTop(const Target& t) { DrawWorldTextAligned(t, TA_TOP | TA_LEFT); }

// Text inside a path: filled, stroked, both, turned by its escapement, and
// made the clip for a hatch.
void DrawTextPath(const Target& t) {
  if (!t.enhanced) return;
  ::SetBkMode(t.dc, TRANSPARENT);
  Select(t.dc, MakeFont(L"Liberation Sans", -56, FW_BOLD, false, false, false, ANSI_CHARSET));
  Select(t.dc, ::CreatePen(PS_SOLID, 1, RGB(0, 0, 160)));
  Select(t.dc, ::CreateSolidBrush(RGB(230, 110, 0)));
  const auto text = [&](int x, int y, const wchar_t* words) {
    ::BeginPath(t.dc);
    ::TextOutW(t.dc, x, y, words, static_cast<int>(std::wcslen(words)));
    ::EndPath(t.dc);
  };
  text(10, 0, L"Pie 42");
  ::FillPath(t.dc);
  text(210, 0, L"Slice");
  ::StrokePath(t.dc);
  text(10, 70, L"Chart");
  ::StrokeAndFillPath(t.dc);
  Select(t.dc, MakeFont(L"Liberation Serif", -48, FW_BOLD, false, false, false, ANSI_CHARSET, 200));
  text(200, 150, L"Turned");
  ::FillPath(t.dc);
  Select(t.dc, MakeFont(L"Liberation Sans", -80, FW_BOLD, false, false, false, ANSI_CHARSET));
  text(10, 200, L"CLIP");
  ::SelectClipPath(t.dc, RGN_COPY);
  Select(t.dc, ::CreateHatchBrush(HS_DIAGCROSS, RGB(0, 120, 0)));
  ::SelectObject(t.dc, ::GetStockObject(NULL_PEN));
  ::Rectangle(t.dc, 0, 190, 400, 300);
  ::SelectClipRgn(t.dc, nullptr);
  ::SelectObject(t.dc, ::GetStockObject(BLACK_PEN));
  ::SelectObject(t.dc, ::GetStockObject(WHITE_BRUSH));
  ::SelectObject(t.dc, ::GetStockObject(SYSTEM_FONT));
}

// Fonts condensed and expanded by their LOGFONT width, beside the face's own
// proportion, in two faces.
void DrawWidths(const Target& t) {
  ::SetBkMode(t.dc, TRANSPARENT);
  ::SetTextColor(t.dc, RGB(0, 0, 0));
  const wchar_t* faces[] = {L"Liberation Sans", L"Liberation Serif"};
  const int widths[] = {0, 6, 11, 24};
  for (int f = 0; f < 2; ++f)
    for (int w = 0; w < 4; ++w) {
      HFONT font = ::CreateFontW(-30, widths[w], 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, faces[f]);
      const HGDIOBJ old = ::SelectObject(t.dc, font);
      ::TextOutW(t.dc, 10, 10 + (f * 4 + w) * 36, L"Pie 42 chart", 12);
      ::SelectObject(t.dc, old);
      ::DeleteObject(font);
    }
}

// Per-pixel alpha: a 32-bit DIB section whose premultiplied pixels fade from
// clear to opaque, blended over stripes with AC_SRC_ALPHA, alone and under a
// constant alpha of one half, as a program draws a translucent image.
void DrawAlpha(const Target& t) {
  ::SelectObject(t.dc, ::GetStockObject(NULL_PEN));
  const COLORREF stripes[] = {RGB(255, 255, 255), RGB(0, 160, 0), RGB(255, 220, 0), RGB(40, 40, 40)};
  for (int i = 0; i < 8; ++i) {
    Select(t.dc, ::CreateSolidBrush(stripes[i % 4]));
    ::Rectangle(t.dc, i * 50, 0, i * 50 + 51, kHeight + 1);
  }
  ::SelectObject(t.dc, ::GetStockObject(WHITE_BRUSH));
  constexpr int w = 64, h = 48;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC memory = ::CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP section = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory && section && bits) {
    auto* px = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        // Red fading in from the left, blue in the lower half, premultiplied.
        const std::uint32_t a = static_cast<std::uint32_t>(x * 255 / (w - 1));
        const bool blue = y >= h / 2;
        px[y * w + x] = a << 24 | (blue ? a : a << 16);
      }
    const HGDIOBJ old = ::SelectObject(memory, section);
    const BLENDFUNCTION perPixel{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA}, halfOfIt{AC_SRC_OVER, 0, 128, AC_SRC_ALPHA};
    ::GdiAlphaBlend(t.dc, 20, 20, 256, 96, memory, 0, 0, w, h, perPixel);
    ::GdiAlphaBlend(t.dc, 20, 150, 256, 96, memory, 0, 0, w, h, halfOfIt);
    ::GdiAlphaBlend(t.dc, 300, 20, w, h, memory, 0, 0, w, h, perPixel);
    ::SelectObject(memory, old);
  }
  if (section) ::DeleteObject(section);
  if (memory) ::DeleteDC(memory);
}

struct Theme {
  const char* name;
  void (*draw)(const Target&);
  bool windowsMetafile;  // GDI records the theme in a Windows metafile too
  bool placeable;        // and a copy with the placeable header
};

constexpr Theme kThemes[] = {
    {"pens", DrawPens, true, true},          {"hatches", DrawHatches, true, false},
    {"text", DrawText, true, true},          {"bitmaps", DrawBitmaps, true, false},
    {"clipping", DrawClipping, true, false}, {"transforms", DrawTransforms, true, false},
    {"paths", DrawPaths, false, false},      {"shapes", DrawShapes, true, true},
    {"polydraw", DrawPolyDraw, false, false}, {"worldtext", DrawWorldText, false, false},
    {"worldtext_top", DrawWorldTextTop, false, false}, {"textpath", DrawTextPath, false, false},
    {"widths", DrawWidths, true, false},      {"alpha", DrawAlpha, false, false},
    {"rops", DrawRops, true, false},
};

bool RecordEnhanced(const Theme& theme) {
  HDC screen = ::GetDC(nullptr);
  // The frame in hundredths of a millimetre of kWidth x kHeight screen pixels.
  const int mmWide = ::GetDeviceCaps(screen, HORZSIZE), mmHigh = ::GetDeviceCaps(screen, VERTSIZE);
  const int pxWide = ::GetDeviceCaps(screen, HORZRES), pxHigh = ::GetDeviceCaps(screen, VERTRES);
  ::ReleaseDC(nullptr, screen);
  const RECT frame{0, 0, kWidth * mmWide * 100 / pxWide, kHeight * mmHigh * 100 / pxHigh};
  const std::string file = std::string("gdi_") + theme.name + ".emf";
  HDC dc = ::CreateEnhMetaFileA(nullptr, file.c_str(), &frame, "record_metafiles\0corpus\0");
  if (!dc) return false;
  theme.draw(Target{dc, true});
  HENHMETAFILE done = ::CloseEnhMetaFile(dc);
  if (!done) return false;
  ::DeleteEnhMetaFile(done);
  return true;
}

// The standard metafile with the 22-byte header in front: its box in units of
// which 96 make an inch, and the checksum of its first ten words.
bool WritePlaceableBits(const std::vector<std::uint8_t>& bits, const std::string& file) {
  std::uint16_t head[11] = {0xCDD7, 0x9AC6, 0, 0, 0, kWidth, kHeight, 96, 0, 0, 0};
  for (int i = 0; i < 10; ++i) head[10] ^= head[i];
  std::FILE* f = std::fopen(file.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(head, 2, 11, f) == 11 && std::fwrite(bits.data(), 1, bits.size(), f) == bits.size();
  return std::fclose(f) == 0 && ok;
}

bool WritePlaceable(HMETAFILE metafile, const std::string& file) {
  const UINT size = ::GetMetaFileBitsEx(metafile, 0, nullptr);
  std::vector<std::uint8_t> bits(size);
  if (size == 0 || ::GetMetaFileBitsEx(metafile, size, bits.data()) != size) return false;
  return WritePlaceableBits(bits, file);
}

bool RecordWindows(const Theme& theme) {
  const std::string file = std::string("gdi_") + theme.name + ".wmf";
  HDC dc = ::CreateMetaFileA(file.c_str());
  if (!dc) return false;
  ::SetMapMode(dc, MM_ANISOTROPIC);
  ::SetWindowOrgEx(dc, 0, 0, nullptr);
  ::SetWindowExtEx(dc, kWidth, kHeight, nullptr);
  theme.draw(Target{dc, false});
  HMETAFILE done = ::CloseMetaFile(dc);
  if (!done) return false;
  const bool ok = !theme.placeable || WritePlaceable(done, std::string("gdi_") + theme.name + "_placeable.wmf");
  ::DeleteMetaFile(done);
  return ok;
}

// Two halves, red and blue, with a comment that takes the enhanced metafile
// past one piece of GDI's conversion (8 KB): the tests patch the converted
// file's own records so that they and the enhanced metafile differ.
void DrawHalves(const Target& t) {
  ::SelectObject(t.dc, ::GetStockObject(NULL_PEN));
  Select(t.dc, ::CreateSolidBrush(RGB(255, 0, 0)));
  ::Rectangle(t.dc, 0, 0, kWidth / 2 + 1, kHeight + 1);
  Select(t.dc, ::CreateSolidBrush(RGB(0, 0, 255)));
  ::Rectangle(t.dc, kWidth / 2, 0, kWidth + 1, kHeight + 1);
  if (t.enhanced) {
    const std::vector<BYTE> filler(10000, 0x5A);
    ::GdiComment(t.dc, static_cast<UINT>(filler.size()), filler.data());
  }
  ::SelectObject(t.dc, ::GetStockObject(BLACK_PEN));
  ::SelectObject(t.dc, ::GetStockObject(WHITE_BRUSH));
}

// The enhanced recording converted to a Windows metafile by GDI
// (GetWinMetaFileBits), which carries the enhanced one whole in its comment
// records, written with the placeable header as gdi_NAME_embedded.wmf.
bool RecordConverted(const char* name, void (*draw)(const Target&)) {
  HDC screen = ::GetDC(nullptr);
  const int mmWide = ::GetDeviceCaps(screen, HORZSIZE), mmHigh = ::GetDeviceCaps(screen, VERTSIZE);
  const int pxWide = ::GetDeviceCaps(screen, HORZRES), pxHigh = ::GetDeviceCaps(screen, VERTRES);
  const RECT frame{0, 0, kWidth * mmWide * 100 / pxWide, kHeight * mmHigh * 100 / pxHigh};
  HDC dc = ::CreateEnhMetaFileA(screen, nullptr, &frame, nullptr);
  bool ok = false;
  if (dc) {
    draw(Target{dc, true});
    if (HENHMETAFILE done = ::CloseEnhMetaFile(dc)) {
      const UINT size = ::GetWinMetaFileBits(done, 0, nullptr, MM_ANISOTROPIC, screen);
      std::vector<std::uint8_t> bits(size);
      ok = size != 0 && ::GetWinMetaFileBits(done, size, bits.data(), MM_ANISOTROPIC, screen) == size &&
           WritePlaceableBits(bits, std::string("gdi_") + name + "_embedded.wmf");
      ::DeleteEnhMetaFile(done);
    }
  }
  ::ReleaseDC(nullptr, screen);
  return ok;
}

struct Converted {
  const char* name;
  void (*draw)(const Target&);
};
constexpr Converted kConverted[] = {{"halves", DrawHalves}, {"shapes", DrawShapes}, {"paths", DrawPaths},
                                    {"text", DrawText}};

}  // namespace

int main() {
  int failed = 0;
  for (const Theme& theme : kThemes) {
    if (!RecordEnhanced(theme)) {
      std::fprintf(stderr, "record_metafiles: %s.emf not written\n", theme.name);
      ++failed;
    }
    if (theme.windowsMetafile && !RecordWindows(theme)) {
      std::fprintf(stderr, "record_metafiles: %s.wmf not written\n", theme.name);
      ++failed;
    }
  }
  for (const Converted& c : kConverted)
    if (!RecordConverted(c.name, c.draw)) {
      std::fprintf(stderr, "record_metafiles: %s_embedded.wmf not written\n", c.name);
      ++failed;
    }
  return failed == 0 ? 0 : 1;
}
