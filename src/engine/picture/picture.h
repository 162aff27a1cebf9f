#pragma once
// The picture object behind the chart's back image: holds the graphic last
// loaded into it and tells its owner whenever what it shows changes.
#include <memory>
#include <string>

#include "engine/picture/graphic.h"

namespace pg::engine {

class TPicture {
 public:
  explicit TPicture(ChangeHandler onChange = {});
  ~TPicture();
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // Picks the format by the extension after the last dot of the file name (case
  // ignored) and reads the whole file into a new graphic. Throws PictureError
  // ("Unknown picture file extension (.png)", or the format's own error) or
  // FileStreamError, and then keeps the graphic it had.
  void LoadFromFile(const std::string& path);
  void SetGraphic(std::unique_ptr<TGraphic> graphic);
  void Clear() { SetGraphic(nullptr); }

  TGraphic* Graphic() const { return graphic_.get(); }
  // No graphic, or one that holds nothing.
  bool Empty() const { return !graphic_ || graphic_->Empty(); }
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // Picture files larger than this are refused.
  static constexpr std::size_t kMaxFileBytes = 64u << 20;

 private:
  void Changed();
  ChangeHandler onChange_;
  std::unique_ptr<TGraphic> graphic_;
};

// What follows the last dot of the file name's last part; empty without one.
std::string PictureFileExtension(const std::string& path);

}  // namespace pg::engine
