// Bitmap files in every form Windows reads: what each reads as, and that the
// back picture draws exactly those pixels. On the Windows build the picture is
// GDI's own decoding, so there these tests hold the shared reader against GDI.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "platform/bitmap.h"
#include "platform/picture/bmp_reader.h"
#include "platform/picture_files.h"

namespace pg::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, unsigned v) { b.insert(b.end(), {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)}); }
void Put32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

struct Form {
  int headerSize = 40;  // 12 (OS/2 core), 40, 108 or 124
  int width = 0, height = 0;  // negative height: rows top-down
  int bpp = 24;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::uint32_t coloursUsed = 0;
  std::vector<std::uint32_t> masks;  // red, green, blue
  Bytes bits;
};

// A whole file: file header, info header, masks (inside the longer headers),
// palette (a core header's always whole; the others say how many colours they
// hold), bits.
Bytes File(Form f) {
  if (f.headerSize == 12 && f.bpp <= 8) f.palette.resize(std::size_t{1} << f.bpp, 0);
  if (f.coloursUsed == 0) f.coloursUsed = static_cast<std::uint32_t>(f.palette.size());
  Bytes h;
  Put32(h, static_cast<std::uint32_t>(f.headerSize));
  if (f.headerSize == 12) {
    Put16(h, static_cast<unsigned>(f.width)), Put16(h, static_cast<unsigned>(f.height)), Put16(h, 1), Put16(h, static_cast<unsigned>(f.bpp));
  } else {
    Put32(h, static_cast<std::uint32_t>(f.width)), Put32(h, static_cast<std::uint32_t>(f.height));
    Put16(h, 1), Put16(h, static_cast<unsigned>(f.bpp));
    Put32(h, f.compression), Put32(h, static_cast<std::uint32_t>(f.bits.size())), Put32(h, 2835), Put32(h, 2835);
    Put32(h, f.coloursUsed), Put32(h, 0);
    if (f.headerSize > 40)
      for (int i = 0; i < 4; ++i) Put32(h, i < static_cast<int>(f.masks.size()) ? f.masks[static_cast<std::size_t>(i)] : 0);
    h.resize(static_cast<std::size_t>(f.headerSize), 0);
    if (f.headerSize == 40)
      for (std::uint32_t m : f.masks) Put32(h, m);
  }
  for (std::uint32_t c : f.palette) {
    h.insert(h.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c >> 16)});
    if (f.headerSize != 12) h.push_back(0);
  }
  Bytes file = {'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(14 + h.size() + f.bits.size())), Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(14 + h.size()));
  file.insert(file.end(), h.begin(), h.end());
  file.insert(file.end(), f.bits.begin(), f.bits.end());
  return file;
}

// The picture as the back image draws it at its own size over a white bitmap.
std::vector<std::uint32_t> Drawn(const Bytes& file, int w, int h) {
  auto p = DecodePicture(PictureFormat::kBitmap, file);
  EXPECT_TRUE(p);
  if (!p) return {};
  EXPECT_EQ(p->Extent(), (PictureExtent{w, h, 0}));
  Bitmap b(w, h);
  p->Draw(b.Dc(), TRect{0, 0, w, h});
  std::vector<std::uint32_t> out;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.push_back(b.Pixel(x, y));
  return out;
}

std::vector<std::uint32_t> Read(const Bytes& file) {
  auto b = ReadBitmapFile(file);
  EXPECT_TRUE(b);
  std::vector<std::uint32_t> out;
  if (!b) return out;
  for (int y = 0; y < b->Height(); ++y)
    for (int x = 0; x < b->Width(); ++x) out.push_back(b->Pixel(x, y));
  return out;
}

// The reader's pixels, the drawn picture's (GDI's on Windows) and the expected ones agree.
void Expect(const Form& f, const std::vector<std::uint32_t>& expected, const char* what) {
  const Bytes file = File(f);
  const int h = f.height < 0 ? -f.height : f.height;
  EXPECT_EQ(Read(file), expected) << what << ": the reader";
  EXPECT_EQ(Drawn(file, f.width, h), expected) << what << ": the picture";
}

constexpr std::uint32_t R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF, K = 0x000000, Y = 0xFFFF00;

