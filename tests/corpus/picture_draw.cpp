// Draws picture files as the chart's back image draws them, so that the
// portable and the Windows build can be held against each other file by file:
//   pg_picture_draw OUT_DIR FILE...
// For each FILE, OUT_DIR/<name>.<variant>.png for the variants below, on a
// background of four colours (so masks, XOR pixels and alpha show); a file
// that does not load gets OUT_DIR/<name>.refused.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "engine/picture/picture.h"
#include "platform/bitmap.h"

namespace {

using pg::platform::Bitmap;
using pg::platform::TRect;

void FillBackground(Bitmap& b) {
  auto& dc = b.Dc();
  const int w = b.Width(), h = b.Height();
  const std::uint32_t colours[4] = {0x3060C0, 0xF0E0A0, 0x208040, 0xC02080};
  for (int i = 0; i < 4; ++i) {
    dc.SetBrush(pg::platform::Brush{pg::platform::BrushStyle::bsSolid, colours[i], nullptr});
    dc.FillRect(TRect{i % 2 ? w / 2 : 0, i / 2 ? h / 2 : 0, i % 2 ? w : w / 2, i / 2 ? h : h / 2});
  }
}

struct Variant {
  const char* name;
  int numerator, denominator;  // size against the picture's own, per side
  bool tiled;
};

// Natural size, growing and shrinking by uneven factors (every stretch step
// GDI takes), and tiled copies.
constexpr Variant kVariants[] = {
    {"natural", 1, 1, false}, {"grow", 7, 3, false}, {"grow2", 13, 10, false},
    {"shrink", 2, 3, false},  {"shrink2", 3, 7, false}, {"tiled", 5, 2, true},
};

std::string Stem(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pg_picture_draw OUT_DIR FILE...\n");
    return 2;
  }
  const std::string out = argv[1];
  int failed = 0;
  for (int i = 2; i < argc; ++i) {
    const std::string file = argv[i], stem = out + "/" + Stem(file);
    try {
      pg::engine::TPicture picture;
      picture.LoadFromFile(file);
      const int w = picture.Width(), h = picture.Height();
      for (const auto& v : kVariants) {
        const int dw = std::max(1, w * v.numerator / v.denominator), dh = std::max(1, h * v.numerator / v.denominator);
        // Large pictures at their own size only: the comparison stays quick.
        if (!v.tiled && (v.numerator != 1 || v.denominator != 1) && static_cast<long long>(dw) * dh > 4'000'000)
          continue;
        if (v.tiled && static_cast<long long>(w) * h > 250'000) continue;
        Bitmap b(dw + 8, dh + 8);
        if (b.Empty()) continue;
        FillBackground(b);
        if (v.tiled)
          picture.Graphic()->DrawTiled(b.Dc(), TRect{4, 4, 4 + dw, 4 + dh});
        else
          picture.Graphic()->Draw(b.Dc(), TRect{4, 4, 4 + dw, 4 + dh});
        if (!b.SavePng(stem + "." + v.name + ".png")) ++failed;
      }
    } catch (const std::exception& e) {
      if (std::FILE* f = std::fopen((stem + ".refused").c_str(), "w")) {
        std::fprintf(f, "%s\n", e.what());
        std::fclose(f);
      }
    }
  }
  return failed ? 1 : 0;
}
