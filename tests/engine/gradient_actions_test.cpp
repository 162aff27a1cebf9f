// The gradient's direction words, checked at the edges of the saved picture, and
// the plain colour that turns a gradient off (margins, border and monochrome:
// tests/scenarios/appearance_panel.pgs).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "charts/actions/chart_actions.h"
#include "platform/bitmap.h"
#include "platform/picture_files.h"

namespace {

using namespace pg::charts;
using pg::engine::TGradientDirection;
using pg::platform::TRect;
namespace fs = std::filesystem;

constexpr pg::TColor kRed = 0x0000FF, kBlue = 0xFF0000;
constexpr std::uint32_t kRedPx = 0xFF0000, kBluePx = 0x0000FF;

// The chart as pgChartBitmap saves it, read back from the file.
std::unique_ptr<pg::platform::Bitmap> Saved(TChartImageForm& w) {
  const fs::path stem = fs::temp_directory_path() / "pg_gradient_actions";
  ChartBitmap(w, {"R", stem.string()});
  std::ifstream f(stem.string() + ".bmp", std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(f), {}};
  f.close();
  fs::remove(stem.string() + ".bmp");
  auto picture = pg::platform::DecodePicture(pg::platform::PictureFormat::kBitmap, bytes);
  EXPECT_TRUE(picture);
  auto b = std::make_unique<pg::platform::Bitmap>(w.ClientWidth(), w.ClientHeight());
  if (picture) picture->Draw(b->Dc(), TRect{0, 0, b->Width(), b->Height()});
  return b;
}

TEST(AppearanceActions, DirectionWordsSetColoursAndDirection) {
  TChartImageForm w("R");
  auto& g = w.Chart1().Gradient();
  const int right = w.ClientWidth() - 1, bottom = w.ClientHeight() - 1, midX = right / 2, midY = bottom / 2;
  struct Case {
    const char* word;
    TGradientDirection direction;
    bool swapped;
    int startX, startY;  // where the start colour lies
    int endX, endY;      // where the end colour lies (the linear directions only)
  };
  using D = TGradientDirection;
  const Case cases[] = {
      {"TopBottom", D::gdTopBottom, false, midX, bottom, midX, 0},
      {"BottomTop", D::gdBottomTop, true, midX, bottom, midX, 0},
      {"LeftRight", D::gdLeftRight, false, right, midY, 0, midY},
      {"RightLeft", D::gdRightLeft, true, right, midY, 0, midY},
      {"FromCenter", D::gdFromCenter, false, 0, midY, -1, -1},
      {"FromTopLeft", D::gdFromTopLeft, false, 0, 0, -1, -1},
      {"FromBottomLeft", D::gdFromBottomLeft, false, 0, bottom, -1, -1},
      {"FromTopRight", D::gdFromTopLeft, true, 0, 0, -1, -1},
      {"FromBottomRight", D::gdFromBottomLeft, true, 0, bottom, -1, -1},
  };
  for (const Case& c : cases) {
    ChartGradient(w, {"R", "255,0,0", "0,0,255", c.word});
    EXPECT_TRUE(g.Visible());
    EXPECT_EQ(g.Direction(), c.direction) << c.word;
    EXPECT_EQ(g.StartColor(), c.swapped ? kBlue : kRed) << c.word;
    EXPECT_EQ(g.EndColor(), c.swapped ? kRed : kBlue) << c.word;
    auto p = Saved(w);
    if (std::string(c.word) == "FromTopRight") p->SavePng("gradient_from_top_right.png");
    EXPECT_EQ(p->Pixel(c.startX, c.startY), c.swapped ? kBluePx : kRedPx) << c.word;
    if (c.endX >= 0) {
      EXPECT_EQ(p->Pixel(c.endX, c.endY), c.swapped ? kRedPx : kBluePx) << c.word;
    }
  }
  // A word not in the table: the colours in the given order, the direction kept.
  ChartGradient(w, {"R", "255,0,0", "0,0,255", "Diagonal"});
  EXPECT_EQ(g.StartColor(), kRed);
  EXPECT_EQ(g.Direction(), D::gdFromBottomLeft);
  // A malformed second colour changes nothing, and shows no hidden gradient.
  EXPECT_ANY_THROW(ChartGradient(w, {"R", "0,255,0", "0,0", "TopBottom"}));
  EXPECT_EQ(g.StartColor(), kRed);
  ChartColor(w, {"R", "255,255,0"});
  EXPECT_FALSE(g.Visible());
  EXPECT_ANY_THROW(ChartGradient(w, {"R", "0,255,0", "x", "TopBottom"}));
  EXPECT_FALSE(g.Visible());
  EXPECT_EQ(Saved(w)->Pixel(2, 2), 0xFFFF00u);  // the panel in its new colour
}

}  // namespace
