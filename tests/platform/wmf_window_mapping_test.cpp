// Windows metafiles that keep to their window are drawn by GDI itself in one
// mapping, window to destination, as the module's player draws them; those
// that set up a viewport, regions or restore saved states by number go through
// GDI's conversion to an enhanced metafile, which keeps their meaning.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/bitmap.h"
#include "platform/metafile/play_metafile.h"
#include "platform/metafile/wmf_records.h"
#include "platform/metafile/wmf_window_mapping.h"
#include "platform/picture_files.h"
#include "support/metafile_writer.h"

namespace pg::platform {
namespace {

using testing::WmfWriter;

std::vector<std::uint8_t> ReadData(const std::string& name) {
  std::ifstream f(std::string(PG_TEST_DATA) + "/pictures/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

bool Keeps(const std::vector<std::uint8_t>& placeable) {
  return metafile::KeepsToItsWindow(std::span(placeable).subspan(metafile::wmr::kPlaceableSize));
}

WmfWriter Drawing() {
  WmfWriter w(48, 24);
  w.Record(metafile::wmr::kSetMapMode, {8}).Record(metafile::wmr::kSetWindowOrg, {0, 0});
  w.Record(metafile::wmr::kSaveDc, {}).Record(metafile::wmr::kRectangle, {20, 40, 2, 2});
  return w;
}

TEST(WmfWindowMapping, TellsTheFilesThatSetUpAMappingOfTheirOwn) {
  EXPECT_TRUE(Keeps(Drawing().Record(metafile::wmr::kRestoreDc, {-1}).Finish()));
  EXPECT_TRUE(Keeps(Drawing().Record(metafile::wmr::kScaleWindowExt, {1, 2, 1, 2}).Finish()));
  struct Case {
    const char* what;
    std::uint16_t function;
    std::initializer_list<std::int16_t> words;
  };
  const Case owns[] = {
      {"viewport origin", metafile::wmr::kSetViewportOrg, {5, 5}},
      {"viewport extent", metafile::wmr::kSetViewportExt, {10, 10}},
      {"viewport offset", metafile::wmr::kOffsetViewportOrg, {5, 5}},
      {"viewport scale", metafile::wmr::kScaleViewportExt, {1, 2, 1, 2}},
      {"text mapping", metafile::wmr::kSetMapMode, {1}},
      {"isotropic mapping", metafile::wmr::kSetMapMode, {7}},
      {"clip region", metafile::wmr::kSelectClipRegion, {0}},
      {"clip offset", metafile::wmr::kOffsetClipRgn, {3, 3}},
      {"restore by number", metafile::wmr::kRestoreDc, {1}},
      {"region", metafile::wmr::kCreateRegion, {0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : owns) EXPECT_FALSE(Keeps(Drawing().Record(c.function, c.words).Finish())) << c.what;
  // A record longer than the file: not for GDI to find out.
  auto cut = Drawing().Record(metafile::wmr::kRectangle, {1, 1, 0, 0}).Finish();
  cut.resize(cut.size() - 8);
  EXPECT_FALSE(Keeps(cut));

  EXPECT_TRUE(Keeps(ReadData("recorded/inkscape_star.wmf")));
  EXPECT_FALSE(Keeps(ReadData("recorded/gdi_clipping.wmf")));
}

// Inkscape's star stretched onto a chart's panel: GDI's picture is the
// player's, line for line (through GDI's conversion 95 % of the pixels agreed).
TEST(WmfWindowMapping, AStretchedPictureDrawsAsThePlayerDrawsIt) {
  const auto bytes = ReadData("recorded/inkscape_star.wmf");
  auto picture = DecodePicture(PictureFormat::kWindowsMetafile, bytes);
  ASSERT_NE(picture, nullptr);
  const TRect dest{3, 5, 527, 251};
  Bitmap drawn(530, 256), played(530, 256);
  picture->Draw(drawn.Dc(), dest);
  ASSERT_TRUE(metafile::PlayWmf(bytes, played.Dc(), dest));
  int parted = 0;
  for (int y = 0; y < drawn.Height(); ++y)
    for (int x = 0; x < drawn.Width(); ++x) {
      const std::uint32_t a = drawn.Pixel(x, y), b = played.Pixel(x, y);
      for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 16) {
          ++parted;
          break;
        }
    }
  EXPECT_LE(parted, drawn.Width() * drawn.Height() / 1000);
}

}  // namespace
}  // namespace pg::platform
