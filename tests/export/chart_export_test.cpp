// Charts saved by extension: what each format carries (the description, text
// as text, resolution), and what a bad name or a failing disk leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>

#include "engine/canvas/chart_canvas3d.h"
#include "engine/export/chart_export.h"
#include "engine/export/picture_export.h"
#include "engine/picture/picture_errors.h"
#include "export_charts.h"
#include "platform/export/svg_recorder.h"
#include "platform/metafile/emf_records.h"
#include "platform/metafile/emf_recorder.h"
#include "platform/metafile/play_metafile.h"
#include "platform/picture_files.h"
#include "support/metafile_writer.h"
#include "support/scratch_dir.h"

namespace {

using namespace pg;
using pg::testing::ExportChart;
using pg::testing::ScratchDir;

std::string Text(const std::vector<std::uint8_t>& b) { return std::string(b.begin(), b.end()); }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int Count(const std::string& s, const std::string& what) {
  int n = 0;
  for (auto at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

TEST(ChartDescription, TitleOrTheNameOfTheKindAndEverySlice) {
  ExportChart c;
  c.AddSlices(3);
  auto d = engine::DescribeChart(c.chart);
  EXPECT_EQ(text::Cp1251ToUtf8(d.title), "Круговая диаграмма");
  ASSERT_EQ(d.items.size(), 3u);
  // The numbers as the marks format them.
  EXPECT_EQ(text::Cp1251ToUtf8(d.items[0]), "Январь: " + c.pie.FormatValue(31) + " (" +
                                                c.pie.FormatPercent(31.0 * 100 / (31 + 29 + 37)) + ")");
  c.chart.Title().SetText({text::Utf8ToCp1251("Продажи"), text::Utf8ToCp1251("за год")});
  d = engine::DescribeChart(c.chart);
  EXPECT_EQ(text::Cp1251ToUtf8(d.title), "Продажи за год");
  c.chart.Title().SetVisible(false);
  EXPECT_EQ(text::Cp1251ToUtf8(engine::DescribeChart(c.chart).title), "Круговая диаграмма");
}

TEST(SvgExport, AccessibleWithTextAsText) {
  ExportChart c;
  c.Standard();
  const std::string svg = Text(c.Vector(platform::ExportFormat::kSvg));
  EXPECT_NE(svg.find("role=\"img\""), std::string::npos);
  EXPECT_NE(svg.find("<title id=\"title\">Продажи за год</title>"), std::string::npos);
  const auto d = engine::DescribeChart(c.chart);
  const std::string desc = text::Cp1251ToUtf8(platform::DescriptionText(d));
  EXPECT_NE(svg.find("<desc id=\"desc\">" + desc + "</desc>"), std::string::npos);
  // A group a slice, named by its description; the title, foot and every legend label as <text>.
  EXPECT_EQ(Count(svg, "<g role=\"img\" aria-label=\""), 12);
  for (const auto& item : d.items) EXPECT_NE(svg.find("aria-label=\"" + text::Cp1251ToUtf8(item) + "\""), std::string::npos);
  for (const char* label : {"Продажи за год", "Источник: годовой отчёт", "Январь", "Декабрь"})
    EXPECT_NE(svg.find("xml:space=\"preserve\">" + std::string(label) + "</text>"), std::string::npos) << label;
  EXPECT_LE(svg.size(), 30u * 1024);
}

TEST(SvgExport, GroupedSlicesAreDescribedAsTheOtherSliceThatIsDrawn) {
  // Grouping is set after the last paint: the file still describes what it
  // draws, the Other slice and not the slices it holds (once a paint behind,
  // with empty groups for the grouped ones).
  ExportChart c;
  c.AddSlices(4);  // 31, 29, 37, 43
  c.pie.OtherSlice().SetStyle(engine::TPieOtherStyle::poBelowValue);
  c.pie.OtherSlice().SetValue(32);
  c.pie.OtherSlice().SetText("Other");
  std::string svg = Text(c.Vector(platform::ExportFormat::kSvg));
  EXPECT_EQ(Count(svg, "<g role=\"img\" aria-label=\""), 3);
  EXPECT_NE(svg.find("aria-label=\"Other: " + c.pie.FormatValue(60)), std::string::npos);
  EXPECT_EQ(svg.find("aria-label=\"" + text::Cp1251ToUtf8(c.pie.PointLabel(0))), std::string::npos);
  EXPECT_NE(svg.find("; Other: "), std::string::npos);  // in <desc> too
  // Grouping off again before any paint: the Other slice is gone from both.
  c.pie.OtherSlice().SetStyle(engine::TPieOtherStyle::poNone);
  svg = Text(c.Vector(platform::ExportFormat::kSvg));
  EXPECT_EQ(Count(svg, "<g role=\"img\" aria-label=\""), 4);
  EXPECT_EQ(svg.find("Other"), std::string::npos);
}

TEST(SvgExport, EscapesWhatXmlReserves) {
  ExportChart c;
  c.chart.Title().SetText({"a<b & \"c\"\x01"});
  const std::string svg = Text(c.Vector(platform::ExportFormat::kSvg));
  EXPECT_NE(svg.find("<title id=\"title\">a&lt;b &amp; &quot;c&quot; </title>"), std::string::npos);
}

// The bands of a gradient, two rows a colour, top down or bottom up, the clip
// set anew halfway if asked; then a rectangle that is no band.
std::vector<std::uint8_t> Bands(platform::ExportFormat format, bool upwards, bool clipHalfway) {
  return engine::RecordVectorPicture(
      format, engine::VectorPicture{20, 10, [=](platform::DeviceContext& dc) {
        for (int i = 0; i < 10; ++i) {
          const int y = upwards ? 9 - i : i;
          if (clipHalfway && i == 5) dc.ClipRect(platform::TRect{0, 0, 20, 10});
          dc.SetBrush(platform::Brush{platform::BrushStyle::bsSolid, platform::Rgb(0, 0, 25 * (i / 2))});
          dc.FillRect(platform::TRect{0, y, 20, y + 1});
        }
        dc.FillRect(platform::TRect{3, 3, 5, 5});
      }, {}});
}

// A solid fill as a file writes it: the box and its colour as 0xRRGGBB.
struct WrittenFill {
  platform::TRect rect;
  std::uint32_t rgb;
};

std::vector<WrittenFill> SvgFills(const std::vector<std::uint8_t>& bytes) {
  const std::string svg = Text(bytes);
  std::vector<WrittenFill> out;
  const std::regex rect(
      "<rect x=\"(-?\\d+)\" y=\"(-?\\d+)\" width=\"(\\d+)\" height=\"(\\d+)\" fill=\"#([0-9a-f]{6})\"[^>]*/>");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), rect); it != std::sregex_iterator(); ++it) {
    const int x = std::stoi((*it)[1]), y = std::stoi((*it)[2]);
    out.push_back({platform::TRect{x, y, x + std::stoi((*it)[3]), y + std::stoi((*it)[4])},
                   static_cast<std::uint32_t>(std::stoul((*it)[5], nullptr, 16))});
  }
  return out;
}

