// The JPEG picture: what its header tells before any decoding, the decoding
// settings, and damaged data that fails only when the picture is drawn.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "engine/picture/jpeg_image.h"
#include "engine/picture/picture_errors.h"

namespace {

using namespace pg::engine;
using pg::platform::Bitmap;
using pg::platform::TRect;

// A picture with many colours: red across, green down, blue in the top-left quarter.
std::unique_ptr<Bitmap> Colourful(int w = 64, int h = 48) {
  auto b = std::make_unique<Bitmap>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b->Dc().SetPixel(x, y, pg::platform::Rgb(x * 255 / w, y * 255 / h, x < w / 2 && y < h / 2 ? 255 : 0));
  return b;
}

std::vector<std::uint8_t> Encode(const Bitmap& b, bool progressive = false, bool grayscale = false) {
  TJPEGImage encoder;
  encoder.SetProgressiveEncoding(progressive);
  encoder.SetGrayscale(grayscale);
  encoder.Compress(b);
  return encoder.Data();
}

int ErrorCode(TJPEGImage& j) {
  try {
    j.Bitmap();
  } catch (const JpegError& e) {
    EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(e.Code()));
    return e.Code();
  }
  return 0;
}

TEST(JpegImage, HeaderAtLoadDecodingOnlyWhenAskedFor) {
  const auto source = Colourful();
  TJPEGImage j;
  int progress = 0;
  j.SetOnProgress([&](TProgressStage) { ++progress; });
  EXPECT_EQ(j.CompressionQuality(), 90);
  EXPECT_TRUE(j.Smoothing());
  EXPECT_EQ(j.Performance(), TJPEGPerformance::jpBestQuality);
  EXPECT_EQ(j.PixelFormat(), TJPEGImage::ScreenPixelFormat());
  j.LoadFromBytes(Encode(*source));
  EXPECT_EQ(j.Width(), 64);
  EXPECT_EQ(j.Height(), 48);
  EXPECT_FALSE(j.Grayscale());
  EXPECT_FALSE(j.ProgressiveEncoding());
  EXPECT_FALSE(j.Decoded());
  EXPECT_EQ(progress, 0);

  j.SetPixelFormat(TJPEGPixelFormat::jf24Bit);
  const Bitmap& decoded = j.Bitmap();
  EXPECT_EQ(progress, 2);  // start and end
  ASSERT_EQ(decoded.Width(), 64);
  // Close to the source colours (JPEG loses a little).
  for (auto [x, y] : {std::pair{5, 5}, {60, 40}, {40, 10}}) {
    const std::uint32_t a = decoded.Pixel(x, y), b = source->Pixel(x, y);
    for (int s = 0; s <= 16; s += 8)
      EXPECT_NEAR(static_cast<int>((a >> s) & 0xFF), static_cast<int>((b >> s) & 0xFF), 24) << x << "," << y;
  }
  j.Bitmap();
  EXPECT_EQ(progress, 2);  // cached

  // A setting that changes the decoded picture drops it.
  j.SetScale(TJPEGScale::jsQuarter);
  EXPECT_FALSE(j.Decoded());
  EXPECT_EQ(j.Width(), 16);
  EXPECT_EQ(j.Bitmap().Height(), 12);
}

TEST(JpegImage, ProgressiveAndGrayscaleFilesSayWhatTheyAre) {
  const auto source = Colourful();
  TJPEGImage progressive;
  progressive.LoadFromBytes(Encode(*source, true));
  EXPECT_TRUE(progressive.ProgressiveEncoding());
  EXPECT_GT(progressive.Bitmap().Pixel(60, 40), 0u);

  TJPEGImage gray;
  gray.LoadFromBytes(Encode(*source, false, true));
  EXPECT_TRUE(gray.Grayscale());
  const std::uint32_t px = gray.Bitmap().Pixel(60, 40);
  EXPECT_EQ(px >> 16, px & 0xFF);
  EXPECT_EQ((px >> 8) & 0xFF, px & 0xFF);
}

TEST(JpegImage, EightBitOutputHasAtMost236Colours) {
  const auto bytes = Encode(*Colourful(128, 128));
  auto colours = [&](TJPEGPixelFormat format) {
    TJPEGImage j;
    j.SetPixelFormat(format);
    j.LoadFromBytes(bytes);
    std::set<std::uint32_t> seen;
    const Bitmap& b = j.Bitmap();
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) seen.insert(b.Pixel(x, y));
    return seen.size();
  };
  EXPECT_LE(colours(TJPEGPixelFormat::jf8Bit), 236u);
  EXPECT_GT(colours(TJPEGPixelFormat::jf24Bit), 236u);
}

TEST(JpegImage, DamagedImageDataFailsWhenDrawnAndOnlyOnce) {
  auto bytes = Encode(*Colourful());
  // Give the first Huffman table three codes of length 1: a sound header, a table
  // no decoder can build.
  std::size_t dht = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC4) {
      dht = i;
      break;
    }
  ASSERT_GT(dht, 0u);
  std::uint8_t* counts = bytes.data() + dht + 5;
  ASSERT_GE(counts[2], 3);
  counts[0] += 3;
  counts[2] -= 3;

  TJPEGImage j;
  int progress = 0;
  j.SetOnProgress([&](TProgressStage) { ++progress; });
  j.LoadFromBytes(bytes);
  EXPECT_EQ(j.Width(), 64);
  Bitmap target(64, 48);
  j.Draw(target.Dc(), TRect{0, 0, 64, 48});  // draws nothing, throws nothing
  EXPECT_EQ(target.Pixel(10, 10), 0xFFFFFFu);
  EXPECT_EQ(ErrorCode(j), 8);  // libjpeg's "bogus Huffman table"
  EXPECT_EQ(progress, 2);      // the failure is remembered, not retried
  EXPECT_FALSE(j.Decoded());
}

