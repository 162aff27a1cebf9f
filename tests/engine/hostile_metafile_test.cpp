// Damaged and oversized metafiles loaded as the back picture, the way a script
// loads them: each is refused with the framework's error and the chart keeps
// the picture it had, or it loads and draws. Runs on both builds: the Windows
// one hands GDI only what the record check passed.
#include <gtest/gtest.h>

#include <string>

#include "charts/chart_form_design.h"
#include "engine/picture/picture.h"
#include "framework/errors.h"
#include "platform/metafile/emf_records.h"
#include "platform/metafile/wmf_records.h"
#include "support/metafile_writer.h"
#include "support/scratch_dir.h"

namespace {

using namespace pg::engine;
using pg::platform::TRect;

std::string MessageOf(TPicture& p, const std::string& path) {
  try {
    p.LoadFromFile(path);
  } catch (const pg::Exception& e) {
    return e.what();
  }
  return "loaded";
}

std::string Bytes(const std::vector<std::uint8_t>& v) { return {v.begin(), v.end()}; }

TEST(HostileMetafiles, EachIsRefusedAndThePictureStays) {
  TPicture p([] {});
  p.LoadFromFile(pg::testing::PictureData("quadrants.bmp"));
  TGraphic* kept = p.Graphic();
  for (const char* name :
       {"emf_polybezier16_count.emf", "emf_polygon16_count.emf", "emf_polyline16_count.emf",
        "emf_polypolygon16_count.emf", "emf_exttextoutw_chars.emf", "emf_exttextoutw_string.emf",
        "emf_exttextoutw_dx.emf", "emf_selectobject_index.emf", "emf_deleteobject_index.emf",
        "emf_createbrushindirect_index.emf", "wmf_polypolygon_counts.wmf", "wmf_selectobject_ffff.wmf",
        "wmf_polygon_65535.wmf", "dibbitblt.wmf", "dibstretchblt_nobitmap.wmf", "after_odd_end.wmf"}) {
    EXPECT_EQ(MessageOf(p, pg::testing::PictureData(std::string("hostile/") + name)), "Invalid metafile") << name;
    EXPECT_EQ(p.Graphic(), kept) << name;
  }
  // Sixty thousand saved states (a 360 KB file) nest too deep.
  pg::testing::ScratchDir s("hostile_metafiles");
  pg::testing::WmfWriter deep(48, 24);
  for (int i = 0; i < 60'000; ++i) deep.Record(pg::platform::metafile::wmr::kSaveDc, {});
  EXPECT_EQ(MessageOf(p, s.Write("deep.wmf", Bytes(deep.Finish()))), "Invalid metafile");
  EXPECT_EQ(p.Graphic(), kept);
}

// 200 polygons of 4 000 points over the whole picture: within the budget, so
// it loads, and the chart paints it (its time is the benchmarks' to watch).
TEST(HostileMetafiles, ALargeDrawingWithinTheBudgetPaints) {
  pg::testing::EmfWriter big(524, 246);
  std::vector<std::int32_t> fields = {0, 0, 523, 245, 4000};
  for (int i = 0; i < 4000; ++i) fields.push_back((i * 37 % 524) | (i * 91 % 246) << 16);
  std::vector<std::uint8_t> polygon;
  for (const std::int32_t v : fields)
    for (int b = 0; b < 4; ++b) polygon.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * b)));
  big.Record(pg::platform::metafile::emr::kCreateBrushIndirect, {1, 0, 0x0000C0, 0})
      .Record(pg::platform::metafile::emr::kSelectObject, {1});
  for (int i = 0; i < 200; ++i) big.Raw(pg::platform::metafile::emr::kPolygon16, polygon);
  pg::testing::ScratchDir s("large_metafile");
  TChart chart;
  TPieSeries pie;
  pg::charts::ApplyChartFormDesign(chart, pie);
  chart.Legend().SetVisible(false);
  ASSERT_EQ(MessageOf(chart.BackImage(), s.Write("large.emf", Bytes(big.Finish()))), "loaded");
  const auto picture = chart.CreatePicture(pg::clWhite, TRect{0, 0, 524, 246});
  ASSERT_TRUE(picture);
  // Somewhere the polygons' fill shows.
  bool filled = false;
  for (int x = 0; x < 524 && !filled; x += 3) filled = picture->Pixel(x, 120) == 0xC00000;
  EXPECT_TRUE(filled);
}

}  // namespace