std::vector<WrittenFill> EmfFills(const std::vector<std::uint8_t>& emf) {
  namespace emr = platform::metafile::emr;
  auto i32 = [&](std::size_t at) {
    return static_cast<std::int32_t>(emf[at] | emf[at + 1] << 8 | emf[at + 2] << 16 | emf[at + 3] << 24);
  };
  std::map<std::int32_t, std::uint32_t> brushes;
  std::uint32_t selected = 0;
  std::vector<WrittenFill> out;
  for (std::size_t at = 0; at + 8 <= emf.size() && i32(at + 4) >= 8; at += static_cast<std::size_t>(i32(at + 4))) {
    const auto type = static_cast<std::uint32_t>(i32(at));
    if (type == emr::kCreateBrushIndirect) {
      const auto c = static_cast<std::uint32_t>(i32(at + 16));
      brushes[i32(at + 8)] = (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
    } else if (type == emr::kSelectObject && brushes.count(i32(at + 8))) {
      selected = brushes[i32(at + 8)];
    } else if (type == emr::kRectangle) {
      out.push_back({platform::TRect{i32(at + 8), i32(at + 12), i32(at + 16), i32(at + 20)}, selected});
    }
  }
  return out;
}

// The rectangles filled, as "top height".
std::vector<std::string> TopsAndHeights(const std::vector<WrittenFill>& fills) {
  std::vector<std::string> out;
  for (const auto& f : fills) out.push_back(std::to_string(f.rect.top) + " " + std::to_string(f.rect.Height()));
  return out;
}

// Readers that smooth edges or scale the picture a little (LibreOffice) showed a
// seam between every two bands of a gradient, the page showing through: bands of
// one colour are one rectangle, and each reaches a row under the next.
TEST(VectorExport, GradientBandsJoinWithoutSeams) {
  const std::vector<std::string> down{"0 3", "2 3", "4 3", "6 3", "8 2", "3 2"};
  const std::vector<std::string> up{"7 3", "5 3", "3 3", "1 3", "0 2", "3 2"};
  // A band under another clip may not be covered by the next: it keeps its size.
  const std::vector<std::string> clipped{"0 3", "2 3", "4 1", "5 2", "6 3", "8 2", "3 2"};
  EXPECT_EQ(TopsAndHeights(SvgFills(Bands(platform::ExportFormat::kSvg, false, false))), down);
  EXPECT_EQ(TopsAndHeights(SvgFills(Bands(platform::ExportFormat::kSvg, true, false))), up);
  EXPECT_EQ(TopsAndHeights(SvgFills(Bands(platform::ExportFormat::kSvg, false, true))), clipped);
  EXPECT_EQ(TopsAndHeights(EmfFills(Bands(platform::ExportFormat::kEmf, false, false))), down);
  EXPECT_EQ(TopsAndHeights(EmfFills(Bands(platform::ExportFormat::kEmf, true, false))), up);
  EXPECT_EQ(TopsAndHeights(EmfFills(Bands(platform::ExportFormat::kEmf, false, true))), clipped);

  // The bands still play as drawn.
  const auto emf = Bands(platform::ExportFormat::kEmf, false, true);
  platform::Bitmap played(20, 10);
  ASSERT_TRUE(platform::metafile::PlayEmf(emf, played.Dc(), platform::TRect{0, 0, 20, 10}));
  for (int y = 0; y < 10; ++y) EXPECT_EQ(played.Pixel(10, y), static_cast<std::uint32_t>(25 * (y / 2))) << y;
  EXPECT_EQ(played.Pixel(4, 4), 0x000064u);
}

// Gradients fill bands a pixel wide; readers that smooth each fill on its own
// (cairo's PDF viewers, LibreOffice) let the page show between two fills that
// abut, and the gradients from the centre or a corner came out striped or
// lighter all over. Where one fill's pixel meets a later one's, the earlier
// must reach under the later; and the picture must stay the raster's.
TEST(VectorExport, EveryGradientsFillsReachUnderTheFillsOverThem) {
  using D = engine::TGradientDirection;
  for (const D direction : {D::gdTopBottom, D::gdBottomTop, D::gdLeftRight, D::gdRightLeft, D::gdFromCenter,
                            D::gdFromTopLeft, D::gdFromBottomLeft}) {
    for (const auto& [w, h] : {std::pair{41, 27}, std::pair{32, 32}, std::pair{5, 90}, std::pair{300, 3}}) {
      const auto draw = [=](platform::DeviceContext& dc) {
        engine::TChartCanvas3D canvas;
        canvas.SetBufferOn(false);
        canvas.BeginView(dc, nullptr, false, platform::TRect{0, 0, w, h});
        canvas.FillGradient(platform::TRect{0, 0, w, h}, platform::Rgb(10, 20, 30), platform::Rgb(250, 120, 60),
                            direction);
      };
      platform::Bitmap raster(w, h);
      draw(raster.Dc());
      const engine::VectorPicture picture{w, h, draw, {}};
      for (const bool svg : {true, false}) {
        const auto fills = svg ? SvgFills(engine::RecordVectorPicture(platform::ExportFormat::kSvg, picture))
                               : EmfFills(engine::RecordVectorPicture(platform::ExportFormat::kEmf, picture));
        const std::string where = std::string(svg ? "SVG" : "EMF") + " direction " +
                                  std::to_string(static_cast<int>(direction)) + " " + std::to_string(w) + "x" +
                                  std::to_string(h);
        ASSERT_FALSE(fills.empty()) << where;
        // Which fill shows at each pixel, played in order.
        std::vector<int> top(static_cast<std::size_t>(w * h), -1);
        for (std::size_t i = 0; i < fills.size(); ++i)
          for (int y = std::max(0, fills[i].rect.top); y < std::min(h, fills[i].rect.bottom); ++y)
            for (int x = std::max(0, fills[i].rect.left); x < std::min(w, fills[i].rect.right); ++x)
              top[static_cast<std::size_t>(y * w + x)] = static_cast<int>(i);
        auto covers = [&](std::size_t e, int px, int py) {
          const auto& r = fills[e].rect;
          return px >= r.left && px < r.right && py >= r.top && py < r.bottom;
        };
        int parted = 0, seams = 0;
        for (int y = 0; y < h; ++y)
          for (int x = 0; x < w; ++x) {
            const int f = top[static_cast<std::size_t>(y * w + x)];
            if (f < 0 || fills[static_cast<std::size_t>(f)].rgb != raster.Pixel(x, y)) ++parted;
            for (const auto& [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
              if (nx >= w || ny >= h || f < 0) continue;
              const int g = top[static_cast<std::size_t>(ny * w + nx)];
              if (g < 0 || g == f) continue;
              // Where two fills meet, one drawn before the later of them lies
              // under both pixels, so no reader shows the page between them.
              bool under = false;
              for (std::size_t e = 0; e < static_cast<std::size_t>(std::max(f, g)) && !under; ++e)
                under = covers(e, x, y) && covers(e, nx, ny);
              if (!under) ++seams;
            }
          }
        EXPECT_EQ(parted, 0) << where;
        EXPECT_EQ(seams, 0) << where;
      }
    }
  }
}

// Fills and clips as wide as the coordinates go, as a hostile back picture may
// lay them: every format writes them whole, with no arithmetic that overflows.
TEST(VectorExport, FillsAndClipsAsWideAsTheCoordinatesGo) {
  const engine::VectorPicture picture{20, 10, [](platform::DeviceContext& dc) {
    constexpr int lo = INT32_MIN, hi = INT32_MAX;
    dc.SetBrush(platform::Brush{platform::BrushStyle::bsSolid, platform::Rgb(200, 0, 0)});
    dc.FillRect(platform::TRect{lo, lo, hi, hi});
    dc.FillRect(platform::TRect{lo, hi - 1, hi, hi});  // under which the first may reach
    dc.FillRect(platform::TRect{lo + 1, 0, hi, 5});
    dc.ClipRect(platform::TRect{lo, lo, hi, hi});
    dc.SetBrush(platform::Brush{platform::BrushStyle::bsSolid, platform::Rgb(0, 0, 200)});
    dc.FillRect(platform::TRect{-1073741824, 0, 1073741823, 5});
    dc.FillRect(platform::TRect{-1073741824, 5, 1073741823, 10});
    dc.SetBrush(platform::Brush{platform::BrushStyle::bsSolid, platform::Rgb(0, 200, 0)});
    dc.FillRect(platform::TRect{-1073741824, 10, 1073741823, 12});
    const platform::Bitmap tile(4, 4);
    dc.BitBlt(hi - 1, 0, hi, 5, tile, hi - 2, 0, platform::BlitRop::kSrcCopy);
    dc.BitBlt(lo, lo, hi, hi, tile, lo, lo, platform::BlitRop::kSrcCopy);
  }, {}};
  const std::string svg = Text(engine::RecordVectorPicture(platform::ExportFormat::kSvg, picture));
  EXPECT_NE(svg.find("width=\"4294967295\""), std::string::npos);
  // The blue bands make one rectangle, which reaches a row under the green one.
  EXPECT_NE(svg.find("width=\"2147483647\" height=\"11\""), std::string::npos);
  const auto emf = engine::RecordVectorPicture(platform::ExportFormat::kEmf, picture);
  platform::Bitmap played(20, 10);
  ASSERT_TRUE(platform::metafile::PlayEmf(emf, played.Dc(), platform::TRect{0, 0, 20, 10}));
  EXPECT_EQ(played.Pixel(3, 7), 0x0000C8u);
  const std::string pdf = Text(engine::RecordVectorPicture(platform::ExportFormat::kPdf, picture));
  EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos);
}

// Inkscape leaves out a picture named by SVG 2's plain href.
TEST(SvgExport, PicturesNamedByXlinkHref) {
  ExportChart c;
  c.chart.BackImage().LoadFromFile(pg::testing::PictureData("quadrants.bmp"));
  const std::string svg = Text(c.Vector(platform::ExportFormat::kSvg));
  EXPECT_NE(svg.find("xmlns:xlink=\"http://www.w3.org/1999/xlink\""), std::string::npos);
  EXPECT_NE(svg.find(" xlink:href=\"data:image/png;base64,"), std::string::npos);
}

// A played metafile may lay tens of thousands of spaces far off the page for
// one record; none of them may reach the file, while text the page's edge cuts
// stays.
TEST(VectorExport, TextWhollyOffThePageIsLeftOut) {
  const auto record = [](platform::ExportFormat format) {
    return Text(engine::RecordVectorPicture(
        format, engine::VectorPicture{60, 40, [](platform::DeviceContext& dc) {
                                        dc.SetBkMode(platform::kOpaque);
                                        dc.TextOutAt(10, 10, "on");
                                        dc.TextOutAt(-8, 30, "edge");
                                        dc.TextOutAt(58, -10, "corner");
                                        for (int i = 0; i < 20000; ++i) dc.TextOutAt(i % 50, 1 << 26, " ");
                                        dc.TextOutAt(-100000, 10, "left");
                                        dc.TextOutAt(10, -100000, "above");
                                        dc.TextOutAt(2147483000, 2147483000, "far");
                                      },
                                      {}}));
  };
  const std::string svg = record(platform::ExportFormat::kSvg);
  EXPECT_EQ(Count(svg, "<text"), 3);
  for (const char* kept : {">on<", ">edge<", ">corner<"}) EXPECT_NE(svg.find(kept), std::string::npos) << kept;
  const std::string emf = record(platform::ExportFormat::kEmf);
  EXPECT_LT(emf.size(), 2000u);
  EXPECT_NE(emf.find(std::string("e\0d\0g\0e\0", 8)), std::string::npos);
  EXPECT_EQ(emf.find(std::string("l\0e\0f\0t\0", 8)), std::string::npos);
}

// A metafile back picture is played into the recording; what the player
// works out pixel by pixel (here a widened path's mask) is kept to the page,
// not to the picture's far larger extent.
TEST(VectorExport, APlayedPicturesPixelWorkKeepsToThePage) {
  namespace emr = platform::metafile::emr;
  pg::testing::EmfWriter w(100, 60);
  w.Record(emr::kCreatePen, {1, 0, 4, 0, 0x0000FF})
      .Record(emr::kSelectObject, {1})
      .Record(emr::kCreateBrushIndirect, {2, 0, 0x0000FF, 0})
      .Record(emr::kSelectObject, {2})
      .Record(emr::kBeginPath, {})
      .Record(emr::kMoveToEx, {-20000, 30})
      .Record(emr::kLineTo, {20000, 30})
      .Record(emr::kEndPath, {})
      .Record(emr::kWidenPath, {})
      .Record(emr::kFillPath, {0, 0, 100, 60});
  const auto bytes = w.Finish();
  const auto picture = platform::DecodePicture(platform::PictureFormat::kEnhancedMetafile, bytes);
  ASSERT_TRUE(picture);
  platform::SvgRecordingContext svg(60, 40);
  platform::DrawPicture(*picture, svg, platform::TRect{0, 0, 100, 60});
  const std::string out = svg.Finish({});
  // One band across the page, its outline within a couple of pixels of it.
  const auto from = out.find("</desc>");
  ASSERT_NE(from, std::string::npos);
  const std::string shapes = out.substr(from);
  ASSERT_NE(shapes.find("fill=\"#ff0000\""), std::string::npos) << shapes;
  std::istringstream numbers(std::regex_replace(shapes, std::regex("#[0-9a-f]{6}|[^-0-9.]+"), " "));
  int count = 0;
  for (double v; numbers >> v; ++count) {
    EXPECT_GE(v, -3);
    EXPECT_LE(v, 63);
  }
  EXPECT_GE(count, 8);
}

TEST(EmfExport, HeaderFrameAndTextRecords) {
  ExportChart c;
  c.Standard();
  const auto emf = c.Vector(platform::ExportFormat::kEmf);
  ASSERT_GE(emf.size(), 108u);
  EXPECT_LE(emf.size(), 40u * 1024);
  auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(emf[at] | emf[at + 1] << 8 | emf[at + 2] << 16 | emf[at + 3] << 24);
  };
  EXPECT_EQ(u32(0), 1u);
  EXPECT_EQ(u32(40), 0x464D4520u);
  EXPECT_EQ(u32(48), emf.size());
  // The frame in hundredths of a millimetre at 96 pixels to the inch, rounded
  // down (246 px are 6508.75).
  EXPECT_EQ(u32(32), 13864u);  // 524 px
  EXPECT_EQ(u32(36), 6508u);   // 246 px
  // Walk the records: sizes add up, the last is the end, text is EXTTEXTOUTW.
  std::size_t at = 0, records = 0, texts = 0;
  std::uint32_t last = 0;
  while (at + 8 <= emf.size()) {
    last = u32(at);
    if (last == 84) ++texts;
    ASSERT_EQ(u32(at + 4) % 4, 0u);
    at += u32(at + 4);
    ++records;
  }
  EXPECT_EQ(at, emf.size());
  EXPECT_EQ(records, u32(52));
  EXPECT_EQ(last, 14u);
  EXPECT_GE(texts, 2u + 12u);  // title, foot, legend labels
}

