// The back picture: loading by extension, failures that keep the old picture,
// and the three placements on the panel and inside the plot.
#include "support/scratch_dir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "charts/chart_form_design.h"
#include "engine/picture/jpeg_image.h"
#include "engine/picture/picture.h"
#include "engine/picture/picture_errors.h"
#include "engine/picture/platform_graphic.h"

namespace {

using namespace pg::engine;
using pg::platform::TRect;
namespace fs = std::filesystem;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kYellow = 0xFFFF00, kWhite = 0xFFFFFF;



std::string MessageOf(TPicture& p, const std::string& path) {
  try {
    p.LoadFromFile(path);
  } catch (const pg::Exception& e) {
    return e.what();
  }
  return "loaded";
}

TEST(PictureLoad, TheExtensionPicksTheFormatWhateverItsCase) {
  pg::testing::ScratchDir s("picture_formats");
  int changes = 0;
  TPicture p([&] { ++changes; });
  struct Case {
    std::string path;
    int w, h;
  };
  for (const Case& c : {Case{pg::testing::PictureData("quadrants.bmp"), 40, 30}, Case{s.Copy(pg::testing::PictureData("quadrants8.bmp"), "Q.BMP"), 40, 30},
                        Case{pg::testing::PictureData("square.ico"), 16, 16}, Case{pg::testing::PictureData("halves.emf"), 48, 24},
                        Case{s.Copy(pg::testing::PictureData("halves.wmf"), "h.WmF"), 48, 24},
                        // A metafile of either kind, whatever the extension says.
                        Case{s.Copy(pg::testing::PictureData("halves.emf"), "enhanced.wmf"), 48, 24}}) {
    const int before = changes;
    ASSERT_EQ(MessageOf(p, c.path), "loaded") << c.path;
    EXPECT_EQ(p.Width(), c.w) << c.path;
    EXPECT_EQ(p.Height(), c.h) << c.path;
    EXPECT_EQ(changes, before + 1);
  }
  EXPECT_EQ(PictureFileExtension("C:\\pictures.old\\pie"), "");
  EXPECT_EQ(PictureFileExtension("pie.bmp.JPG"), "JPG");
}

TEST(PictureLoad, AFailedLoadKeepsThePictureItHad) {
  pg::testing::ScratchDir s("picture_failures");
  int changes = 0;
  TPicture p([&] { ++changes; });
  p.LoadFromFile(pg::testing::PictureData("quadrants.bmp"));
  TGraphic* kept = p.Graphic();
  changes = 0;
  EXPECT_EQ(MessageOf(p, s.Path("missing.bmp")), "Cannot open file \"" + s.Path("missing.bmp") + "\"");
  EXPECT_EQ(MessageOf(p, s.Write("pie.png", "\x89PNG")), "Unknown picture file extension (.png)");
  EXPECT_EQ(MessageOf(p, s.Path("pie")), "Unknown picture file extension (.)");
  EXPECT_EQ(MessageOf(p, s.Write("text.jpg", "not a picture")), "JPEG error #53");  // libjpeg's "not a JPEG file"
  EXPECT_EQ(MessageOf(p, s.Write("empty.jpeg", "")), "JPEG error #42");          // and its "empty input"
  EXPECT_EQ(MessageOf(p, s.Write("text.bmp", "BM but nothing more")), "Invalid bitmap file");
  EXPECT_EQ(MessageOf(p, s.Write("text.ico", "")), "Invalid icon file");
  EXPECT_EQ(MessageOf(p, s.Copy(pg::testing::PictureData("quadrants.bmp"), "bitmap.emf")), "Invalid metafile");
  fs::create_directories(s.dir / "folder.bmp");
  EXPECT_EQ(MessageOf(p, s.Path("folder.bmp")).rfind("Cannot open file", 0), 0u);
  EXPECT_EQ(p.Graphic(), kept);
  EXPECT_EQ(changes, 0);
}

struct BackPicture : ::testing::Test {
  TChart chart;
  TPieSeries pie;
  void SetUp() override {
    pg::charts::ApplyChartFormDesign(chart, pie);
    chart.Legend().SetVisible(false);
    chart.SetView3D(false);
    chart.BackImage().LoadFromFile(pg::testing::PictureData("quadrants.bmp"));  // 40 x 30
  }
  std::unique_ptr<pg::platform::Bitmap> Draw(int w = 524, int h = 246) {
    return chart.CreatePicture(pg::clWhite, TRect{0, 0, w, h});
  }
};

TEST_F(BackPicture, StretchCoversThePanel) {
  auto p = Draw();
  p->SavePng("back_stretch.png");
  EXPECT_EQ(p->Pixel(5, 5), kRed);
  EXPECT_EQ(p->Pixel(518, 5), kGreen);
  EXPECT_EQ(p->Pixel(5, 240), kBlue);
  EXPECT_EQ(p->Pixel(518, 240), kYellow);
}

TEST_F(BackPicture, TilesRepeatFromTheTopLeftCorner) {
  chart.SetBackImageMode(TBackImageMode::pbmTile);
  auto p = Draw();
  p->SavePng("back_tile.png");
  for (int x0 = 0; x0 < 520; x0 += 40)
    for (int y0 = 0; y0 < 240; y0 += 30) {
      ASSERT_EQ(p->Pixel(x0 + 5, y0 + 5), kRed) << x0 << "," << y0;
      ASSERT_EQ(p->Pixel(x0 + 25, y0 + 20), kYellow) << x0 << "," << y0;
    }
}

TEST_F(BackPicture, CenterRefillsTheBackgroundAndClipsALargePicture) {
  chart.SetBackImageMode(TBackImageMode::pbmCenter);
  chart.SetColor(0x808080);
  auto p = Draw();
  p->SavePng("back_center.png");
  const int left = (524 - 40) / 2, top = (246 - 30) / 2;
  EXPECT_EQ(p->Pixel(left, top), kRed);
  EXPECT_EQ(p->Pixel(left + 39, top + 29), kYellow);
  EXPECT_EQ(p->Pixel(left - 1, top), 0x808080u);
  EXPECT_EQ(p->Pixel(5, 5), 0x808080u);
  // A panel smaller than the picture shows its middle.
  auto small = Draw(20, 10);
  EXPECT_EQ(small->Pixel(0, 0), kRed);      // picture pixel (10, 10)
  EXPECT_EQ(small->Pixel(19, 9), kYellow);  // picture pixel (29, 19)
}

TEST_F(BackPicture, InsidePictureOnlyWhileFlat) {
  chart.SetBackImageInside(true);
  auto flat = Draw();
  flat->SavePng("back_inside.png");
  const TRect plot = chart.PlotRect();
  EXPECT_EQ(flat->Pixel(plot.left + 2, plot.top + 2), kRed);
  EXPECT_EQ(flat->Pixel(plot.right - 2, plot.bottom - 2), kYellow);
  EXPECT_EQ(flat->Pixel(plot.left - 2, plot.top + 2), kWhite);
  chart.SetView3D(true);
  auto solid = Draw();
  EXPECT_EQ(solid->Pixel(plot.left + 2, plot.top + 2), kWhite);
  EXPECT_EQ(solid->Pixel(5, 5), kWhite);
}

TEST_F(BackPicture, AJpegIsDecodedWhenTheChartFirstPaintsIt) {
  pg::testing::ScratchDir s("picture_lazy");
  pg::platform::Bitmap source(40, 30);
  source.Dc().SetBrush(pg::platform::Brush{pg::platform::BrushStyle::bsSolid, 0x0000FF, nullptr});
  source.Dc().FillRect(TRect{0, 0, 40, 30});
  TJPEGImage encoder;
  encoder.Compress(source);
  const auto& bytes = encoder.Data();
  const std::string path = s.Write("red.JPG", std::string(bytes.begin(), bytes.end()));
  chart.BackImage().LoadFromFile(path);
  auto* jpeg = dynamic_cast<TJPEGImage*>(chart.BackImage().Graphic());
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(jpeg->Width(), 40);  // measured from the header alone
  chart.SetBackImageMode(TBackImageMode::pbmTile);
  EXPECT_FALSE(jpeg->Decoded());
  auto p = Draw();
  EXPECT_TRUE(jpeg->Decoded());
  const std::uint32_t px = p->Pixel(20, 15);
  EXPECT_GT(px >> 16, 0xF0u);
  EXPECT_LT(px & 0xFFFF, 0x1010u);
}

}  // namespace
