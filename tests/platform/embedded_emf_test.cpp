// Windows metafiles that carry an enhanced metafile in their comments play
// that, on both builds, only while its pieces hold together. The files are
// GDI's own conversion of two halves, red and blue, whose records were patched
// to draw the left half green (tests/data/pictures/make_pictures.py): red shows
// the enhanced metafile played, green the records.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/bitmap.h"
#include "platform/metafile/embedded_emf.h"
#include "platform/picture/picture_headers.h"
#include "platform/picture_files.h"

namespace pg::platform {
namespace {

std::vector<std::uint8_t> ReadData(const std::string& name) {
  std::ifstream f(std::string(PG_TEST_DATA) + "/pictures/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

// The colour the picture shows in the middle of its left half, stretched onto 80 x 60.
std::uint32_t LeftHalf(const std::string& name) {
  const auto bytes = ReadData(name);
  EXPECT_FALSE(bytes.empty()) << name;
  auto p = DecodePicture(PictureFormat::kWindowsMetafile, bytes);
  if (!p) {
    ADD_FAILURE() << name << " refused";
    return 0;
  }
  EXPECT_EQ(p->Extent(), (PictureExtent{400, 300, 96})) << name;  // the placeable box, either way
  Bitmap b(80, 60);
  p->Draw(b.Dc(), TRect{0, 0, 80, 60});
  EXPECT_EQ(b.Pixel(60, 30), 0x0000FFu) << name;  // the right half is blue in both
  return b.Pixel(20, 30);
}

constexpr std::uint32_t kEmbedded = 0xFF0000, kRecords = 0x00FF00;

TEST(EmbeddedEmf, SoundPiecesPlayTheEnhancedMetafile) {
  EXPECT_EQ(LeftHalf("recorded/gdi_halves_embedded.wmf"), kEmbedded);  // as GDI wrote it
  EXPECT_EQ(LeftHalf("embedded/embedded_patched.wmf"), kEmbedded);
  // The checksum as the format's documentation and as LibreOffice write it.
  EXPECT_EQ(LeftHalf("embedded/embedded_documented_checksum.wmf"), kEmbedded);
  EXPECT_EQ(LeftHalf("embedded/embedded_libreoffice_checksum.wmf"), kEmbedded);
}

TEST(EmbeddedEmf, BrokenPiecesPlayTheRecords) {
  for (const char* name : {"embedded_missing_piece.wmf", "embedded_bad_checksum.wmf", "embedded_wrong_total.wmf",
                           "embedded_swapped.wmf", "embedded_broken_emf.wmf"})
    EXPECT_EQ(LeftHalf(std::string("embedded/") + name), kRecords) << name;
}

std::span<const std::uint8_t> Standard(const std::vector<std::uint8_t>& wmf) {
  const auto layout = ReadWmfLayout(wmf);
  return layout ? std::span<const std::uint8_t>(wmf).subspan(layout->metafileOffset) : std::span<const std::uint8_t>{};
}

TEST(EmbeddedEmf, PiecesAreJoinedWhole) {
  const auto gdi = ReadData("recorded/gdi_halves_embedded.wmf");
  const auto emf = metafile::EmbeddedEmf(Standard(gdi));
  ASSERT_TRUE(emf);
  EXPECT_EQ(emf->size(), 10308u);  // two pieces: 8192 and 2116 bytes
  EXPECT_TRUE(ReadEmfExtent(*emf));
  // LibreOffice's export of a drawing, its checksum the two's complement.
  EXPECT_TRUE(metafile::EmbeddedEmf(Standard(ReadData("recorded/libreoffice_airplane.wmf"))));
  // Files without pieces, and pieces cut short by the file's end.
  EXPECT_FALSE(metafile::EmbeddedEmf(Standard(ReadData("halves.wmf"))));
  EXPECT_FALSE(metafile::EmbeddedEmf(Standard(ReadData("recorded/gdi_clipping.wmf"))));
  const auto standard = Standard(gdi);
  for (std::size_t cut : {0, 17, 18, 60, 8000, 9000})
    EXPECT_FALSE(metafile::EmbeddedEmf(standard.first(cut))) << cut;
}

// The enhanced metafile must fit the work a picture may cost, like any other.
TEST(EmbeddedEmf, TheEnhancedMetafileMeetsTheRecordCheck) {
  const auto gdi = ReadData("recorded/gdi_halves_embedded.wmf");
  metafile::WorkLimits tight;
  tight.records = 3;
  EXPECT_FALSE(metafile::EmbeddedEmf(Standard(gdi), tight));
}

}  // namespace
}  // namespace pg::platform
