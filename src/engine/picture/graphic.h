#pragma once
// One picture of a picture object: a bitmap, icon, metafile or JPEG image that
// loads itself from a file's bytes and draws itself scaled into a rectangle.
#include <cstdint>
#include <vector>

#include "engine/core/change_handler.h"
#include "platform/device_context.h"
#include "platform/picture_files.h"

namespace pg::engine {

using platform::TRect;

class TGraphic {
 public:
  TGraphic(const TGraphic&) = delete;
  TGraphic& operator=(const TGraphic&) = delete;
  virtual ~TGraphic() = default;

  virtual bool Empty() const = 0;
  // The natural size in screen pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Takes the content of a file; throws when the bytes are not of this format,
  // keeping what it had.
  virtual void LoadFromBytes(std::vector<std::uint8_t> bytes) = 0;
  // Scaled to dest on dc.
  virtual void Draw(platform::DeviceContext& dc, const TRect& dest) = 0;
  // Copies at its own size over area, row after row from the top left.
  virtual void DrawTiled(platform::DeviceContext& dc, const TRect& area) {
    platform::ForEachTile(area, Width(), Height(), area, [&](const TRect& tile) { Draw(dc, tile); });
  }

  // Told whenever the picture's content or a setting that shows changes.
  void SetOnChange(ChangeHandler onChange) { onChange_ = std::move(onChange); }

 protected:
  TGraphic() = default;
  void Changed() {
    if (onChange_) onChange_();
  }

 private:
  ChangeHandler onChange_;
};

}  // namespace pg::engine