std::vector<std::uint32_t> RecordTypes(const std::vector<std::uint8_t>& emf) {
  auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(emf[at] | emf[at + 1] << 8 | emf[at + 2] << 16 | emf[at + 3] << 24);
  };
  std::vector<std::uint32_t> types;
  for (std::size_t at = 0; at + 8 <= emf.size() && u32(at + 4) >= 8; at += u32(at + 4)) types.push_back(u32(at));
  return types;
}

TEST(EmfExport, AMoveIsWrittenJustBeforeItsLine) {
  // Importers that begin a new path at each pen change (Inkscape's) drop a line
  // whose move stands before the pen records: the leader to a mark went missing.
  namespace emr = platform::metafile::emr;
  ExportChart c;
  c.Standard();
  const auto types = RecordTypes(c.Vector(platform::ExportFormat::kEmf));
  int moves = 0;
  for (std::size_t i = 0; i < types.size(); ++i) {
    if (types[i] != emr::kMoveToEx) continue;
    ++moves;
    ASSERT_LT(i + 1, types.size());
    EXPECT_EQ(types[i + 1], emr::kLineTo) << "record " << i;
  }
  EXPECT_GE(moves, 12);  // a leader to each mark at least

  // A move that no line follows leaves nothing; the line still starts there.
  platform::metafile::EmfRecordingContext dc(60, 20);
  dc.MoveTo(40, 2);
  dc.MoveTo(5, 10);
  dc.SetPen(platform::Pen{platform::PenStyle::psSolid, 1, platform::Rgb(255, 0, 0)});
  dc.LineTo(50, 10);
  dc.MoveTo(0, 0);
  const auto emf = dc.Finish(platform::ExportDescription{});
  const auto few = RecordTypes(emf);
  EXPECT_EQ(std::count(few.begin(), few.end(), emr::kMoveToEx), 1);
  platform::Bitmap played(60, 20);
  played.Dc().SetBrush(platform::Brush{platform::BrushStyle::bsSolid, 0xFFFFFF});
  played.Dc().FillRect(platform::TRect{0, 0, 60, 20});
  ASSERT_TRUE(platform::metafile::PlayEmf(emf, played.Dc(), platform::TRect{0, 0, 60, 20}));
  EXPECT_EQ(played.Pixel(4, 10), 0xFFFFFFu);
  EXPECT_EQ(played.Pixel(5, 10), 0xFF0000u);
  EXPECT_EQ(played.Pixel(49, 10), 0xFF0000u);
  EXPECT_EQ(played.Pixel(45, 2), 0xFFFFFFu);
}

