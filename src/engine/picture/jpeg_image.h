#pragma once
// A JPEG picture: the file's bytes kept as they came, the header read when they
// are loaded, the image decoded only when it is first drawn or its bitmap asked
// for, and that bitmap reused until the data or a decoding setting changes.
#include <functional>
#include <memory>

#include "engine/picture/graphic.h"
#include "engine/picture/jpeg_codec.h"
#include "platform/bitmap.h"

namespace pg::engine {

enum class TJPEGPerformance { jpBestQuality, jpBestSpeed };
enum class TJPEGPixelFormat { jf24Bit, jf8Bit };
enum class TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };
enum class TProgressStage { psStarting, psEnding };

class TJPEGImage final : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;

  // 8-bit output on screens of 8 bits per pixel or fewer; decided once per process.
  static TJPEGPixelFormat ScreenPixelFormat();

  bool Empty() const override { return data_.empty(); }
  int Width() const override;
  int Height() const override;
  // Throws JpegError when the header cannot be read; the old picture stays.
  void LoadFromBytes(std::vector<std::uint8_t> bytes) override;
  // A picture that fails to decode draws nothing.
  void Draw(platform::DeviceContext& dc, const TRect& dest) override;

  // The decoded image, decoding it now if needed; throws JpegError (again on
  // every call, without retrying, until the data or a setting changes).
  const platform::Bitmap& Bitmap();
  bool Decoded() const { return bitmap_ != nullptr; }
  const std::vector<std::uint8_t>& Data() const { return data_; }
  // Replaces the data with the picture encoded at CompressionQuality, progressive
  // when ProgressiveEncoding is on; throws JpegError.
  void Compress(const platform::Bitmap& picture);

  int CompressionQuality() const { return quality_; }
  void SetCompressionQuality(int v) { quality_ = v; }
  bool Grayscale() const { return grayscale_; }
  void SetGrayscale(bool v) { SetDecodeSetting(grayscale_, v); }
  TJPEGPerformance Performance() const { return performance_; }
  void SetPerformance(TJPEGPerformance v) { SetDecodeSetting(performance_, v); }
  TJPEGPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TJPEGPixelFormat v) { SetDecodeSetting(pixelFormat_, v); }
  bool ProgressiveDisplay() const { return progressiveDisplay_; }
  void SetProgressiveDisplay(bool v) { progressiveDisplay_ = v; }
  bool ProgressiveEncoding() const { return progressiveEncoding_; }
  void SetProgressiveEncoding(bool v) { progressiveEncoding_ = v; }
  TJPEGScale Scale() const { return scale_; }
  void SetScale(TJPEGScale v) { SetDecodeSetting(scale_, v); }
  bool Smoothing() const { return smoothing_; }
  void SetSmoothing(bool v) { SetDecodeSetting(smoothing_, v); }

  // Told at the start and the end of each decoding.
  void SetOnProgress(std::function<void(TProgressStage)> onProgress) { onProgress_ = std::move(onProgress); }

 private:
  template <typename T>
  void SetDecodeSetting(T& field, const T& v) {
    if (field == v) return;
    field = v;
    FreeBitmap();
    Changed();
  }
  void FreeBitmap();
  jpeg::DecodeOptions Options() const;
  int ScaleDenominator() const;

  std::vector<std::uint8_t> data_;
  jpeg::Header header_;
  std::unique_ptr<platform::Bitmap> bitmap_;
  int decodeError_ = 0;
  int quality_ = 90;
  bool grayscale_ = false;
  TJPEGPerformance performance_ = TJPEGPerformance::jpBestQuality;
  TJPEGPixelFormat pixelFormat_;
  bool progressiveDisplay_ = false;
  bool progressiveEncoding_ = false;
  TJPEGScale scale_ = TJPEGScale::jsFullSize;
  bool smoothing_ = true;
  std::function<void(TProgressStage)> onProgress_;
};

}  // namespace pg::engine
