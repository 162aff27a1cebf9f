// The charts' EMF files as GDI itself plays them: each file is loaded from disk
// and played with PlayEnhMetaFile into a DIB section of the chart's size, and
// the picture must agree with the chart's own raster. Leaves the picture (and,
// where they part, a difference picture) beside the file.
#include <windows.h>

#include <gtest/gtest.h>

#include "export/export_looks.h"
#include "platform/win32/bitmap_impl.h"

namespace {

using namespace pg;
using pg::testing::ExportChart;
using pg::testing::ExportLook;

class EmfGdiRoundTrip : public ::testing::TestWithParam<ExportLook> {};

TEST_P(EmfGdiRoundTrip, GdiPlaysTheFileAsTheChartDraws) {
  ExportChart c;
  GetParam().make(c);
  const auto raster = c.Raster();
  const std::string stem = std::string("export_") + GetParam().name + "_gdi";
  pg::testing::SaveBytes(stem + ".emf", c.Vector(platform::ExportFormat::kEmf));
  const std::wstring path(stem.begin(), stem.end());
  HENHMETAFILE emf = ::GetEnhMetaFileW((path + L".emf").c_str());
  ASSERT_NE(emf, nullptr);
  platform::Bitmap played(pg::testing::kExportWidth, pg::testing::kExportHeight);
  const RECT area{0, 0, pg::testing::kExportWidth, pg::testing::kExportHeight};
  const BOOL ok = ::PlayEnhMetaFile(played.impl().dc, emf, &area);
  ::GdiFlush();
  ::DeleteEnhMetaFile(emf);
  ASSERT_TRUE(ok);
  played.SavePng(stem + "_played.png");
  const double agreement = pg::testing::Agreement(*raster, played);
  RecordProperty("agreement", std::to_string(agreement));
  if (agreement < 0.99) pg::testing::SaveDifference(*raster, played, stem + "_played_diff.png");
  EXPECT_GE(agreement, pg::testing::kWindowsAgreementFloor) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Looks, EmfGdiRoundTrip, ::testing::ValuesIn(pg::testing::kExportLooks),
                         [](const auto& info) { return pg::testing::LookName(info); });

}  // namespace