// A centred line of letters as wide as a font allows, long enough that their
// starts pass the int range: the file is still whole and its record reads back.
TEST(EmfExport, TextWiderThanTheCoordinatesHoldIsRecordedWhole) {
  platform::metafile::EmfRecordingContext dc(60, 20);
  platform::Font wide;
  wide.width = platform::kMaxFontPixels;
  dc.SetFont(wide);
  dc.SetTextAlign(platform::kTaCenter);
  const std::string line(140'000, 'W');
  dc.TextOutAt(30, 0, line);
  const auto emf = dc.Finish(platform::ExportDescription{});
  const auto types = RecordTypes(emf);
  EXPECT_EQ(std::count(types.begin(), types.end(), platform::metafile::emr::kExtTextOutW), 1);
  platform::Bitmap played(60, 20);
  EXPECT_TRUE(platform::metafile::PlayEmf(emf, played.Dc(), platform::TRect{0, 0, 60, 20}));
}

TEST(VectorExport, APictureShrunkOnThePageIsKeptAsTheScreenShowsIt) {
  // A photograph-sized source stretched small: the files hold the pixels the
  // screen shows, at the page's size, not every pixel of the source.
  platform::Bitmap photo(1000, 800);
  for (int y = 0; y < 800; ++y)
    for (int x = 0; x < 1000; ++x) photo.Dc().SetPixel(x, y, ((x / 3) ^ (y / 5)) & 1 ? 0x2060C0 : 0xF0E0A0);
  const platform::TRect dest{-20, 10, 80, 90};  // partly off the page's left edge
  platform::Bitmap screen(100, 80);
  screen.Dc().StretchBlt(dest, photo, platform::TRect{0, 0, 1000, 800}, platform::BlitRop::kSrcCopy);

  platform::metafile::EmfRecordingContext emf(100, 80);
  emf.StretchBlt(dest, photo, platform::TRect{0, 0, 1000, 800}, platform::BlitRop::kSrcCopy);
  const auto bytes = emf.Finish(platform::ExportDescription{});
  EXPECT_LT(bytes.size(), 100u * 80 * 3 + 2048);
  platform::Bitmap played(100, 80);
  ASSERT_TRUE(platform::metafile::PlayEmf(bytes, played.Dc(), platform::TRect{0, 0, 100, 80}));
  EXPECT_EQ(pg::testing::Agreement(played, screen, 0), 1.0);

  platform::SvgRecordingContext svg(100, 80);
  svg.StretchBlt(dest, photo, platform::TRect{0, 0, 1000, 800}, platform::BlitRop::kSrcCopy);
  const std::string text = svg.Finish(platform::ExportDescription{});
  EXPECT_NE(text.find("<image x=\"0\" y=\"10\" width=\"80\" height=\"70\""), std::string::npos);
  EXPECT_LT(text.size(), 20u * 1024);
  // A source smaller than its place keeps every pixel of its own.
  platform::metafile::EmfRecordingContext grown(100, 80);
  grown.StretchBlt(platform::TRect{0, 0, 100, 80}, photo, platform::TRect{0, 0, 10, 8}, platform::BlitRop::kSrcCopy);
  const auto small = grown.Finish(platform::ExportDescription{});
  EXPECT_LT(small.size(), 2048u);
}

TEST(EmfExport, PlayedAtItsSizeNothingShrinks) {
  // Players scale the frame onto the rectangle they are given: a frame a shade
  // larger than the picture turns every font's pixel height down by one.
  for (const int side : {1, 23, 24, 246, 524, 1000, 4097, 32767}) {
    platform::metafile::EmfRecordingContext dc(side, side);
    const auto emf = dc.Finish(platform::ExportDescription{});
    const std::uint32_t frame = static_cast<std::uint32_t>(emf[32] | emf[33] << 8 | emf[34] << 16 | emf[35] << 24);
    const double played = frame * 960.0 / 25400.0;
    EXPECT_LE(played, side) << side;
    EXPECT_GT(played, side - 0.05) << side;
  }
}

TEST(ChartExportFile, EveryFormatByItsExtension) {
  ScratchDir dir("chart_export_formats");
  ExportChart c;
  c.Standard();
  for (const char* name : {"c.emf", "c.svg", "c.pdf", "c.png", "c.jpg", "c.JPEG", "c.bmp"}) {
    engine::ExportChart(c.chart, dir.Path(name));
    EXPECT_GT(std::filesystem::file_size(dir.Path(name)), 100u) << name;
  }
  const std::string jpg = ReadAll(dir.Path("c.jpg"));
  EXPECT_EQ(jpg.substr(0, 3), "\xFF\xD8\xFF");
  // JFIF: version 1.01, density in dots an inch, 96 both ways.
  EXPECT_EQ(jpg.substr(6, 12), std::string("JFIF\0\x01\x01\x01\0\x60\0\x60", 12));
  EXPECT_EQ(ReadAll(dir.Path("c.bmp")).substr(0, 2), "BM");
  const std::string pdf = ReadAll(dir.Path("c.pdf"));
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos);
  EXPECT_LE(pdf.size(), 80u * 1024);
  const std::string png = ReadAll(dir.Path("c.png"));
  // pHYs: 3780 dots a metre both ways, the unit the metre.
  EXPECT_NE(png.find(std::string("pHYs\0\0\x0E\xC4\0\0\x0E\xC4\x01", 13)), std::string::npos);
}

