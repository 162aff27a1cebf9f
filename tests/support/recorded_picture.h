#pragma once
// A GDI-recorded test picture (tests/data/pictures/recorded/NAME, enhanced or,
// named .wmf, Windows metafile) drawn at 400 × 300 on white, and saved as PNG to
// look at; empty when it does not load.
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/picture_files.h"

namespace pg::testing {

inline std::unique_ptr<platform::Bitmap> DrawRecorded(const std::string& name, const std::string& png) {
  using namespace pg::platform;
  std::ifstream f(std::string(PG_TEST_DATA) + "/pictures/recorded/" + name, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(f), {}};
  const bool windows = name.size() > 4 && name.compare(name.size() - 4, 4, ".wmf") == 0;
  auto p = DecodePicture(windows ? PictureFormat::kWindowsMetafile : PictureFormat::kEnhancedMetafile, bytes);
  if (!p) return nullptr;
  auto b = std::make_unique<Bitmap>(400, 300);
  b->Dc().SetBrush(Brush{BrushStyle::bsSolid, 0xFFFFFF, nullptr});
  b->Dc().FillRect(TRect{0, 0, 400, 300});
  p->Draw(b->Dc(), TRect{0, 0, 400, 300});
  b->SavePng(png);
  return b;
}

}  // namespace pg::testing
