// pgChartPicture and pgChartBitmap on a chart window: what a failing load keeps,
// the placement words, and the bitmap file the chart is saved as.
#include "support/scratch_dir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "charts/actions/chart_actions.h"
#include "engine/picture/picture_errors.h"
#include "platform/bitmap.h"
#include "platform/picture/picture_headers.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>

#include <csignal>
#endif

namespace {

using namespace pg::charts;
using pg::engine::TBackImageMode;
namespace fs = std::filesystem;



std::vector<std::uint8_t> Content(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

TEST(PictureActions, OnlyALoadedPictureTakesThePlacementWords) {
  pg::testing::ScratchDir s("picture_actions_load");
  TChartImageForm w("R");
  auto& chart = w.Chart1();
  ChartPicture(w, {"R", "False", pg::testing::PictureData("quadrants.bmp"), "Tile"});
  auto* first = chart.BackImage().Graphic();
  ASSERT_TRUE(first);
  EXPECT_TRUE(chart.BackImageInside());
  EXPECT_EQ(chart.BackImageMode(), TBackImageMode::pbmTile);

  std::ofstream(s.Path("text.jpg"), std::ios::binary) << "no picture";
  std::ofstream(s.Path("pie.png"), std::ios::binary) << "\x89PNG";
  for (const std::string& bad : {s.Path("missing.bmp"), s.Path("pie.png"), s.Path("text.jpg")}) {
    EXPECT_ANY_THROW(ChartPicture(w, {"R", "True", bad, "Center"})) << bad;
    EXPECT_EQ(chart.BackImage().Graphic(), first);
    EXPECT_TRUE(chart.BackImageInside());
    EXPECT_EQ(chart.BackImageMode(), TBackImageMode::pbmTile);
  }

  ChartPicture(w, {"R", "True", pg::testing::PictureData("halves.emf"), "Center"});
  EXPECT_NE(chart.BackImage().Graphic(), first);
  EXPECT_FALSE(chart.BackImageInside());
  EXPECT_EQ(chart.BackImageMode(), TBackImageMode::pbmCenter);
  // Words outside the tables leave both settings.
  ChartPicture(w, {"R", "TRUE", pg::testing::PictureData("quadrants.bmp"), "center"});
  EXPECT_FALSE(chart.BackImageInside());
  EXPECT_EQ(chart.BackImageMode(), TBackImageMode::pbmCenter);
  ChartPicture(w, {"R", "false", pg::testing::PictureData("square.ico"), "Stretch"});
  EXPECT_TRUE(chart.BackImageInside());
  EXPECT_EQ(chart.BackImageMode(), TBackImageMode::pbmStretch);
}

TEST(PictureActions, BitmapOfTheWindowSizeInColour) {
  pg::testing::ScratchDir s("picture_actions_bitmap");
  TChartImageForm w("R");
  ChartGradient(w, {"R", "255,0,0", "255,0,0", "TopBottom"});
  ChartMonochrome(w, {"R", "True"});
  ChartBitmap(w, {"R", s.Path("pie.bmp")});  // the extension is added all the same
  EXPECT_FALSE(fs::exists(s.Path("pie.bmp")));
  const auto bytes = Content(s.Path("pie.bmp.bmp"));
  const auto layout = pg::platform::ReadBitmapLayout(bytes);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->width, 524);
  EXPECT_EQ(layout->height, 246);
  EXPECT_EQ(layout->bitsPerPixel, 24);
  // The bottom-left pixel, first in the file: red, blue-green-red order.
  EXPECT_EQ(bytes[layout->bitsOffset + 2], 0xFF);
  EXPECT_EQ(bytes[layout->bitsOffset + 1], 0x00);
  EXPECT_EQ(fs::directory_iterator(s.dir)->path().filename(), "pie.bmp.bmp");
}

TEST(PictureActions, AFailedSaveLeavesTheOldFile) {
  pg::testing::ScratchDir s("picture_actions_keep");
  TChartImageForm w("R");
  const std::string stem = s.Path("pie"), file = stem + ".bmp";
  std::ofstream(file, std::ios::binary) << "the author's picture";
#ifdef _WIN32
  // Held open by another program, the file may not be replaced meanwhile.
  HANDLE held = ::CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_THROW(ChartBitmap(w, {"R", stem}), pg::engine::FileStreamError);
  ::CloseHandle(held);
#else
  // As on a full disk: no file may grow past 1000 bytes.
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  bool threw = false;
  try {
    ChartBitmap(w, {"R", stem});
  } catch (const pg::engine::FileStreamError&) {
    threw = true;
  }
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);
  EXPECT_TRUE(threw);
#endif
  const auto kept = Content(file);
  EXPECT_TRUE(std::string(kept.begin(), kept.end()) == "the author's picture");
  EXPECT_EQ(std::distance(fs::directory_iterator(s.dir), fs::directory_iterator()), 1);
  // A path into no folder fails the same way and writes nothing.
  EXPECT_THROW(ChartBitmap(w, {"R", s.Path("none/pie")}), pg::engine::FileStreamError);
}

TEST(PictureActions, AChartTooLargeForABitmapKeepsTheFileAndStillPaints) {
  pg::testing::ScratchDir s("picture_actions_large");
  TChartImageForm w("R");
  ChartGradient(w, {"R", "255,0,0", "255,0,0", "TopBottom"});
  const std::string stem = s.Path("pie"), file = stem + ".bmp";
  ChartBitmap(w, {"R", stem});
  const auto good = Content(file);
  ASSERT_FALSE(good.empty());
  // 8193 x 8193 pixels are more than a bitmap may hold.
  w.SetClientSize(8193, 8193);
  EXPECT_THROW(ChartBitmap(w, {"R", stem}), pg::engine::FileStreamError);
  EXPECT_EQ(Content(file), good);
  EXPECT_EQ(std::distance(fs::directory_iterator(s.dir), fs::directory_iterator()), 1);
  // The window of that size shows what its device context holds.
  pg::platform::Bitmap window(300, 200);
  w.Chart1().Paint(window.Dc(), pg::platform::TRect{0, 0, 8193, 8193});
  EXPECT_EQ(window.Pixel(150, 100), 0xFF0000u);
}

}  // namespace
