// Metafiles written record by record and played onto a bitmap: where things
// land, what each pen, brush and state record does, and records that lie about
// what they hold.
#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/metafile/emf_records.h"
#include "platform/metafile/play_metafile.h"
#include "platform/metafile/wmf_records.h"
#include "platform/picture_files.h"
#include "support/metafile_writer.h"

namespace pg::platform {
namespace {

using metafile::PlayEmf;
using metafile::PlayWmf;
using testing::EmfWriter;
using testing::WmfWriter;
namespace emr = metafile::emr;
namespace wmr = metafile::wmr;

// Colours as records store them (0x00BBGGRR) and as bitmaps report them.
constexpr std::int32_t kRedRef = 0x0000FF, kBlueRef = 0xFF0000, kBlackRef = 0;
constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF, kBlack = 0, kGreen = 0x00FF00;
constexpr std::int32_t kNullPen = static_cast<std::int32_t>(emr::kStockObject | 8);

EmfWriter& SolidBrush(EmfWriter& w, int index, std::int32_t colour) {
  return w.Record(emr::kCreateBrushIndirect, {index, 0, colour, 0}).Record(emr::kSelectObject, {index});
}

std::unique_ptr<Bitmap> PlayedEmf(const std::vector<std::uint8_t>& emf, int width, int height) {
  auto b = std::make_unique<Bitmap>(width, height);
  EXPECT_TRUE(PlayEmf(emf, b->Dc(), TRect{0, 0, width, height}));
  return b;
}

// An EXTCREATEFONTINDIRECTW body for object 1: Arial of `height`, turned by
// `escapement` tenths of a degree; `flags` is the LOGFONT word of italic,
// underline, strike-out and charset bytes.
std::vector<std::uint8_t> ArialRecord(int height, int escapement = 0, std::int32_t flags = 0) {
  auto record = EmfWriter::Words({1, height, 0, escapement, escapement, 400, flags});
  for (const char16_t c : std::u16string(u"Arial") + std::u16string(27, u'\0')) {
    record.push_back(static_cast<std::uint8_t>(c));
    record.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return record;
}

int Count(const Bitmap& b, std::uint32_t colour, const TRect& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += b.Pixel(x, y) == colour;
  return n;
}

TEST(MetafilePlayer, FrameStretchesOntoTheDestinationAndUnpaintedPartsShowThrough) {
  EmfWriter w(100, 50);
  w.Record(emr::kSelectObject, {kNullPen});
  SolidBrush(w, 1, kBlueRef).Record(emr::kRectangle, {0, 0, 50, 50});
  const auto picture = DecodePicture(PictureFormat::kEnhancedMetafile, w.Finish());
  ASSERT_TRUE(picture);
  Bitmap b(240, 120);
  b.Dc().SetBrush(Brush{BrushStyle::bsSolid, 0x00FF00, nullptr});
  b.Dc().FillRect(TRect{0, 0, 240, 120});
  picture->Draw(b.Dc(), TRect{20, 10, 220, 110});  // twice the picture's size
  EXPECT_EQ(b.Pixel(25, 15), kBlue);
  EXPECT_EQ(b.Pixel(110, 100), kBlue);
  EXPECT_EQ(b.Pixel(125, 60), kGreen);  // right of the rectangle: left as it was
  EXPECT_EQ(b.Pixel(10, 5), kGreen);    // outside the destination
  // Drawn again at the same size, from the kept playing: the same pixels.
  Bitmap again(240, 120);
  again.Dc().SetBrush(Brush{BrushStyle::bsSolid, 0x00FF00, nullptr});
  again.Dc().FillRect(TRect{0, 0, 240, 120});
  picture->Draw(again.Dc(), TRect{20, 10, 220, 110});
  for (int y = 0; y < 120; y += 7)
    for (int x = 0; x < 240; x += 5) ASSERT_EQ(again.Pixel(x, y), b.Pixel(x, y)) << x << "," << y;
}

TEST(MetafilePlayer, WindowsMetafileMapsItsWindowOntoTheDestination) {
  // A window twice the placeable box: the box's size places, the window maps.
  WmfWriter w(100, 50);
  w.Record(wmr::kSetWindowExt, {100, 200})
      .Record(wmr::kCreateBrushIndirect, {0, static_cast<std::int16_t>(kBlueRef & 0xFFFF), static_cast<std::int16_t>(kBlueRef >> 16), 0})
      .Record(wmr::kSelectObject, {0})
      .Record(wmr::kRectangle, {100, 100, 0, 0});  // bottom, right, top, left
  const auto wmf = w.Finish();
  const auto picture = DecodePicture(PictureFormat::kWindowsMetafile, wmf);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Extent(), (PictureExtent{100, 50, 96}));
  Bitmap b(200, 100);
  ASSERT_TRUE(PlayWmf(wmf, b.Dc(), TRect{0, 0, 200, 100}));
  EXPECT_EQ(b.Pixel(50, 50), kBlue);
  EXPECT_EQ(b.Pixel(98, 98), kBlue);
  EXPECT_EQ(b.Pixel(150, 50), kWhite);
}

TEST(MetafilePlayer, WindowsMetafileViewportsRegionsAndPensFollowTheRecordingDevice) {
  // 100 x 50 at 96 units an inch: 100 x 50 pixels of the recording device,
  // played three times as wide and twice as high.
  WmfWriter w(100, 50);
  w.Record(wmr::kSetMapMode, {8})
      .Record(wmr::kCreatePenIndirect, {5, 0, 0, 0, 0})  // null pen, slot 0
      .Record(wmr::kSelectObject, {0})
      .Record(wmr::kCreateBrushIndirect, {0, static_cast<std::int16_t>(kBlueRef & 0xFFFF),
                                          static_cast<std::int16_t>(kBlueRef >> 16), 0})  // slot 1
      .Record(wmr::kSelectObject, {1})
      // The viewport's origin moves 50 recording pixels right: 150 here.
      .Record(wmr::kSetViewportOrg, {0, 50})
      .Record(wmr::kRectangle, {11, 11, 0, 0})
      .Record(wmr::kSetViewportOrg, {0, 0});
  // A region of one scan, (0, 30)-(20, 40), filled with a red brush: the
  // record holds the brush before the region.
  w.Record(wmr::kCreateBrushIndirect, {0, static_cast<std::int16_t>(kRedRef), 0, 0});  // slot 2
  w.Record(wmr::kCreateRegion, {0, 6, 0, 0, 34, 1, 1, 0, 30, 20, 40,  // header, box
                                2, 30, 40, 0, 20, 2});                 // the scan
  w.Record(wmr::kFillRegion, {2, 3});
  // A solid pen 4 units wide on a horizontal line: GDI widens it by the
  // horizontal scale (12 pixels), not by the vertical one (8).
  w.Record(wmr::kCreatePenIndirect, {0, 4, 0, 0, 0})  // slot 4
      .Record(wmr::kSelectObject, {4})
      .Record(wmr::kMoveTo, {20, 40})
      .Record(wmr::kLineTo, {20, 90});
  const auto wmf = w.Finish();
  Bitmap b(300, 100);
  ASSERT_TRUE(PlayWmf(wmf, b.Dc(), TRect{0, 0, 300, 100}));
  EXPECT_EQ(b.Pixel(155, 5), kBlue);
  EXPECT_EQ(b.Pixel(20, 5), kWhite);
  EXPECT_EQ(b.Pixel(30, 70), kRed);
  EXPECT_EQ(b.Pixel(70, 70), kWhite);
  int thickness = 0;
  for (int y = 0; y < 100; ++y) thickness += b.Pixel(200, y) == kBlack;
  EXPECT_EQ(thickness, 12);
}

TEST(MetafilePlayer, GeometricPensDrawTheirEndsAndJoins) {
  // 0x2200: flat ends, mitred joins; 0x1100: square ends, bevelled joins.
  for (const std::int32_t style : {0x12200, 0x11100, 0x10000}) {
    EmfWriter w(100, 50);
    w.Record(emr::kExtCreatePen, {1, 0, 0, 0, 0, style, 10, 0, kRedRef, 0, 0})
        .Record(emr::kSelectObject, {1})
        .Record(emr::kMoveToEx, {20, 25})
        .Record(emr::kLineTo, {80, 25});
    const auto b = PlayedEmf(w.Finish(), 100, 50);
    EXPECT_EQ(b->Pixel(50, 25), kRed) << style;
    EXPECT_EQ(b->Pixel(50, 21), kRed) << style;
    EXPECT_EQ(b->Pixel(50, 16), kWhite) << style;
    // Beyond the ends: nothing for flat, half the width for square and round.
    EXPECT_EQ(b->Pixel(16, 25) == kRed, style != 0x12200) << style;
    EXPECT_EQ(b->Pixel(84, 25) == kRed, style != 0x12200) << style;
    EXPECT_EQ(b->Pixel(13, 25), kWhite) << style;
  }
  // A mitred corner reaches its point; a bevelled one is cut.
  for (const std::int32_t style : {0x12200, 0x11200}) {
    EmfWriter w(100, 100);
    w.Record(emr::kExtCreatePen, {1, 0, 0, 0, 0, style, 10, 0, kRedRef, 0, 0})
        .Record(emr::kSelectObject, {1})
        .Record(emr::kMoveToEx, {20, 80})
        .Record(emr::kLineTo, {20, 20})
        .Record(emr::kLineTo, {80, 20});
    // One polyline, so the corner is a join.
    EmfWriter p(100, 100);
    p.Record(emr::kExtCreatePen, {1, 0, 0, 0, 0, style, 10, 0, kRedRef, 0, 0})
        .Record(emr::kSelectObject, {1})
        .Record(emr::kPolyline, {0, 0, 0, 0, 3, 20, 80, 20, 20, 80, 20});
    const auto b = PlayedEmf(p.Finish(), 100, 100);
    EXPECT_EQ(b->Pixel(20, 50), kRed);
    EXPECT_EQ(b->Pixel(16, 16) == kRed, style == 0x12200) << style;
  }
}

TEST(MetafilePlayer, WideGeometricPensDrawTheirDashes) {
  // A geometric dashed pen 4 pixels wide with flat ends: dashes of three widths,
  // gaps of one; a user style of 10 on, 6 off. Both lines run from x = 10.
  // Geometric, flat ends, mitred joins; dashed (1) and user-styled (7).
  constexpr std::int32_t kFlatDash = 0x12201, kFlatUser = 0x12207;
  EmfWriter w(100, 50);
  w.Record(emr::kExtCreatePen, {1, 0, 0, 0, 0, kFlatDash, 4, 0, kRedRef, 0, 0})
      .Record(emr::kSelectObject, {1})
      .Record(emr::kMoveToEx, {10, 10})
      .Record(emr::kLineTo, {90, 10})
      .Record(emr::kExtCreatePen, {2, 0, 0, 0, 0, kFlatUser, 4, 0, kBlueRef, 0, 2, 10, 6})
      .Record(emr::kSelectObject, {2})
      .Record(emr::kMoveToEx, {10, 30})
      .Record(emr::kLineTo, {90, 30});
  const auto emf = w.Finish();
  const auto b = PlayedEmf(emf, 100, 50);
  EXPECT_EQ(b->Pixel(15, 10), kRed);    // the first dash, 10 .. 22
  EXPECT_EQ(b->Pixel(24, 10), kWhite);  // the gap, 22 .. 26
  EXPECT_EQ(b->Pixel(30, 10), kRed);    // the next dash from 26
  EXPECT_EQ(b->Pixel(15, 30), kBlue);   // 10 .. 20 on
  EXPECT_EQ(b->Pixel(23, 30), kWhite);  // 20 .. 26 off
  EXPECT_EQ(b->Pixel(28, 30), kBlue);   // 26 .. 36 on
  // Played twice as large, the pen is twice as wide but a user style's lengths
  // stay pixels, as GDI takes them: on 20 .. 30, off to 36, on again.
  Bitmap twice(200, 100);
  EXPECT_TRUE(PlayEmf(emf, twice.Dc(), TRect{0, 0, 200, 100}));
  EXPECT_EQ(twice.Pixel(25, 60), kBlue);
  EXPECT_EQ(twice.Pixel(33, 60), kWhite);
  EXPECT_EQ(twice.Pixel(40, 60), kBlue);
  // Round ends: each dash gives a width to its gap, so what shows is still three
  // widths on and one off (dash cores 10 .. 18 and 26 .. 34, ends 2 wide).
  EmfWriter r(100, 50);
  r.Record(emr::kExtCreatePen, {1, 0, 0, 0, 0, 0x10001, 4, 0, kRedRef, 0, 0})
      .Record(emr::kSelectObject, {1})
      .Record(emr::kMoveToEx, {10, 25})
      .Record(emr::kLineTo, {90, 25});
  const auto round = PlayedEmf(r.Finish(), 100, 50);
  EXPECT_EQ(round->Pixel(14, 25), kRed);
  EXPECT_EQ(round->Pixel(22, 25), kWhite);
  EXPECT_EQ(round->Pixel(30, 25), kRed);
}

TEST(MetafilePlayer, LinesFarLongerThanTheSurfaceShowWhereTheyCrossIt) {
  // Lines reaching millions of pixels beyond the picture, drawn only near it:
  // a horizontal one, and a triangle whose corners lie far outside.
  EmfWriter w(100, 50);
  w.Record(emr::kMoveToEx, {-3000000, 40}).Record(emr::kLineTo, {3000000, 40});
  SolidBrush(w, 1, kBlueRef).Record(emr::kPolygon, {0, 0, 0, 0, 3, -3000000, 30, 3000000, 30, 50, -3000000});
  auto b = std::make_unique<Bitmap>(100, 50);
  EXPECT_TRUE(PlayEmf(w.Finish(), b->Dc(), TRect{0, 0, 100, 50}, metafile::kDefaultWorkBudget, TSize{100, 50}));
  for (int x = 0; x < 100; x += 9) ASSERT_EQ(b->Pixel(x, 40), kBlack) << x;
  EXPECT_EQ(b->Pixel(50, 20), kBlue);   // inside the triangle
  EXPECT_EQ(b->Pixel(50, 30), kBlack);  // its outline along y = 30
  EXPECT_EQ(b->Pixel(50, 35), kWhite);  // below it
}

TEST(MetafilePlayer, HatchedBrushesFillPathsWithTheirHatch) {
  EmfWriter w(100, 50);
  w.Record(emr::kSetBkMode, {1})
      .Record(emr::kCreateBrushIndirect, {1, 2, kBlackRef, 4})  // cross hatch
      .Record(emr::kSelectObject, {1})
      .Record(emr::kBeginPath, {})
      .Record(emr::kRectangle, {10, 10, 90, 40})
      .Record(emr::kEndPath, {})
      .Record(emr::kFillPath, {10, 10, 90, 40});
  const auto b = PlayedEmf(w.Finish(), 100, 50);
  const TRect inside{12, 12, 88, 38};
  const int black = Count(*b, kBlack, inside), white = Count(*b, kWhite, inside);
  EXPECT_GT(black, 300);
  EXPECT_GT(white, 3 * black);  // lines every 8 pixels, not a solid fill
  EXPECT_EQ(black + white, inside.Width() * inside.Height());
}

TEST(MetafilePlayer, PolygonFillModesDecideAboutNestedRings) {
  for (const int mode : {1, 2}) {
    EmfWriter w(100, 100);
    w.Record(emr::kSelectObject, {kNullPen}).Record(emr::kSetPolyFillMode, {mode});
    SolidBrush(w, 1, kBlueRef);
    // Two squares turning the same way, one inside the other (16-bit points).
    w.Record(emr::kPolyPolygon16, {0, 0, 0, 0, 2, 8, 4, 4, 10 | 10 << 16, 90 | 10 << 16, 90 | 90 << 16, 10 | 90 << 16,
                                   30 | 30 << 16, 70 | 30 << 16, 70 | 70 << 16, 30 | 70 << 16});
    const auto b = PlayedEmf(w.Finish(), 100, 100);
    EXPECT_EQ(b->Pixel(20, 20), kBlue) << mode;
    EXPECT_EQ(b->Pixel(50, 50), mode == 1 ? kWhite : kBlue) << mode;
    EXPECT_EQ(b->Pixel(95, 50), kWhite) << mode;
  }
}

TEST(MetafilePlayer, SaveAndRestoreBringBackObjectsAndTransforms) {
  EmfWriter w(100, 100);
  w.Record(emr::kSelectObject, {kNullPen});
  w.Record(emr::kCreateBrushIndirect, {1, 0, kRedRef, 0}).Record(emr::kCreateBrushIndirect, {2, 0, kBlueRef, 0});
  w.Record(emr::kSelectObject, {1}).Record(emr::kSaveDc, {});
  w.Record(emr::kSelectObject, {2}).Record(emr::kSaveDc, {});
  w.Record(emr::kSetWindowOrgEx, {50, 50});
  w.Record(emr::kRestoreDc, {1});  // absolute: the first saved state
  w.Record(emr::kRectangle, {0, 0, 40, 40});
  // Restoring past what was saved changes nothing.
  w.Record(emr::kRestoreDc, {-5}).Record(emr::kSelectObject, {2}).Record(emr::kRectangle, {60, 60, 100, 100});
  // Far more saves than the stack holds do no harm.
  for (int i = 0; i < 3000; ++i) w.Record(emr::kSaveDc, {});
  const auto b = PlayedEmf(w.Finish(), 100, 100);
  EXPECT_EQ(b->Pixel(20, 20), kRed);
  EXPECT_EQ(b->Pixel(80, 80), kBlue);
}

TEST(MetafilePlayer, WorldTransformsScaleRotateAndCompose) {
  const auto f = [](float v) { return std::bit_cast<std::int32_t>(v); };
  EmfWriter w(100, 100);
  w.Record(emr::kSelectObject, {kNullPen});
  SolidBrush(w, 1, kBlueRef);
  // Twice the size, moved by (10, 10); then moved again by 20 in x first.
  w.Record(emr::kSetWorldTransform, {f(2), 0, 0, f(2), f(10), f(10)});
  w.Record(emr::kModifyWorldTransform, {f(1), 0, 0, f(1), f(20), 0, 2});
  w.Record(emr::kRectangle, {0, 0, 10, 10});  // covers 50..70 x 10..30
  // A quarter turn about the origin, then moved: the square lands below.
  w.Record(emr::kSetWorldTransform, {0, f(1), f(-1), 0, f(30), f(50)});
  w.Record(emr::kRectangle, {0, 0, 20, 20});  // covers 10..30 x 50..70
  const auto b = PlayedEmf(w.Finish(), 100, 100);
  EXPECT_EQ(b->Pixel(60, 20), kBlue);
  EXPECT_EQ(b->Pixel(20, 20), kWhite);
  EXPECT_EQ(b->Pixel(20, 60), kBlue);
  EXPECT_EQ(b->Pixel(40, 60), kWhite);
}

// Text is what the context itself draws for the same bytes and font.
std::unique_ptr<Bitmap> DirectText(std::string_view bytes, int charset) {
  auto b = std::make_unique<Bitmap>(120, 40);
  Font font;
  font.face = "Arial";
  font.height = -20;
  font.charset = charset;
  b->Dc().SetFont(font);
  b->Dc().SetTextColor(0x0000FF);
  b->Dc().SetBkMode(kTransparent);
  b->Dc().TextOutAt(5, 5, bytes);
  return b;
}

void ExpectSame(const Bitmap& a, const Bitmap& b, const char* what) {
  int differ = 0, red = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      differ += a.Pixel(x, y) != b.Pixel(x, y);
      red += a.Pixel(x, y) == kRed;
    }
  EXPECT_EQ(differ, 0) << what;
  EXPECT_GT(red, 40) << what;
}

TEST(MetafilePlayer, TextIsDrawnInTheFontsCodePage) {
  const std::string privet = "\xCF\xF0\xE8\xE2\xE5\xF2";  // "Привет" in 1251
  {
    // WMF TEXTOUT with a Cyrillic font, and "R&D <1>" in a Western one.
    for (const auto& [text, charset] : {std::pair{privet, 204}, std::pair{std::string("R&D <1>"), 0}}) {
      WmfWriter w(120, 40);
      std::vector<std::uint8_t> font(50, 0);
      font[0] = static_cast<std::uint8_t>(-20);
      font[1] = 0xFF;
      font[8] = 400 & 0xFF;
      font[9] = 400 >> 8;
      font[13] = static_cast<std::uint8_t>(charset);
      std::string face = "Arial";
      std::copy(face.begin(), face.end(), font.begin() + 18);
      std::vector<std::uint8_t> out{static_cast<std::uint8_t>(text.size()), 0};
      out.insert(out.end(), text.begin(), text.end());
      if (out.size() % 2) out.push_back(0);
      for (const int v : {5, 5}) out.insert(out.end(), {static_cast<std::uint8_t>(v), 0});  // y, x
      w.Raw(wmr::kCreateFontIndirect, font)
          .Record(wmr::kSelectObject, {0})
          .Record(wmr::kSetBkMode, {1})
          .Record(wmr::kSetTextColor, {0xFF, 0})
          .Raw(wmr::kTextOut, out);
      Bitmap b(120, 40);
      ASSERT_TRUE(PlayWmf(w.Finish(), b.Dc(), TRect{0, 0, 120, 40}));
      ExpectSame(b, *DirectText(text, charset), text.c_str());
    }
  }
  // EMF EXTTEXTOUTW in UTF-16 with a Western font: drawn in the code page that
  // holds the text, Cyrillic or Greek.
  const std::string omega = "\xD9\xEC\xDD\xE3\xE1";  // "Ωμέγα" in 1253
  for (const auto& [text, bytes, charset] :
       {std::tuple{std::u16string(u"Привет"), privet, 204}, std::tuple{std::u16string(u"Ωμέγα"), omega, 161}}) {
    EmfWriter w(120, 40);
    auto fontRecord = EmfWriter::Words({1, -20, 0, 0, 0, 400, 0});  // charset 0 in the last word's top byte
    const std::u16string face = u"Arial";
    for (std::size_t i = 0; i < 32; ++i) {
      const char16_t c = i < face.size() ? face[i] : 0;
      fontRecord.push_back(static_cast<std::uint8_t>(c));
      fontRecord.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    auto out =
        EmfWriter::Words({0, 0, 0, 0, 1, 0, 0, 5, 5, static_cast<std::int32_t>(text.size()), 76, 0, 0, 0, 0, 0, 0});
    for (const char16_t c : text) {
      out.push_back(static_cast<std::uint8_t>(c));
      out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    w.Raw(emr::kExtCreateFontIndirectW, fontRecord)
        .Record(emr::kSelectObject, {1})
        .Record(emr::kSetBkMode, {1})
        .Record(emr::kSetTextColor, {kRedRef})
        .Raw(emr::kExtTextOutW, out);
    ExpectSame(*PlayedEmf(w.Finish(), 120, 40), *DirectText(bytes, charset), "EXTTEXTOUTW");
  }
  // Greek glyphs, not question marks: "?????" in the same font looks otherwise.
  const auto marks = DirectText("?????", 0), greek = DirectText(omega, 161);
  int differ = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) differ += marks->Pixel(x, y) != greek->Pixel(x, y);
  EXPECT_GT(differ, 40);
}

// A line no one code page holds ("ЖΩ€", Cyrillic, Greek and the euro), placed
// by its spacing: each character in a code page that holds it, where the
// spacing puts it.
TEST(MetafilePlayer, MixedUnicodeTextTakesACodePageACharacter) {
  EmfWriter w(120, 40);
  auto out = EmfWriter::Words({0, 0, 0, 0, 1, 0, 0, 5, 5, 3, 76, 0, 0, 0, 0, 0, 84});  // the spacing at 84
  for (const char16_t c : std::u16string(u"ЖΩ€")) {
    out.push_back(static_cast<std::uint8_t>(c));
    out.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  out.resize(out.size() + 2);  // to a whole word
  for (const std::int32_t dx : {30, 30, 30})
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(dx >> (8 * k)));
  w.Raw(emr::kExtCreateFontIndirectW, ArialRecord(-20))
      .Record(emr::kSelectObject, {1})
      .Record(emr::kSetBkMode, {1})
      .Record(emr::kSetTextColor, {kRedRef})
      .Raw(emr::kExtTextOutW, out);
  const auto played = PlayedEmf(w.Finish(), 120, 40);
  auto expected = std::make_unique<Bitmap>(120, 40);
  Font font;
  font.face = "Arial";
  font.height = -20;
  expected->Dc().SetTextColor(0x0000FF);
  expected->Dc().SetBkMode(kTransparent);
  for (const auto& [x, byte, charset] : {std::tuple{5, "\xC6", 204}, std::tuple{35, "\xD9", 161}, std::tuple{65, "\x80", 0}}) {
    font.charset = charset;
    expected->Dc().SetFont(font);
    expected->Dc().TextOutAt(x, 5, byte);
  }
  ExpectSame(*played, *expected, "ЖΩ€");
}

TEST(MetafilePlayer, EscapementTurnsTheLineAboutItsReferencePoint) {
  EmfWriter w(100, 100);
  const auto fontRecord = ArialRecord(-20, 900);  // a quarter turn
  auto out = EmfWriter::Words({0, 0, 0, 0, 1, 0, 0, 50, 90, 4, 76, 0, 0, 0, 0, 0, 0, 0x4D004D, 0x4D004D});
  w.Raw(emr::kExtCreateFontIndirectW, fontRecord)
      .Record(emr::kSelectObject, {1})
      .Record(emr::kSetBkMode, {1})
      .Record(emr::kSetTextColor, {kRedRef})
      .Raw(emr::kExtTextOutW, out);
  const auto b = PlayedEmf(w.Finish(), 100, 100);
  // "MMMM" runs upwards from (50, 90); the tops of its letters face left, at the reference.
  const TRect line{48, 20, 76, 92};
  EXPECT_GT(Count(*b, kRed, line), 60);
  EXPECT_EQ(Count(*b, kRed, TRect{0, 0, 100, 100}), Count(*b, kRed, line));
  EXPECT_EQ(Count(*b, kRed, TRect{48, 20, 76, 50}) > 0, Count(*b, kRed, TRect{48, 60, 76, 92}) > 0);
}

TEST(MetafilePlayer, TurnedLinesFollowAPageThatStretchesOneAxisMore) {
  // Played twice as wide and half as high as recorded: a line turned a
  // quarter runs down the page's vertical scale (its spacings of 20 units
  // become 10 pixels, not 40), and one turned by 45 degrees shows at the
  // angle the stretch gives it, well under 45.
  const auto played = [](int escapement, bool upsideDown = false) {
    const auto f = [](float v) { return std::bit_cast<std::int32_t>(v); };
    EmfWriter w(100, 100);
    if (upsideDown) w.Record(emr::kSetWorldTransform, {f(-1), 0, 0, f(-1), f(100), f(100)});
    const auto fontRecord = ArialRecord(-20, escapement);
    auto out = EmfWriter::Words({0, 0, 0, 0, 1, 0, 0, 20, 90, 4, 76, 0, 0, 0, 0, 0, 84, 0x4D004D, 0x4D004D,
                                 20, 20, 20, 20});
    w.Raw(emr::kExtCreateFontIndirectW, fontRecord)
        .Record(emr::kSelectObject, {1})
        .Record(emr::kSetBkMode, {1})
        .Record(emr::kSetTextColor, {kRedRef})
        .Raw(emr::kExtTextOutW, out);
    return PlayedEmf(w.Finish(), 200, 50);
  };
  const auto inkBox = [](const Bitmap& b) {
    TRect r{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (b.Pixel(x, y) == kRed)
          r = TRect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
    return r;
  };
  const TRect upright = inkBox(*played(900));
  EXPECT_GE(upright.Height(), 34);  // 40 pixels of advances, less the last letter's unused part
  EXPECT_LE(upright.Height(), 46);
  EXPECT_GT(upright.top, 0);  // not run off the top
  const TRect slanted = inkBox(*played(450));
  ASSERT_GT(slanted.Width(), 0);
  // tan 14 degrees: the line rises about a quarter of its run.
  EXPECT_LT(slanted.Height() * 2, slanted.Width());
  // Under a world transform the glyphs take the whole map: turned upside down
  // (about the middle, so the line runs left from x = 160), each M is four
  // times as wide for its height as upright and fills more than half of the
  // 40 pixels its spacing gives it (kept upright, under a fifth).
  const auto turned = played(0, true);
  const TRect whole = inkBox(*turned);
  EXPECT_GE(whole.Width(), 140);
  EXPECT_LE(whole.right, 162);
  int inked = 0;
  for (int x = whole.left; x < whole.right; ++x)
    for (int y = whole.top; y < whole.bottom; ++y)
      if (turned->Pixel(x, y) == kRed) {
        ++inked;
        break;
      }
  EXPECT_GT(inked * 2, whole.Width());
}

TEST(MetafilePlayer, OpaqueBoxTurnsWithTheLine) {
  // Turned 45 degrees about (50, 20), the box 0..40 x 0..10 behind "M" is a
  // turned rectangle: it reaches (75, 47) and leaves out (55, 45) and (52, 48),
  // the opposite of an upright box between its turned corners.
  const auto f = [](float v) { return std::bit_cast<std::int32_t>(v); };
  constexpr float kHalfRoot = 0.70710678f;
  EmfWriter w(100, 100);
  w.Record(emr::kSetWorldTransform, {f(kHalfRoot), f(kHalfRoot), f(-kHalfRoot), f(kHalfRoot), f(50), f(20)})
      .Record(emr::kSetBkColor, {kBlueRef})
      .Raw(emr::kExtTextOutW, EmfWriter::Words({0, 0, 0, 0, 2, 0, 0, 0, 0, 1, 76, 2, 0, 0, 40, 10, 0, 0x4D}));
  const auto b = PlayedEmf(w.Finish(), 100, 100);
  EXPECT_EQ(b->Pixel(75, 47), kBlue);
  EXPECT_EQ(b->Pixel(60, 35), kBlue);
  EXPECT_NE(b->Pixel(55, 45), kBlue);
  EXPECT_NE(b->Pixel(52, 48), kBlue);
}

TEST(MetafilePlayer, SpacedLinesKeepTheirBackgroundAndBarsWhole) {
  // "MMMM" spaced 30 apart at 12 pixels: between the letters lie gaps of
  // about 20 pixels, which the opaque background and the underline and
  // strike-out still cross.
  const auto played = [](bool opaque, bool bars, std::int32_t spacing = 30) {
    EmfWriter w(160, 40);
    const auto fontRecord = ArialRecord(-12, 0, bars ? 0x00010100 : 0);  // underlined, struck out
    auto out = EmfWriter::Words({0, 0, 0, 0, 1, 0, 0, 10, 10, 4, 76, 0, 0, 0, 0, 0, 84, 0x4D004D, 0x4D004D,
                                 spacing, spacing, spacing, spacing});
    w.Raw(emr::kExtCreateFontIndirectW, fontRecord)
        .Record(emr::kSelectObject, {1})
        .Record(emr::kSetBkMode, {opaque ? 2 : 1})
        .Record(emr::kSetBkColor, {kBlueRef})
        .Record(emr::kSetTextColor, {kRedRef})
        .Raw(emr::kExtTextOutW, out);
    return PlayedEmf(w.Finish(), 160, 40);
  };
  // Columns of the gaps between the letters that hold `colour` somewhere.
  const auto crossed = [](const Bitmap& b, std::uint32_t colour) {
    int n = 0;
    for (int gap = 0; gap < 3; ++gap)
      for (int x = 10 + 30 * gap + 16; x < 10 + 30 * gap + 28; ++x) {
        bool any = false;
        for (int y = 0; y < 40; ++y) any = any || b.Pixel(x, y) == colour;
        n += any;
      }
    return n;
  };
  EXPECT_EQ(crossed(*played(true, false), kBlue), 36);
  // Underline and strike-out: two red rows across every gap column.
  const auto barred = played(false, true);
  EXPECT_EQ(crossed(*barred, kRed), 36);
  EXPECT_EQ(Count(*barred, kRed, TRect{26, 0, 38, 40}), 2 * 12);
  EXPECT_EQ(crossed(*played(false, false), kRed), 0);
  // Spacing of two billion units would take hundreds of millions of spaces:
  // the line's first letter is drawn, and the play ends at once.
  const auto far = played(true, true, 2'000'000'000);
  EXPECT_GT(Count(*far, kRed, TRect{0, 0, 40, 40}), 10);
}

TEST(MetafilePlayer, WidenedPathCoversWhatThePenStrokes) {
  // A bent line with a 10-unit pen, drawn twice as wide as recorded: widened
  // and filled, it covers the pixels the same pen strokes (20 across), by
  // either fill mode: the widened path is one outline, not overlapping pieces.
  constexpr int kAlternate = 1, kWinding = 2;
  const auto played = [](bool widen, int fillMode) {
    EmfWriter w(100, 60);
    w.Record(emr::kSetPolyFillMode, {fillMode});
    w.Record(emr::kCreatePen, {1, 0, 10, 0, kRedRef}).Record(emr::kSelectObject, {1});
    SolidBrush(w, 2, kRedRef);
    w.Record(emr::kBeginPath, {})
        .Record(emr::kMoveToEx, {10, 50})
        .Record(emr::kLineTo, {50, 10})
        .Record(emr::kLineTo, {90, 50})
        .Record(emr::kEndPath, {});
    if (widen) w.Record(emr::kWidenPath, {}).Record(emr::kFillPath, {0, 0, 100, 60});
    else w.Record(emr::kStrokePath, {0, 0, 100, 60});
    return PlayedEmf(w.Finish(), 200, 60);
  };
  const auto widened = played(true, kWinding), stroked = played(false, kWinding);
  const int strokedRed = Count(*stroked, kRed, TRect{0, 0, 200, 60});
  EXPECT_GT(strokedRed, 2000);
  EXPECT_NEAR(Count(*widened, kRed, TRect{0, 0, 200, 60}), strokedRed, strokedRed / 50);
  int across = 0;
  for (int x = 0; x < 200; ++x) across += widened->Pixel(x, 30) == kRed;
  EXPECT_GE(across, 2 * 22);  // two legs, each wider than the unscaled 10
  EXPECT_EQ(Count(*played(true, kAlternate), kRed, TRect{0, 0, 200, 60}), Count(*widened, kRed, TRect{0, 0, 200, 60}));
  // Widened across 30 000 pixels of a surface of any size (as a recording
  // context plays it): the outline's mask would pass the play's budget, so the
  // play stops there rather than make it.
  EmfWriter huge(100, 60);
  huge.Record(emr::kCreatePen, {1, 0, 10, 0, kRedRef})
      .Record(emr::kSelectObject, {1})
      .Record(emr::kBeginPath, {})
      .Record(emr::kMoveToEx, {0, 0})
      .Record(emr::kLineTo, {30000, 30000})
      .Record(emr::kEndPath, {})
      .Record(emr::kWidenPath, {})
      .Record(emr::kFillPath, {0, 0, 100, 60});
  Bitmap b(100, 60);
  EXPECT_FALSE(PlayEmf(huge.Finish(), b.Dc(), TRect{0, 0, 100, 60}));
}

TEST(MetafilePlayer, PlainPensIgnoreEndAndJoinBits) {
  // Producers put flat ends and mitred joins (0x2200) in a plain pen's style;
  // GDI draws such a pen solid, with round ends and joins.
  WmfWriter w(100, 50);
  w.Record(wmr::kCreatePenIndirect, {0x2200, 8, 0, static_cast<std::int16_t>(kRedRef), 0})
      .Record(wmr::kSelectObject, {0})
      .Record(wmr::kPolyline, {3, 20, 40, 20, 10, 80, 10});
  Bitmap b(100, 50);
  ASSERT_TRUE(PlayWmf(w.Finish(), b.Dc(), TRect{0, 0, 100, 50}));
  EXPECT_EQ(b.Pixel(20, 25), kRed);
  EXPECT_EQ(b.Pixel(50, 10), kRed);
  EXPECT_EQ(b.Pixel(16, 6), kWhite);  // no mitred point
  EXPECT_EQ(b.Pixel(20, 43), kRed);   // a round end past the line's end
  EXPECT_EQ(b.Pixel(83, 10), kRed);
  // A dashed style with end bits is no plain style: the line comes out solid.
  EmfWriter e(100, 50);
  e.Record(emr::kCreatePen, {1, 0x2201, 1, 0, kRedRef})
      .Record(emr::kSelectObject, {1})
      .Record(emr::kMoveToEx, {10, 25})
      .Record(emr::kLineTo, {90, 25});
  const auto d = PlayedEmf(e.Finish(), 100, 50);
  EXPECT_EQ(Count(*d, kRed, TRect{10, 25, 90, 26}), 80);
}

TEST(MetafilePlayer, BitmapRecordsCopyTheirDibRightSideUp) {
  // 2 x 2, 24 bits, bottom row first: red, green; then blue, white.
  auto info = EmfWriter::Words({40, 2, 2, 1 | 24 << 16, 0, 16, 0, 0, 0, 0});
  const std::vector<std::uint8_t> bits{0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
  constexpr std::int32_t kFixed = 80;  // header fields of STRETCHDIBITS end here
  auto body = EmfWriter::Words({0, 0, 100, 50, 0, 0, 0, 0, 2, 2, kFixed, 40, kFixed + 40, 16, 0, 0x00CC0020, 100, 50});
  body.insert(body.end(), info.begin(), info.end());
  body.insert(body.end(), bits.begin(), bits.end());
  EmfWriter w(100, 50);
  w.Raw(emr::kStretchDiBits, body);
  const auto b = PlayedEmf(w.Finish(), 100, 50);
  EXPECT_EQ(b->Pixel(10, 10), kBlue);
  EXPECT_EQ(b->Pixel(90, 10), kWhite);
  EXPECT_EQ(b->Pixel(10, 40), kRed);
  EXPECT_EQ(b->Pixel(90, 40), kGreen);
}

// Ternary raster operations other than those the context copies with: each
// mixes the 2 x 2 DIB (blue, white over red, green), the blue brush and the
// green beneath bit by bit, as GDI's truth tables say.
TEST(MetafilePlayer, RasterOperationsMixSourcePatternAndDestination) {
  auto info = EmfWriter::Words({40, 2, 2, 1 | 24 << 16, 0, 16, 0, 0, 0, 0});
  const std::vector<std::uint8_t> bits{0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
  constexpr std::int32_t kFixed = 80;
  const auto stretch = [&](int left, std::int32_t rop) {
    auto body = EmfWriter::Words({0, 0, 0, 0, left, 0, 0, 0, 2, 2, kFixed, 40, kFixed + 40, 16, 0, rop, 20, 20});
    body.insert(body.end(), info.begin(), info.end());
    body.insert(body.end(), bits.begin(), bits.end());
    return body;
  };
  EmfWriter w(160, 20);
  w.Record(emr::kSelectObject, {kNullPen});
  SolidBrush(w, 1, 0x00FF00).Record(emr::kRectangle, {0, 0, 161, 21});
  SolidBrush(w, 2, kBlueRef);
  w.Raw(emr::kStretchDiBits, stretch(0, 0x00330008));    // NOTSRCCOPY: ~S
  w.Raw(emr::kStretchDiBits, stretch(20, 0x00440328));   // SRCERASE: S & ~D
  w.Raw(emr::kStretchDiBits, stretch(40, 0x001100A6));   // NOTSRCERASE: ~(S | D)
  w.Raw(emr::kStretchDiBits, stretch(60, 0x00C000CA));   // MERGECOPY: P & S
  w.Raw(emr::kStretchDiBits, stretch(80, 0x00BB0226));   // MERGEPAINT: ~S | D
  w.Raw(emr::kStretchDiBits, stretch(100, 0x00FB0A09));  // PATPAINT: P | ~S | D
  w.Raw(emr::kStretchDiBits, stretch(120, 0x00AA0029));  // D alone: nothing changes
  // Without a source: P & D (blue and green have no bit in common).
  w.Raw(emr::kBitBlt, EmfWriter::Words({0, 0, 0, 0, 140, 0, 20, 20, 0x00A000C9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                        0, 0}));
  const auto b = PlayedEmf(w.Finish(), 160, 20);
  EXPECT_EQ(b->Pixel(5, 5), 0xFFFF00u);     // ~blue
  EXPECT_EQ(b->Pixel(15, 15), 0xFF00FFu);   // ~green
  EXPECT_EQ(b->Pixel(25, 5), kBlue);        // blue & ~green
  EXPECT_EQ(b->Pixel(35, 5), 0xFF00FFu);    // white & ~green
  EXPECT_EQ(b->Pixel(45, 5), kRed);         // ~(blue | green)
  EXPECT_EQ(b->Pixel(65, 5), kBlue);        // blue & blue
  EXPECT_EQ(b->Pixel(75, 5), kBlue);        // blue & white
  EXPECT_EQ(b->Pixel(65, 15), kBlack);      // blue & red
  EXPECT_EQ(b->Pixel(85, 5), 0xFFFF00u);    // ~blue | green
  EXPECT_EQ(b->Pixel(95, 5), kGreen);       // ~white | green
  EXPECT_EQ(b->Pixel(115, 5), 0x00FFFFu);   // blue | ~white | green
  EXPECT_EQ(b->Pixel(125, 5), kGreen);
  EXPECT_EQ(b->Pixel(145, 5), kBlack);
}

// A bitmap-copy record (ALPHABLEND, TRANSPARENTBLT: 108 fixed bytes) of a
// 32-bit DIB whose pixels are given top row first, 0xAARRGGBB.
std::vector<std::uint8_t> BlendBody(TRect dest, std::int32_t blend, int width, std::vector<std::uint32_t> pixels) {
  const int height = static_cast<int>(pixels.size()) / width;
  const std::int32_t one = std::bit_cast<std::int32_t>(1.0f), bits = static_cast<std::int32_t>(pixels.size() * 4);
  auto body = EmfWriter::Words({0, 0, 0, 0, dest.left, dest.top, dest.Width(), dest.Height(), blend, 0, 0, one, 0, 0,
                                one, 0, 0, 0, 0, 108, 40, 148, bits, width, height});
  const auto info = EmfWriter::Words({40, width, -height, 1 | 32 << 16, 0, bits, 0, 0, 0, 0});
  body.insert(body.end(), info.begin(), info.end());
  for (const std::uint32_t p : pixels)
    for (int i = 0; i < 4; ++i) body.push_back(static_cast<std::uint8_t>(p >> (8 * i)));
  return body;
}

std::int32_t Channels16(int first, int second) { return first | second << 16; }

// GDI records a DIB section as 32 bits with colour masks: the alpha is the byte
// the masks leave out, and per-pixel blending uses it.
TEST(MetafilePlayer, PerPixelAlphaOfASourceWithColourMasks) {
  const std::int32_t one = std::bit_cast<std::int32_t>(1.0f);
  auto body = EmfWriter::Words({0, 0, 0, 0, 0, 0, 20, 20, 255 << 16 | 1 << 24, 0, 0, one, 0, 0, one, 0, 0, 0, 0, 108,
                                52, 160, 4, 1, 1});
  const auto info = EmfWriter::Words({40, 1, -1, 1 | 32 << 16, 3, 4, 0, 0, 0, 0, 0xFF0000, 0xFF00, 0xFF});
  body.insert(body.end(), info.begin(), info.end());
  for (const std::uint8_t b : {0x40, 0, 0, 0x40}) body.push_back(b);  // a quarter of blue
  EmfWriter w(40, 20);
  w.Record(emr::kSelectObject, {kNullPen});
  SolidBrush(w, 1, 0x00FF00).Record(emr::kRectangle, {0, 0, 41, 21});
  w.Raw(emr::kAlphaBlend, body);
  const auto b = PlayedEmf(w.Finish(), 40, 20);
  EXPECT_EQ(b->Pixel(10, 10), 0x00BF40u);
  EXPECT_EQ(b->Pixel(30, 10), kGreen);
}

TEST(MetafilePlayer, BlendsGradientsAndInversionsMixWithWhatLiesBeneath) {
  EmfWriter w(100, 50);
  w.Record(emr::kSelectObject, {kNullPen});
  SolidBrush(w, 1, 0x00FF00).Record(emr::kRectangle, {0, 0, 101, 51});
  // Half of a red source over the green: GDI's rounded mix.
  w.Raw(emr::kAlphaBlend, BlendBody({0, 0, 20, 20}, 128 << 16, 1, {0xFFFF0000}));
  // The source's own premultiplied alpha (a quarter of blue) at full weight.
  w.Raw(emr::kAlphaBlend, BlendBody({20, 0, 40, 20}, 255 << 16 | 1 << 24, 1, {0x40000040}));
  // TransparentBlt leaves out the key colour (blue, as a colour reference).
  w.Raw(emr::kTransparentBlt, BlendBody({40, 0, 60, 20}, kBlueRef, 2, {0xFF0000, 0x0000FF}));
  // DSTINVERT over the green: magenta.
  w.Raw(emr::kBitBlt, EmfWriter::Words({0, 0, 0, 0, 60, 0, 20, 20, 0x00550009, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                        0, 0}));
  // A horizontal gradient from black to red, and a triangle of red, green, blue.
  w.Record(emr::kGradientFill, {0, 0, 0, 0, 2, 1, 0,  //
                                0, 30, Channels16(0, 0), 0, 100, 40, Channels16(0xFF00, 0), 0,  //
                                0, 1});
  w.Record(emr::kGradientFill, {0, 0, 0, 0, 3, 1, 2,  //
                                80, 0, Channels16(0xFF00, 0), 0, 99, 0, Channels16(0, 0xFF00), 0, 80, 19,
                                Channels16(0, 0), 0xFF00,  //
                                0, 1, 2});
  const auto b = PlayedEmf(w.Finish(), 100, 50);
  EXPECT_EQ(b->Pixel(10, 10), 0x807F00u);
  EXPECT_EQ(b->Pixel(30, 10), 0x00BF40u);
  EXPECT_EQ(b->Pixel(45, 10), kRed);
  EXPECT_EQ(b->Pixel(55, 10), kGreen);  // the key colour shows what lies beneath
  EXPECT_EQ(b->Pixel(70, 10), 0xFF00FFu);
  EXPECT_EQ(b->Pixel(0, 35), kBlack);
  EXPECT_EQ(b->Pixel(50, 35) >> 16, 0x7Fu);
  EXPECT_EQ(b->Pixel(99, 35) >> 16, 0xFCu);
  EXPECT_EQ(b->Pixel(50, 45), kGreen);  // below the gradient's rectangle
  EXPECT_EQ(b->Pixel(80, 0), kRed);     // the triangle's vertices keep their colours
  EXPECT_EQ(b->Pixel(80, 19), kBlue);
  EXPECT_EQ(b->Pixel(98, 18), kGreen);  // past the long edge: the background
  const std::uint32_t inside = b->Pixel(85, 5);
  EXPECT_GT(inside >> 16, inside & 0xFF);  // nearest the red vertex
}

TEST(MetafilePlayer, EnhancedMetafileBoxesTakeInTheirRightAndBottomEdges) {
  // GDI plays an enhanced metafile in its advanced graphics mode: the same
  // outlined rectangle reaches one pixel further right and down than from a
  // Windows metafile.
  EmfWriter e(100, 50);
  e.Record(emr::kRectangle, {10, 10, 20, 20});
  const auto emf = PlayedEmf(e.Finish(), 100, 50);
  WmfWriter w(100, 50);
  w.Record(wmr::kRectangle, {20, 20, 10, 10});
  Bitmap wmf(100, 50);
  ASSERT_TRUE(PlayWmf(w.Finish(), wmf.Dc(), TRect{0, 0, 100, 50}));
  EXPECT_EQ(wmf.Pixel(19, 15), kBlack);
  EXPECT_EQ(wmf.Pixel(20, 15), kWhite);
  EXPECT_EQ(emf->Pixel(19, 15), kWhite);
  EXPECT_EQ(emf->Pixel(20, 15), kBlack);
  EXPECT_EQ(emf->Pixel(15, 20), kBlack);
  EXPECT_EQ(emf->Pixel(10, 10), kBlack);
}

TEST(MetafilePlayer, PixelByPixelRecordsStopAtTheirAllowance) {
  // 600 gradients over the whole picture, the first 100 red, the rest blue: a
  // play shades a bounded number of pixels, so the later ones are left out.
  EmfWriter w(524, 246);
  for (int i = 0; i < 600; ++i) {
    const std::int32_t red = Channels16(i < 100 ? 0xFF00 : 0, 0), blue = i < 100 ? 0 : 0xFF00;
    w.Record(emr::kGradientFill, {0, 0, 0, 0, 2, 1, 0, 0, 0, red, blue, 524, 246, red, blue, 0, 1});
  }
  auto b = std::make_unique<Bitmap>(524, 246);
  EXPECT_TRUE(PlayEmf(w.Finish(), b->Dc(), TRect{0, 0, 524, 246}, metafile::kDefaultWorkBudget, TSize{524, 246}));
  EXPECT_EQ(b->Pixel(260, 120), kRed);
}

TEST(MetafilePlayer, SetDibitsToDeviceCopiesPixelForPixelWhateverTheScale) {
  // 2 x 2 white-on-red DIB at (10, 10) of a picture played at twice its size.
  auto info = EmfWriter::Words({40, 2, 2, 1 | 24 << 16, 0, 16, 0, 0, 0, 0});
  const std::vector<std::uint8_t> bits{0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0};
  auto body = EmfWriter::Words({0, 0, 0, 0, 10, 10, 0, 0, 2, 2, 76, 40, 116, 16, 0, 0, 2});
  body.insert(body.end(), info.begin(), info.end());
  body.insert(body.end(), bits.begin(), bits.end());
  EmfWriter w(100, 50);
  w.Raw(emr::kSetDiBitsToDevice, body);
  const auto b = PlayedEmf(w.Finish(), 200, 100);
  EXPECT_EQ(b->Pixel(20, 20), kRed);
  EXPECT_EQ(b->Pixel(21, 21), kRed);
  EXPECT_EQ(b->Pixel(22, 22), kWhite);  // not stretched to 4 x 4
}

// Region data: the 32-byte header, then the rectangles.
std::vector<std::uint8_t> RegionData(std::initializer_list<TRect> rects) {
  auto data = EmfWriter::Words({32, 1, static_cast<std::int32_t>(rects.size()),
                                static_cast<std::int32_t>(rects.size() * 16), 0, 0, 0, 0});
  for (const TRect& r : rects) {
    const auto words = EmfWriter::Words({r.left, r.top, r.right, r.bottom});
    data.insert(data.end(), words.begin(), words.end());
  }
  return data;
}

TEST(MetafilePlayer, RegionsFramesAndClippedTextStayInside) {
  EmfWriter w(100, 100);
  w.Record(emr::kCreateBrushIndirect, {1, 0, kRedRef, 0});
  // A frame 3 wide and 2 high round (10, 10)-(50, 40).
  const auto region = RegionData({TRect{10, 10, 50, 40}});
  auto frame = EmfWriter::Words({0, 0, 0, 0, static_cast<std::int32_t>(region.size()), 1, 3, 2});
  frame.insert(frame.end(), region.begin(), region.end());
  w.Raw(emr::kFrameRgn, frame);
  // Text cut to (60, 60)-(70, 100): only its first letter's left part shows.
  w.Record(emr::kSetBkMode, {1}).Record(emr::kSetTextColor, {kBlueRef});
  auto out = EmfWriter::Words({0, 0, 0, 0, 1, 0, 0, 60, 70, 4, 76, 4, 60, 60, 70, 100, 0, 0x4D004D, 0x4D004D});
  w.Raw(emr::kExtTextOutW, out);
  const auto b = PlayedEmf(w.Finish(), 100, 100);
  EXPECT_EQ(b->Pixel(30, 10), kRed);
  EXPECT_EQ(b->Pixel(30, 11), kRed);
  EXPECT_EQ(b->Pixel(30, 12), kWhite);
  EXPECT_EQ(b->Pixel(12, 25), kRed);
  EXPECT_EQ(b->Pixel(13, 25), kWhite);
  EXPECT_EQ(b->Pixel(30, 25), kWhite);
  EXPECT_GT(Count(*b, kBlue, TRect{60, 60, 70, 100}), 5);
  EXPECT_EQ(Count(*b, kBlue, TRect{0, 0, 100, 100}), Count(*b, kBlue, TRect{60, 60, 70, 100}));
}

TEST(MetafilePlayer, MonochromeBrushesTakeTheTextAndBackgroundColours) {
  // 8 x 8, one bit a pixel, no palette: rows alternate all 0 and all 1.
  auto info = EmfWriter::Words({40, 8, 8, 1 | 1 << 16, 0, 32, 0, 0, 0, 0});
  std::vector<std::uint8_t> bits;
  for (int row = 0; row < 8; ++row) bits.insert(bits.end(), {static_cast<std::uint8_t>(row % 2 ? 0xFF : 0), 0, 0, 0});
  auto brush = EmfWriter::Words({1, 0, 32, 40, 72, 32});
  brush.insert(brush.end(), info.begin(), info.end());
  brush.insert(brush.end(), bits.begin(), bits.end());
  EmfWriter w(100, 100);
  w.Record(emr::kSetTextColor, {kRedRef}).Record(emr::kSetBkColor, {kBlueRef}).Record(emr::kSelectObject, {kNullPen});
  w.Raw(emr::kCreateMonoBrush, brush).Record(emr::kSelectObject, {1}).Record(emr::kRectangle, {0, 0, 101, 101});
  const auto b = PlayedEmf(w.Finish(), 100, 100);
  const TRect all{0, 0, 100, 100};
  EXPECT_EQ(Count(*b, kRed, all), 50 * 100);
  EXPECT_EQ(Count(*b, kBlue, all), 50 * 100);
  EXPECT_NE(b->Pixel(5, 10), b->Pixel(5, 11));
}

TEST(MetafilePlayer, ClipRectanglesLimitWhatIsDrawn) {
  EmfWriter w(100, 100);
  w.Record(emr::kSelectObject, {kNullPen});
  SolidBrush(w, 1, kBlueRef);
  w.Record(emr::kIntersectClipRect, {20, 20, 80, 80}).Record(emr::kExcludeClipRect, {40, 40, 60, 60});
  w.Record(emr::kRectangle, {0, 0, 101, 101});
  const auto b = PlayedEmf(w.Finish(), 100, 100);
  EXPECT_EQ(b->Pixel(10, 10), kWhite);
  EXPECT_EQ(b->Pixel(30, 30), kBlue);
  EXPECT_EQ(b->Pixel(50, 50), kWhite);
  EXPECT_EQ(b->Pixel(85, 50), kWhite);
}

// A clip region selected with a combining mode: what GDI's region of the two
// holds, where they overlap too.
std::unique_ptr<Bitmap> ClippedFill(std::initializer_list<TRect> first, std::initializer_list<TRect> second,
                                    int mode) {
  EmfWriter w(100, 50);
  w.Record(emr::kSelectObject, {kNullPen});
  SolidBrush(w, 1, kBlueRef);
  for (const auto& [rects, how] : {std::pair{first, 5}, std::pair{second, mode}}) {
    const auto data = RegionData(rects);
    auto body = EmfWriter::Words({static_cast<std::int32_t>(data.size()), how});
    body.insert(body.end(), data.begin(), data.end());
    w.Raw(emr::kExtSelectClipRgn, body);
  }
  w.Record(emr::kRectangle, {0, 0, 101, 51});
  auto b = std::make_unique<Bitmap>(100, 50);
  EXPECT_TRUE(PlayEmf(w.Finish(), b->Dc(), TRect{0, 0, 100, 50}, metafile::kDefaultWorkBudget, TSize{100, 50}));
  return b;
}

TEST(MetafilePlayer, ClipRegionsCombineInEveryMode) {
  const auto orred = ClippedFill({{10, 10, 60, 40}}, {{40, 20, 90, 45}}, 2);
  EXPECT_EQ(orred->Pixel(50, 30), kBlue);  // the overlap stays in
  EXPECT_EQ(orred->Pixel(15, 15), kBlue);
  EXPECT_EQ(orred->Pixel(85, 42), kBlue);
  EXPECT_EQ(orred->Pixel(85, 12), kWhite);
  const auto anded = ClippedFill({{0, 0, 50, 50}, {60, 0, 100, 50}}, {{40, 0, 70, 50}, {80, 0, 90, 50}}, 1);
  for (const auto& [x, colour] : {std::pair{45, kBlue}, {55, kWhite}, {65, kBlue}, {75, kWhite}, {85, kBlue}, {20, kWhite}})
    EXPECT_EQ(anded->Pixel(x, 25), colour) << x;
  const auto xored = ClippedFill({{10, 10, 60, 40}}, {{40, 20, 90, 45}}, 3);
  EXPECT_EQ(xored->Pixel(50, 30), kWhite);
  EXPECT_EQ(xored->Pixel(15, 15), kBlue);
  EXPECT_EQ(xored->Pixel(85, 42), kBlue);
  const auto less = ClippedFill({{10, 10, 60, 40}}, {{40, 20, 90, 45}}, 4);
  EXPECT_EQ(less->Pixel(50, 30), kWhite);  // what the second takes away, even where it reaches out
  EXPECT_EQ(less->Pixel(15, 15), kBlue);
  EXPECT_EQ(less->Pixel(85, 42), kWhite);
}

// Counts, offsets and indices that point outside their record draw nothing and
// read nothing beyond it (the sanitizer build watches the reads).
TEST(MetafilePlayer, RecordsThatLieAboutWhatTheyHoldAreSkipped) {
  const std::int32_t kHuge = 0x7FFFFFFF;
  EmfWriter w(100, 100);
  SolidBrush(w, 1, kBlueRef);
  w.Record(emr::kPolyBezier16, {0, 0, 0, 0, kHuge, 1, 2, 3, 4});
  w.Record(emr::kPolygon16, {0, 0, 0, 0, 1000, 10, 20 << 16, 30});
  w.Record(emr::kPolyline16, {0, 0, 0, 0, -1, 10});
  w.Record(emr::kPolyPolygon16, {0, 0, 0, 0, 2, kHuge, 3, 3, 1, 2, 3});
  w.Record(emr::kPolyPolygon, {0, 0, 0, 0, kHuge, 6});
  w.Record(emr::kExtTextOutW, {0, 0, 0, 0, 1, 0, 0, 5, 5, kHuge, 76, 0, 0, 0, 0, 0, 0});
  w.Record(emr::kExtTextOutW, {0, 0, 0, 0, 1, 0, 0, 5, 5, 2, kHuge, 0, 0, 0, 0, 0, 0});
  // Sound text whose spacing lies outside: drawn without it (in white here).
  w.Record(emr::kSetTextColor, {0xFFFFFF}).Record(emr::kSetBkMode, {1});
  w.Record(emr::kExtTextOutW, {0, 0, 0, 0, 1, 0, 0, 5, 5, 2, 76, 0, 0, 0, 0, 0, kHuge, 0x410041});
  w.Record(emr::kSelectObject, {kHuge}).Record(emr::kDeleteObject, {kHuge});
  w.Record(emr::kCreateBrushIndirect, {kHuge, 0, kRedRef, 0});
  w.Record(emr::kStretchDiBits, {0, 0, 100, 50, 0, 0, 0, 0, 2, 2, kHuge, 40, 80, 16, 0, 0x00CC0020, 100, 50});
  w.Record(emr::kExtSelectClipRgn, {kHuge, 5, 32, 1, kHuge, 0});
  w.Record(emr::kRestoreDc, {static_cast<std::int32_t>(0x80000000)});
  const auto emf = w.Finish();
  Bitmap b(100, 100);
  EXPECT_TRUE(PlayEmf(emf, b.Dc(), TRect{0, 0, 100, 100}));
  EXPECT_EQ(Count(b, kWhite, TRect{0, 0, 100, 100}), 100 * 100);

  WmfWriter m(100, 100);
  m.Record(wmr::kPolygon, {-1, 10, 10, 20, 20, 30, 10});  // 65535 points, 3 there
  m.Record(wmr::kPolyPolygon, {2, 3, 30000, 0, 0, 10, 10, 0, 10});
  m.Record(wmr::kSelectObject, {-1}).Record(wmr::kDeleteObject, {-1});
  m.Record(wmr::kTextOut, {200, 0x4141});
  m.Record(wmr::kExtTextOut, {5, 5, 500, 6, 0, 0});
  Bitmap c(100, 100);
  EXPECT_TRUE(PlayWmf(m.Finish(), c.Dc(), TRect{0, 0, 100, 100}));
  EXPECT_EQ(Count(c, kWhite, TRect{0, 0, 100, 100}), 100 * 100);
}

TEST(MetafilePlayer, PlayingStopsOnceItsWorkBudgetIsSpent) {
  EmfWriter w(100, 100);
  SolidBrush(w, 1, kBlueRef);
  for (int i = 0; i < 200; ++i) w.Record(emr::kRectangle, {i % 100, 0, i % 100 + 1, 100});
  const auto emf = w.Finish();
  Bitmap b(100, 100);
  EXPECT_FALSE(PlayEmf(emf, b.Dc(), TRect{0, 0, 100, 100}, 100));
  EXPECT_TRUE(PlayEmf(emf, b.Dc(), TRect{0, 0, 100, 100}));
  // Outlines weigh what the context walks along them, off the surface too: of
  // a score of ellipses a million pixels across, those whose outlines the
  // budget cannot pay for are filled without them, and the play goes on.
  EmfWriter huge(100, 100);
  SolidBrush(huge, 1, kRedRef);
  for (int i = 0; i < 20; ++i) huge.Record(emr::kEllipse, {-1000000 - i, -1000000, 1000100, 1000100});
  huge.Record(emr::kSelectObject, {kNullPen}).Record(emr::kCreateBrushIndirect, {2, 0, kBlueRef, 0});
  huge.Record(emr::kSelectObject, {2}).Record(emr::kRectangle, {0, 0, 10, 10});
  Bitmap far(100, 100);
  EXPECT_TRUE(PlayEmf(huge.Finish(), far.Dc(), TRect{0, 0, 100, 100}));
  EXPECT_EQ(far.Pixel(50, 50), kRed);
  EXPECT_EQ(far.Pixel(5, 5), kBlue);
  // Clip regions combined over and over spend the budget instead of stalling
  // the paint.
  EmfWriter clips(100, 100);
  const auto region = RegionData({{0, 0, 50, 60}, {60, 10, 100, 90}});
  for (int i = 0; i < 400; ++i) {
    auto body = EmfWriter::Words({static_cast<std::int32_t>(region.size()), 2 + i % 3});
    body.insert(body.end(), region.begin(), region.end());
    clips.Raw(emr::kExtSelectClipRgn, body);
    clips.Record(emr::kRectangle, {0, 0, 100, 100});
  }
  Bitmap large(1000, 1000);
  EXPECT_FALSE(
      PlayEmf(clips.Finish(), large.Dc(), TRect{0, 0, 1000, 1000}, metafile::kDefaultWorkBudget, TSize{1000, 1000}));
}

}  // namespace
}  // namespace pg::platform
