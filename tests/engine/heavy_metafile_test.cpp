// Metafiles that pass for sound yet ask for far more work than any picture:
// text turned at a point beyond int once placed, text and pens many times the
// picture's size, object tables overfilled. Each either loads and paints (in
// bounded work: bench/metafile_benchmarks.cpp times them) or is refused, and
// the same test on the Windows build, which hands GDI what the record check
// passes, makes both builds decide alike.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/picture/picture.h"
#include "engine/picture/picture_errors.h"
#include "platform/bitmap.h"
#include "platform/metafile/emf_records.h"
#include "platform/metafile/wmf_records.h"
#include "support/metafile_writer.h"
#include "support/scratch_dir.h"

namespace {

using namespace pg::engine;
namespace emr = pg::platform::metafile::emr;
namespace wmr = pg::platform::metafile::wmr;

// "drawn", or the refusal's detail.
std::string LoadAndPaint(const std::string& path) {
  TPicture p([] {});
  try {
    p.LoadFromFile(path);
  } catch (const PictureError& e) {
    return e.Detail().empty() ? e.what() : e.Detail();
  }
#ifdef _WIN32
  // The Windows build hands accepted files to GDI, which plays them without our
  // player's budget: under Wine some of these take GDI minutes. The decision to
  // draw or refuse is the shared record check's, made at load, and that is what
  // both builds must agree on.
  return "drawn";
#endif
  // At its size, shrunk, and stretched far past the target.
  pg::platform::Bitmap target(200, 100);
  for (const pg::platform::TRect dest : {pg::platform::TRect{0, 0, p.Width(), p.Height()},
                                         pg::platform::TRect{5, 5, 60, 40}, pg::platform::TRect{-400, -300, 900, 700}})
    p.Graphic()->Draw(target.Dc(), dest);
  return "drawn";
}

std::string Bytes(const std::vector<std::uint8_t>& v) { return {v.begin(), v.end()}; }

TEST(HeavyMetafiles, EachDrawsOrIsRefusedAlikeOnBothBuilds) {
  struct Case {
    const char* name;
    const char* outcome;
  };
  for (const Case c : {
           Case{"emf_text_turned_far.emf", "drawn"},
           Case{"emf_text_turned_world.emf", "drawn"},
           Case{"emf_text_turned_large.emf", "drawn"},
           Case{"emf_text_upright_large.emf", "drawn"},
           Case{"emf_text_path_large.emf", "drawn"},
           // Found by the fuzzer: a text as large as the allowance lets into a path.
           Case{"emf_text_path_found.emf", "drawn"},
           Case{"emf_wide_pen_ellipses.emf", "drawn"},
           Case{"emf_wide_pen_lines.emf", "drawn"},
           Case{"wmf_text_turned_far.wmf", "drawn"},
           // The window extent is record 1; the eighth brush finds no slot.
           Case{"wmf_brushes_over_table.wmf",
                "record 9 (META_CREATEBRUSHINDIRECT) finds all 7 object slots the header declares in use"},
       })
    EXPECT_EQ(LoadAndPaint(pg::testing::PictureData(std::string("heavy/") + c.name)), c.outcome) << c.name;
}

// One brush made again and again: an enhanced metafile names its slot, a
// standard one takes the lowest free slot, which the deletions keep free.
TEST(HeavyMetafiles, ObjectsMadeTensOfThousandsOfTimes) {
  pg::testing::ScratchDir s("heavy_metafiles");
  pg::testing::EmfWriter emf(48, 24);
  for (int i = 0; i < 50'000; ++i) emf.Record(emr::kCreateBrushIndirect, {1, 0, 0x0000C0, 0});
  emf.Record(emr::kSelectObject, {1}).Record(emr::kRectangle, {0, 0, 24, 24});
  EXPECT_EQ(LoadAndPaint(s.Write("brushes.emf", Bytes(emf.Finish()))), "drawn");

  pg::testing::WmfWriter cycled(48, 24);  // 16 slots
  for (int i = 0; i < 50'000; ++i)
    cycled.Record(wmr::kCreateBrushIndirect, {0, 0x00C0, 0, 0}).Record(wmr::kDeleteObject, {0});
  EXPECT_EQ(LoadAndPaint(s.Write("cycled.wmf", Bytes(cycled.Finish()))), "drawn");

  // 200 000 brushes never deleted (2.8 MB): the seventeenth finds the table full.
  pg::testing::WmfWriter piled(48, 24);
  for (int i = 0; i < 200'000; ++i) piled.Record(wmr::kCreateBrushIndirect, {0, 0x00C0, 0, 0});
  EXPECT_EQ(LoadAndPaint(s.Write("piled.wmf", Bytes(piled.Finish()))),
            "record 18 (META_CREATEBRUSHINDIRECT) finds all 16 object slots the header declares in use");
}

// The reason names the record and what it claims.
TEST(HeavyMetafiles, ARefusalSaysWhichRecordAndWhy) {
  pg::testing::EmfWriter emf(48, 24);
  emf.Record(emr::kRectangle, {0, 0, 9, 9}).Record(emr::kPolyline16, {0, 0, 9, 9, 90000, 0});
  pg::testing::ScratchDir s("refusal_reason");
  EXPECT_EQ(LoadAndPaint(s.Write("lying.emf", Bytes(emf.Finish()))),
            "record 3 (EMR_POLYLINE16) claims 90000 points of 4 bytes in 4 bytes");
  pg::testing::WmfWriter wmf(48, 24);
  wmf.Record(wmr::kSelectObject, {40});
  EXPECT_EQ(LoadAndPaint(s.Write("index.wmf", Bytes(wmf.Finish()))),
            "record 2 (META_SELECTOBJECT) names object 40 of a table of 16");
}

}  // namespace
