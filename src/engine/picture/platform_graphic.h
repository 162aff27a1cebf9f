#pragma once
// Bitmaps, icons and metafiles: pictures the platform reads and draws.
#include <memory>
#include <string>

#include "engine/picture/graphic.h"
#include "platform/picture_files.h"

namespace pg::engine {

class TPlatformGraphic final : public TGraphic {
 public:
  enum class Kind { kBitmap, kIcon, kMetafile };
  explicit TPlatformGraphic(Kind kind) : kind_(kind) {}

  Kind GraphicKind() const { return kind_; }
  bool Empty() const override { return !image_ || Width() <= 0 || Height() <= 0; }
  int Width() const override;
  int Height() const override;
  // A metafile takes either kind, whatever its extension said.
  void LoadFromBytes(std::vector<std::uint8_t> bytes) override;
  void Draw(platform::DeviceContext& dc, const TRect& dest) override;
  void DrawTiled(platform::DeviceContext& dc, const TRect& area) override;

 private:
  Kind kind_;
  std::unique_ptr<platform::PictureImage> image_;
};

}  // namespace pg::engine