TEST(JpegImage, AFailedLoadKeepsThePicture) {
  TJPEGImage j;
  j.LoadFromBytes(Encode(*Colourful()));
  const auto before = j.Data();
  EXPECT_THROW(j.LoadFromBytes({'n', 'o'}), JpegError);
  auto truncated = before;
  truncated.resize(100);  // ends inside the header
  EXPECT_THROW(j.LoadFromBytes(truncated), JpegError);
  EXPECT_EQ(j.Data(), before);
  EXPECT_EQ(j.Width(), 64);
}

// A fragment that declares far more picture than its bytes can hold is refused
// when drawn, instead of decoding millions of pixels from nothing; files that
// merely end early, and large flat pictures that pack tightly, still decode.
TEST(JpegImage, APictureLargerThanItsDataCanHoldDrawsNothing) {
  auto bytes = Encode(*Colourful());
  std::size_t sof = 0;
  for (std::size_t i = 0; i + 9 < bytes.size() && !sof; ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) sof = i;
  ASSERT_GT(sof, 0u);
  // 15088 x 16641, half scale: within the bitmap's limit, from about a kilobyte.
  bytes[sof + 5] = 16641 >> 8, bytes[sof + 6] = 16641 & 0xFF;
  bytes[sof + 7] = 15088 >> 8, bytes[sof + 8] = 15088 & 0xFF;
  TJPEGImage huge;
  huge.LoadFromBytes(bytes);
  huge.SetScale(TJPEGScale::jsHalf);
  EXPECT_EQ(huge.Width(), 7544);
  Bitmap target(8, 8);
  huge.Draw(target.Dc(), TRect{0, 0, 8, 8});
  EXPECT_NE(ErrorCode(huge), 0);
  EXPECT_FALSE(huge.Decoded());

  auto cut = Encode(*Colourful(256, 256));
  cut.resize(cut.size() * 3 / 5);
  TJPEGImage early;
  early.LoadFromBytes(cut);
  EXPECT_EQ(ErrorCode(early), 0);
  EXPECT_EQ(early.Bitmap().Width(), 256);

  Bitmap white(2048, 2048);  // bitmaps start white
  TJPEGImage flat;
  flat.LoadFromBytes(Encode(white));
  EXPECT_EQ(ErrorCode(flat), 0);
  EXPECT_EQ(flat.Bitmap().Pixel(1000, 1000), 0xFFFFFFu);
}

std::vector<std::uint8_t> ReadPicture(const std::string& name) {
  std::ifstream f(std::string(PG_TEST_DATA) + "/pictures/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

// jpegtran's progressive scans of a photo, 97 of them; and the same scans
// repeated to 769, as files built to stall a decoder are (each scan re-reads
// the whole picture).
TEST(JpegImage, ProgressiveFilesWithTooManyScansAreRefusedAtLoad) {
  const auto some = ReadPicture("some_scans.jpg"), many = ReadPicture("many_scans.jpg");
  ASSERT_FALSE(some.empty());
  ASSERT_FALSE(many.empty());
  EXPECT_EQ(jpeg::CountScans(some), 97);
  EXPECT_EQ(jpeg::CountScans(many), 769);

  TJPEGImage j;
  j.LoadFromBytes(some);
  EXPECT_EQ(j.Bitmap().Width(), 48);
  EXPECT_EQ(ErrorCode(j), 0);
  try {
    j.LoadFromBytes(many);
    ADD_FAILURE() << "769 scans loaded";
  } catch (const JpegError& e) {
    EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(e.Code()));
    EXPECT_NE(e.Code(), 0);
  }
  EXPECT_EQ(j.Data(), some);  // the old picture stays

  // Large pictures get fewer scans: 64 over 8192 x 8192, never none.
  EXPECT_EQ(jpeg::ScanLimit(48, 32), jpeg::kMaxScans);
  EXPECT_EQ(jpeg::ScanLimit(8192, 8192), 64);
  EXPECT_GE(jpeg::ScanLimit(32767, 2048), 64);
}

TEST(JpegImage, ScanCountSkipsMarkersInsideSegmentsAndData) {
  const auto source = Colourful(40, 24);
  auto data = Encode(*source, true);
  const int scans = jpeg::CountScans(data);
  EXPECT_EQ(scans, 10);  // the library's own progression for colour pictures
  // A comment holding a start-of-scan marker's bytes is no scan.
  const std::vector<std::uint8_t> comment = {0xFF, 0xFE, 0x00, 0x06, 0xFF, 0xDA, 0xFF, 0xDA};
  data.insert(data.begin() + 2, comment.begin(), comment.end());
  EXPECT_EQ(jpeg::CountScans(data), scans);
  TJPEGImage j;
  j.LoadFromBytes(data);
  EXPECT_EQ(ErrorCode(j), 0);
}

}  // namespace