TEST(BitmapReader, PalettedDepthsInEveryHeader) {
  // 3 x 2, bottom row first in the file; rows padded to 4 bytes.
  const std::vector<std::uint32_t> pal = {R, G, B, Y};
  for (int header : {12, 40, 124}) {
    Form one{header, 3, 2, 1, 0, {K, W}, 0, {}, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}};
    Expect(one, {K, W, K, W, K, W}, "1 bit");
    Form four{header, 3, 2, 4, 0, pal, 0, {}, {0x01, 0x20, 0, 0, 0x32, 0x10, 0, 0}};
    Expect(four, {Y, B, G, R, G, B}, "4 bits");
    Form eight{header, 3, 2, 8, 0, pal, 0, {}, {3, 3, 0, 0, 0, 1, 2, 0}};
    Expect(eight, {R, G, B, Y, Y, R}, "8 bits");
  }
  // A palette shorter than the depth's: indices beyond it are black.
  Form shortPalette{40, 3, 1, 8, 0, {R, G}, 2, {}, {1, 2, 200, 0}};
  Expect(shortPalette, {G, K, K}, "indices beyond the palette");
  // Rows top-down.
  Form topDown{40, 2, -2, 8, 0, pal, 0, {}, {0, 1, 0, 0, 2, 3, 0, 0}};
  Expect(topDown, {R, G, B, Y}, "top-down");
}

TEST(BitmapReader, DirectColourAndColourMasks) {
  Form rgb24{40, 2, 1, 24, 0, {}, 0, {}, {0x01, 0x02, 0x03, 0xFF, 0x00, 0x80, 0, 0}};
  Expect(rgb24, {0x030201, 0x8000FF}, "24 bits");
  Form core24 = rgb24;
  core24.headerSize = 12;
  Expect(core24, {0x030201, 0x8000FF}, "24 bits, core header");
  // 32 bits: the fourth byte does not show; 16 bits without masks are 5-5-5.
  Form rgb32{40, 2, 1, 32, 0, {}, 0, {}, {0x10, 0x20, 0x30, 0x99, 0xFF, 0xFF, 0xFF, 0x00}};
  Expect(rgb32, {0x302010, W}, "32 bits");
  Form rgb555{40, 3, 1, 16, 0, {}, 0, {}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0}};
  Expect(rgb555, {R, G, B}, "16 bits");
  // Narrow fields are widened with their top bits repeated: 5 bits 10000 -> 0x84.
  Form rgb565{40, 2, 1, 16, 3, {}, 0, {0xF800, 0x07E0, 0x001F}, {0x10, 0x84, 0xFF, 0xFF}};
  Expect(rgb565, {0x848284, W}, "5-6-5 masks");
  Form argb4444{124, 2, 1, 16, 3, {}, 0, {0x0F00, 0x00F0, 0x000F}, {0x9A, 0xF8, 0x00, 0x00}};
  Expect(argb4444, {0x8899AA, K}, "4-bit fields");
  // Fields wider than 8 bits keep their top 8.
  Form wide{108, 1, 1, 32, 3, {}, 0, {0x3FF00000, 0x000FFC00, 0x000003FF}, {0xFF, 0x03, 0x00, 0x20}};
  Expect(wide, {0x8000FF}, "10-bit fields");
  Form masksAfterHeader{40, 1, 1, 32, 3, {}, 0, {0x000000FF, 0x0000FF00, 0x00FF0000}, {0x11, 0x22, 0x33, 0x00}};
  Expect(masksAfterHeader, {0x112233}, "masks after the header");
}

TEST(BitmapReader, RunLengthDataPaintsWhatItReaches) {
  // 4 x 3, RLE8, bottom row first: a run of 3, an early row end; a literal of
  // 3 (padded), a delta one row up; one pixel, then the data ends with no end
  // code (the end of the file closes it).
  const std::vector<std::uint32_t> pal = {R, G, B, Y};
  Form rle8{40, 4, 3, 8, 1, pal, 0, {}, {3, 1, 0, 0, 0, 3, 2, 3, 0, 0, 0, 2, 0, 1, 1, 1}};
  Expect(rle8, {W, W, W, G,  //
                B, Y, R, W,  //
                G, G, G, W},
         "RLE8");
  // RLE4: a run alternates its two colours from wherever it starts; a literal
  // of 3 nibbles after a delta to an odd column.
  Form rle4{40, 5, 2, 4, 2, pal, 0, {}, {3, 0x12, 0, 0, 0, 2, 1, 0, 0, 3, 0x32, 0x10, 0, 1}};
  Expect(rle4, {W, Y, B, G, W,  //
                G, B, G, W, W},
         "RLE4");
  // A literal that runs to the file's end paints nothing of its row.
  Form cut{40, 4, 1, 8, 1, pal, 0, {}, {0, 6, 1, 2}};
  Expect(cut, {W, W, W, W}, "cut literal");
}

