#include "engine/picture/picture.h"

#include "engine/picture/picture_errors.h"
#include "engine/picture/picture_formats.h"
#include "platform/picture_file_io.h"

namespace pg::engine {

TPicture::TPicture(ChangeHandler onChange) : onChange_(std::move(onChange)) {}
TPicture::~TPicture() = default;

std::string PictureFileExtension(const std::string& path) {
  const auto name = path.find_last_of("\\/:");
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (name != std::string::npos && dot < name)) return {};
  return path.substr(dot + 1);
}

void TPicture::LoadFromFile(const std::string& path) {
  const std::string extension = PictureFileExtension(path);
  const TPictureFileFormat* format = FindPictureFileFormat(extension);
  if (!format) throw PictureError("Unknown picture file extension (." + extension + ")");
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadFileBytes(path, kMaxFileBytes, bytes)) throw FileStreamError("Cannot open file \"" + path + "\"");
  auto graphic = format->create();
  graphic->LoadFromBytes(std::move(bytes));
  SetGraphic(std::move(graphic));
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) graphic_->SetOnChange([this] { Changed(); });
  Changed();
}

void TPicture::Changed() {
  if (onChange_) onChange_();
}

}  // namespace pg::engine
