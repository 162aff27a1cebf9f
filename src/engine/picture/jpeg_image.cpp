#include "engine/picture/jpeg_image.h"

#include "engine/picture/picture_errors.h"
#include "platform/picture_pixels.h"
#include "platform/screen_metrics.h"

namespace pg::engine {

TJPEGImage::TJPEGImage() : pixelFormat_(ScreenPixelFormat()) {}
TJPEGImage::~TJPEGImage() = default;

TJPEGPixelFormat TJPEGImage::ScreenPixelFormat() {
  static const TJPEGPixelFormat format =
      platform::Screen().bitsPerPixel <= 8 ? TJPEGPixelFormat::jf8Bit : TJPEGPixelFormat::jf24Bit;
  return format;
}

int TJPEGImage::ScaleDenominator() const {
  switch (scale_) {
    case TJPEGScale::jsFullSize: return 1;
    case TJPEGScale::jsHalf: return 2;
    case TJPEGScale::jsQuarter: return 4;
    case TJPEGScale::jsEighth: return 8;
  }
  return 1;
}

// The decoded size without decoding: libjpeg rounds scaled sizes up.
int TJPEGImage::Width() const {
  if (bitmap_) return bitmap_->Width();
  const int d = ScaleDenominator();
  return (header_.width + d - 1) / d;
}

int TJPEGImage::Height() const {
  if (bitmap_) return bitmap_->Height();
  const int d = ScaleDenominator();
  return (header_.height + d - 1) / d;
}

void TJPEGImage::LoadFromBytes(std::vector<std::uint8_t> bytes) {
  jpeg::Header header;
  if (const int code = jpeg::ReadHeader(bytes, header)) throw JpegError(code);
  data_ = std::move(bytes);
  header_ = header;
  grayscale_ = header.grayscale;
  progressiveEncoding_ = header.progressive;
  FreeBitmap();
  Changed();
}

void TJPEGImage::FreeBitmap() {
  bitmap_.reset();
  decodeError_ = 0;
}

jpeg::DecodeOptions TJPEGImage::Options() const {
  jpeg::DecodeOptions o;
  o.scaleDenominator = ScaleDenominator();
  o.grayscale = grayscale_;
  o.quantize = pixelFormat_ == TJPEGPixelFormat::jf8Bit || grayscale_;
  o.bestSpeed = performance_ == TJPEGPerformance::jpBestSpeed;
  o.smoothing = smoothing_;
  return o;
}

const platform::Bitmap& TJPEGImage::Bitmap() {
  if (bitmap_) return *bitmap_;
  if (decodeError_) throw JpegError(decodeError_);
  if (onProgress_) onProgress_(TProgressStage::psStarting);
  const auto options = Options();
  int w = 0, h = 0;
  int code = jpeg::OutputSize(data_, options, w, h);
  // Rows go straight into the bitmap: the picture is held once, not twice.
  std::unique_ptr<platform::Bitmap> bitmap;
  if (!code) bitmap = std::make_unique<platform::Bitmap>(w, h);
  // A bitmap too large to allocate stays empty and draws nothing.
  if (!code && !bitmap->Empty())
    code = jpeg::Decode(data_, options, w, h, [](void* target, int y, const std::uint32_t* row, int width) {
      platform::WriteBitmapRow(*static_cast<platform::Bitmap*>(target), y,
                               std::span<const std::uint32_t>(row, static_cast<std::size_t>(width)));
    }, bitmap.get());
  if (onProgress_) onProgress_(TProgressStage::psEnding);
  if (code) {
    decodeError_ = code;
    throw JpegError(code);
  }
  bitmap_ = std::move(bitmap);
  return *bitmap_;
}

void TJPEGImage::Draw(platform::DeviceContext& dc, const TRect& dest) {
  if (Empty() || dest.Width() <= 0 || dest.Height() <= 0) return;
  try {
    const auto& picture = Bitmap();
    dc.StretchBlt(dest, picture, TRect{0, 0, picture.Width(), picture.Height()});
  } catch (const JpegError&) {
    // Damaged image data shows only when the picture is drawn; it draws nothing.
  }
}

void TJPEGImage::Compress(const platform::Bitmap& picture) {
  const auto rows = [](void* context, int y, std::uint32_t* out, int w) {
    const auto& p = **static_cast<const platform::Bitmap**>(context);
    for (int x = 0; x < w; ++x) out[x] = p.Pixel(x, y);
  };
  const platform::Bitmap* source = &picture;
  std::vector<std::uint8_t> out;
  if (const int code = jpeg::Encode(picture.Width(), picture.Height(), rows, &source, quality_, progressiveEncoding_,
                                    grayscale_, out))
    throw JpegError(code);
  LoadFromBytes(std::move(out));
}

}  // namespace pg::engine