TEST(ChartExportFile, JpegQualityAsAsked) {
  ExportChart c;
  c.Standard();
  const auto raster = c.Raster();
  auto jpeg = [&](int q) {
    return engine::EncodeRasterPicture(platform::ExportFormat::kJpeg, raster->Width(), raster->Height(), 32,
                                       [&](int x, int y) { return raster->Pixel(x, y); }, q);
  };
  EXPECT_LT(jpeg(10).size(), jpeg(engine::kDefaultJpegQuality).size());
}

TEST(ChartExportFile, BadNamesAndPlacesWriteNothing) {
  ScratchDir dir("chart_export_bad");
  ExportChart c;
  c.Standard();
  EXPECT_THROW(engine::ExportChart(c.chart, dir.Path("c.gif")), engine::PictureError);
  EXPECT_THROW(engine::ExportChart(c.chart, dir.Path("c")), engine::PictureError);
  std::filesystem::create_directory(dir.Path("folder.svg"));
  EXPECT_THROW(engine::ExportChart(c.chart, dir.Path("folder.svg")), engine::FileStreamError);
  EXPECT_THROW(engine::ExportChart(c.chart, dir.Path("missing/c.emf")), engine::FileStreamError);
  EXPECT_EQ(dir.Entries(), 1);  // the folder alone: no partial or stray file
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path("folder.svg")));
}

