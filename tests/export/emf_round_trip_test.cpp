// Charts written as EMF and played back by the module's own player agree with
// the chart's raster: the writer is the player's inverse. Each look leaves its
// file and both pictures in the test folder (export_*.emf/.png) to look at; on
// Windows GDI's own player plays the same files (win32_only/).
#include <gtest/gtest.h>

#include "export_looks.h"
#include "platform/metafile/play_metafile.h"

namespace {

using namespace pg;
using pg::testing::Agreement;
using pg::testing::ExportChart;
using pg::testing::ExportLook;

class EmfRoundTrip : public ::testing::TestWithParam<ExportLook> {};

TEST_P(EmfRoundTrip, PlaysBackAsTheChartDraws) {
  ExportChart c;
  GetParam().make(c);
  const auto raster = c.Raster();
  const auto emf = c.Vector(platform::ExportFormat::kEmf);
  ASSERT_FALSE(emf.empty());
  platform::Bitmap played(pg::testing::kExportWidth, pg::testing::kExportHeight);
  ASSERT_TRUE(platform::metafile::PlayEmf(emf, played.Dc(), c.Area()));
  const std::string stem = std::string("export_") + GetParam().name;
  pg::testing::SaveBytes(stem + ".emf", emf);
  pg::testing::SaveBytes(stem + ".svg", c.Vector(platform::ExportFormat::kSvg));
  raster->SavePng(stem + "_raster.png");
  played.SavePng(stem + "_emf_played.png");
  const double agreement = Agreement(*raster, played);
  RecordProperty("agreement", std::to_string(agreement));
  if (agreement < 0.99) pg::testing::SaveDifference(*raster, played, stem + "_emf_played_diff.png");
#ifdef _WIN32
  EXPECT_GE(agreement, pg::testing::kWindowsAgreementFloor) << GetParam().name;
#else
  EXPECT_GE(agreement, 0.99) << GetParam().name;
#endif
}

INSTANTIATE_TEST_SUITE_P(Looks, EmfRoundTrip, ::testing::ValuesIn(pg::testing::kExportLooks),
                         [](const auto& info) { return pg::testing::LookName(info); });

}  // namespace
