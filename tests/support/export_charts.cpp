#include "support/export_charts.h"

#include "charts/chart_form_design.h"
#include "framework/text/codepage.h"

namespace export_test {

namespace {

const char* const kMonths[] = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                               "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
constexpr int kValues[] = {31, 28, 35, 40, 52, 61, 66, 63, 50, 41, 33, 30};

void Title(Chart& c, const std::string& utf8, int size, std::uint8_t styles) {
  c.chart.Title().SetText({pg::text::Utf8ToCp1251(utf8)});
  auto& font = c.chart.Title().Font();
  font.SetName("Arial");
  font.SetColor(pg::clNavy);
  font.SetSize(size);
  font.SetStyles(styles);
  font.SetCharset(204);
  c.words.push_back(utf8);
}

void Foot(Chart& c, const std::string& utf8) {
  c.chart.Foot().SetText({pg::text::Utf8ToCp1251(utf8)});
  c.chart.Foot().SetVisible(true);
  auto& font = c.chart.Foot().Font();
  font.SetName("Arial");
  font.SetSize(8);
  font.SetCharset(204);
  c.words.push_back(utf8);
}

void Slices(Chart& c, int count) {
  for (int i = 0; i < count; ++i) {
    std::string label = kMonths[i % 12];
    if (i >= 12) label += " " + std::to_string(i / 12 + 1);
    c.pie.AddPoint(kValues[i % 12] + i % 7, pg::text::Utf8ToCp1251(label));
    if (count <= 12) c.words.push_back(label);
  }
}

void Gradient(Chart& c, pg::TColor from, pg::TColor to, pg::engine::TGradientDirection direction) {
  auto& g = c.chart.Gradient();
  g.SetStartColor(from);
  g.SetEndColor(to);
  g.SetDirection(direction);
  g.SetVisible(true);
}

// The picture behind the chart, when the folder it is in was given.
void BackPicture(Chart& c, const std::string& folder, const char* file, pg::engine::TBackImageMode mode) {
  if (folder.empty()) return;
  c.chart.BackImage().LoadFromFile(folder + "/" + file);
  c.chart.SetBackImageMode(mode);
}

}  // namespace

Chart::Chart() { pg::charts::ApplyChartFormDesign(chart, pie); }

void Chart::DrawTo(pg::platform::DeviceContext& dc) {
  auto& canvas = chart.Canvas();
  const bool buffered = canvas.IsBufferOn();
  canvas.SetBufferOn(false);
  chart.DrawTo(dc, pg::platform::TRect{0, 0, kWidth, kHeight});
  canvas.SetBufferOn(buffered);
}

std::vector<NamedChart> ExportCharts(const std::string& pictures, const std::string& testPictures) {
  using Dir = pg::engine::TGradientDirection;
  return {
      {"standard",
       [](Chart& c) {
         Title(c, "Продажи за год", 12, pg::fsBold);
         Foot(c, "Источник: годовой отчёт");
         Gradient(c, 0xFFFFFF, 0xF0B496, Dir::gdTopBottom);
         c.chart.SetView3D(true);
         Slices(c, 12);
       }},
      {"flat",
       [](Chart& c) {
         Title(c, "Расходы по статьям", 14, pg::fsBold | pg::fsItalic);
         Gradient(c, 0x80FFFF, 0xFF8080, Dir::gdFromCenter);
         c.chart.SetView3D(false);
         Slices(c, 7);
       }},
      {"gradient_corner",
       [](Chart& c) {
         Title(c, "Доли рынка", 10, 0);
         Foot(c, "Данные: опрос");
         Gradient(c, 0x4080FF, 0xFFFFFF, Dir::gdFromTopLeft);
         Slices(c, 5);
       }},
      {"many_slices",
       [](Chart& c) {
         Title(c, "Двести долей", 12, pg::fsBold);
         c.chart.SetView3D(false);
         Slices(c, 200);
       }},
      {"back_picture",
       [pictures](Chart& c) {
         Title(c, "Рисунок фона", 12, pg::fsBold);
         BackPicture(c, pictures, "hills.jpg", pg::engine::TBackImageMode::pbmStretch);
         Slices(c, 4);
       }},
      // A bitmap tiled and a metafile stretched: both reach the page (once
      // only a JPEG did), the metafile as vectors.
      {"back_bitmap",
       [pictures](Chart& c) {
         Title(c, "Узор фона", 12, pg::fsBold);
         BackPicture(c, pictures, "dots.bmp", pg::engine::TBackImageMode::pbmTile);
         Slices(c, 4);
       }},
      {"back_metafile",
       [testPictures](Chart& c) {
         Title(c, "Метафайл фона", 12, pg::fsBold);
         BackPicture(c, testPictures, "halves.emf", pg::engine::TBackImageMode::pbmStretch);
         Slices(c, 4);
       }},
  };
}

}  // namespace export_test