TEST(ChartExportFile, ASaveReplacesWholeAndAFailedOneKeepsTheOldFile) {
  ScratchDir dir("chart_export_keep");
  ExportChart c;
  c.Standard();
  const std::string path = dir.Write("c.pdf", "old");
  engine::ExportChart(c.chart, path);
  const std::string pdf = ReadAll(path);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  // A failure after the drawing (the folder gone) leaves no file behind.
  EXPECT_THROW(engine::ExportChart(c.chart, dir.Path("gone/c.pdf")), engine::FileStreamError);
  EXPECT_EQ(ReadAll(path), pdf);
  EXPECT_EQ(dir.Entries(), 1);
}

TEST(ChartExportFile, EmptyAndHugeChartsGiveValidFiles) {
  for (const int slices : {0, 10000}) {
    ExportChart c;
    c.AddSlices(slices);
    const auto emf = c.Vector(platform::ExportFormat::kEmf);
    platform::Bitmap played(pg::testing::kExportWidth, pg::testing::kExportHeight);
    EXPECT_TRUE(platform::metafile::PlayEmf(emf, played.Dc(), c.Area())) << slices;
    const std::string svg = Text(c.Vector(platform::ExportFormat::kSvg));
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n") << slices;
    EXPECT_EQ(Count(svg, "<g role=\"img\""), Count(svg, "</g>")) << slices;
    const std::string pdf = Text(c.Vector(platform::ExportFormat::kPdf));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-") << slices;
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos) << slices;
  }
}

}  // namespace