TEST(BitmapReader, AFewRunLengthBytesClaimingAHugeBitmapDrawWhatTheyPaint) {
  // 4000 x 3000 from a few kilobytes: the bottom 100 rows red, a delta up and
  // across, four blue pixels, then the end. Drawn at 40 x 30, as a back
  // picture is, without the whole bitmap ever being played out.
  Form f{40, 4000, 3000, 8, 1, {R, B}, 0, {}, {}};
  for (int row = 0; row < 100; ++row) {
    for (int i = 0; i < 16; ++i) f.bits.insert(f.bits.end(), {250, 0});
    f.bits.insert(f.bits.end(), {0, 0});
  }
  f.bits.insert(f.bits.end(), {0, 2, 200, 255, 4, 1, 0, 1});
  const Bytes file = File(f);
  auto p = DecodePicture(PictureFormat::kBitmap, file);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Extent(), (PictureExtent{4000, 3000, 0}));
  Bitmap b(40, 30);
  p->Draw(b.Dc(), TRect{0, 0, 40, 30});
  for (int x = 0; x < 40; ++x) ASSERT_EQ(b.Pixel(x, 29), R) << x;
  EXPECT_EQ(b.Pixel(0, 0), W);
  EXPECT_EQ(b.Pixel(20, 15), W);
  // The rows the picture showed are those a full read gives.
  const auto full = ReadBitmapFile(file);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->Pixel(3999, 2999), R);
  EXPECT_EQ(full->Pixel(0, 2900), R);
  EXPECT_EQ(full->Pixel(0, 2899), W);
  EXPECT_EQ(full->Pixel(200, 2899 - 255), B);
  EXPECT_EQ(full->Pixel(203, 2899 - 255), B);
  EXPECT_EQ(full->Pixel(204, 2899 - 255), W);
  EXPECT_EQ(full->Pixel(0, 0), W);
}

TEST(BitmapReader, StretchedBitmapsPickThePixelsOfTheContextsOwnStretch) {
  // Every source pixel its own colour; each destination pixel shows which one
  // the picture took, against the context's StretchBlt of the same pixels (on
  // Windows: GDI's COLORONCOLOR stretch).
  constexpr int kW = 7, kH = 5;
  Form f{40, kW, kH, 24, 0, {}, 0, {}, {}};
  Bitmap source(kW, kH);
  for (int y = kH - 1; y >= 0; --y) {
    for (int x = 0; x < kW; ++x) {
      const std::uint32_t c = static_cast<std::uint32_t>(x * 20 + 1) << 16 | static_cast<std::uint32_t>(y * 30 + 1);
      f.bits.insert(f.bits.end(), {static_cast<std::uint8_t>(c), 0, static_cast<std::uint8_t>(c >> 16)});
      source.Dc().SetPixel(x, y, Rgb(static_cast<int>(c >> 16), 0, static_cast<int>(c & 0xFF)));
    }
    f.bits.resize((f.bits.size() + 3) / 4 * 4, 0);
  }
  auto picture = DecodePicture(PictureFormat::kBitmap, File(f));
  ASSERT_TRUE(picture);
  for (const auto& [dw, dh] : {std::pair{3, 2}, {6, 4}, {7, 5}, {8, 6}, {13, 11}, {22, 9}, {2, 17}, {1, 1}}) {
    Bitmap a(dw + 2, dh + 2), b(dw + 2, dh + 2);
    picture->Draw(a.Dc(), TRect{1, 1, 1 + dw, 1 + dh});
    b.Dc().StretchBlt(TRect{1, 1, 1 + dw, 1 + dh}, source, TRect{0, 0, kW, kH});
    for (int y = 0; y < dh + 2; ++y)
      for (int x = 0; x < dw + 2; ++x) ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << dw << " x " << dh << " at " << x << ", " << y;
  }
}

}  // namespace
}  // namespace pg::platform
