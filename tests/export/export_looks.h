#pragma once
// The looks the EMF round trips cover (the standard chart and the hard ones:
// 3D and flat, gradients, no legend with long mark arrows, BMP, JPEG and WMF
// back pictures, 200 slices; Cyrillic titles and labels throughout), and what
// they leave in the test folder to look at.
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "export_charts.h"
#include "platform/bitmap.h"
#include "support/scratch_dir.h"

namespace pg::testing {

struct ExportLook {
  const char* name;
  std::function<void(ExportChart&)> make;
};

inline const ExportLook kExportLooks[] = {
    {"standard", [](ExportChart& c) { c.Standard(); }},
    {"flat", [](ExportChart& c) {
       c.Standard();
       c.chart.SetView3D(false);
     }},
    {"no_legend_big_marks", [](ExportChart& c) {
       c.Standard();
       c.chart.Legend().SetVisible(false);
       c.pie.Marks().SetArrowLength(30);
     }},
    {"gradient_from_centre", [](ExportChart& c) {
       c.Standard();
       c.chart.Gradient().SetDirection(engine::TGradientDirection::gdFromCenter);
     }},
    {"gradient_left_right", [](ExportChart& c) {
       c.Standard();
       c.chart.Gradient().SetDirection(engine::TGradientDirection::gdLeftRight);
     }},
    {"back_bmp", [](ExportChart& c) {
       c.Standard();
       c.chart.BackImage().LoadFromFile(PictureData("quadrants.bmp"));
     }},
    {"back_jpeg", [](ExportChart& c) {
       c.Standard();
       c.chart.BackImage().LoadFromFile(PictureData("some_scans.jpg"));
     }},
    {"back_wmf", [](ExportChart& c) {
       c.Standard();
       c.chart.Gradient().SetVisible(false);
       c.chart.BackImage().LoadFromFile(PictureData("recorded/inkscape_star.wmf"));
     }},
    {"slices_200", [](ExportChart& c) {
       c.chart.Title().SetText({text::Utf8ToCp1251("Двести секторов")});
       c.AddSlices(200);
     }},
};

// What a look's EMF, played by GDI or by the module's player on the Windows
// build under Wine, agrees with the chart's raster at least: both give the very
// raster (a centred label a pixel off would be 0.3 % of the picture).
inline constexpr double kWindowsAgreementFloor = 0.999;

inline std::string LookName(const auto& info) { return info.param.name; }

inline void SaveBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

// Where two pictures part: the pixels off by more than `tolerance` in red over
// a pale copy of `a`, to see at a glance what a player did differently.
inline void SaveDifference(const platform::Bitmap& a, const platform::Bitmap& b, const std::string& png,
                           int tolerance = 16) {
  platform::Bitmap d(a.Width(), a.Height());
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const std::uint32_t p = a.Pixel(x, y);
      const bool close = Close(p, b.Pixel(x, y), tolerance);
      const int grey = 192 + ((((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3) / 4;
      d.Dc().SetPixel(x, y, close ? platform::Rgb(grey, grey, grey) : platform::Rgb(255, 0, 0));
    }
  d.SavePng(png);
}

}  // namespace pg::testing
