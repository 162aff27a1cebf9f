// The second peer: the standard chart's content drawn directly with cairo into
// one 524 x 246 image surface, as a careful program using a good 2D library
// would draw it: a top-to-bottom gradient, 12 outlined slices, a boxed label
// with its percentage beside each slice, a bold title, a foot and a 12-row
// legend. Each frame redraws everything with the start angle moved on.
// Prints one JSON object of CPU (and wall) milliseconds per frame; --picture
// FILE saves the last frame.
#include <cairo.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <numeric>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 524, kHeight = 246;
constexpr double kPi = 3.14159265358979323846;
constexpr std::array<const char*, 12> kMonths = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                                 "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
constexpr std::array<int, 12> kValues = {31, 28, 35, 40, 52, 61, 66, 63, 50, 41, 33, 30};
constexpr std::array<unsigned, 12> kColours = {0xFF0000, 0x008000, 0xFFFF00, 0x0000FF, 0xFFFFFF, 0x808080,
                                               0xFF00FF, 0x008080, 0x000080, 0x800000, 0x00FF00, 0x808000};

void SetRgb(cairo_t* cr, unsigned rgb) {
  cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

struct Fonts {
  cairo_font_face_t* regular = cairo_toy_font_face_create("Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                                                          CAIRO_FONT_WEIGHT_NORMAL);
  cairo_font_face_t* bold = cairo_toy_font_face_create("Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                                                       CAIRO_FONT_WEIGHT_BOLD);
  ~Fonts() {
    cairo_font_face_destroy(regular);
    cairo_font_face_destroy(bold);
  }
};

// Texts made once, as a chart keeps its labels between paints.
struct Texts {
  std::vector<std::string> marks, legend;
  Texts() {
    const int total = std::accumulate(kValues.begin(), kValues.end(), 0);
    for (std::size_t i = 0; i < kValues.size(); ++i) {
      marks.push_back(std::string(kMonths[i]) + " " + std::to_string((kValues[i] * 100 + total / 2) / total) + "%");
      legend.push_back(std::to_string(kValues[i]) + " " + kMonths[i]);
    }
  }
};

void DrawFrame(cairo_t* cr, const Fonts& fonts, const Texts& texts, double startDegrees) {
  cairo_pattern_t* back = cairo_pattern_create_linear(0, 0, 0, kHeight);
  cairo_pattern_add_color_stop_rgb(back, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(back, 1, 150 / 255.0, 180 / 255.0, 240 / 255.0);
  cairo_set_source(cr, back);
  cairo_paint(cr);
  cairo_pattern_destroy(back);

  cairo_set_font_face(cr, fonts.bold);
  cairo_set_font_size(cr, 16);
  SetRgb(cr, 0x000080);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "Продажи за год", &e);
  cairo_move_to(cr, (kWidth - e.width) / 2 - e.x_bearing, 18);
  cairo_show_text(cr, "Продажи за год");

  cairo_set_font_face(cr, fonts.regular);
  cairo_set_font_size(cr, 11);
  SetRgb(cr, 0x000000);
  cairo_text_extents(cr, "Источник: годовой отчёт", &e);
  cairo_move_to(cr, kWidth - 6 - e.x_advance, kHeight - 6);
  cairo_show_text(cr, "Источник: годовой отчёт");

  // The pie, with the marks' boxes outside it.
  const double cx = 190, cy = 128, rx = 95, ry = 75;
  const int total = std::accumulate(kValues.begin(), kValues.end(), 0);
  double angle = -startDegrees * kPi / 180;
  cairo_set_line_width(cr, 1);
  for (std::size_t i = 0; i < kValues.size(); ++i) {
    const double sweep = 2 * kPi * kValues[i] / total;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_move_to(cr, 0, 0);
    cairo_arc_negative(cr, 0, 0, 1, angle, angle - sweep);
    cairo_close_path(cr);
    cairo_restore(cr);
    SetRgb(cr, kColours[i]);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0x000000);
    cairo_stroke(cr);

    const double mid = angle - sweep / 2;
    const double mx = cx + (rx + 18) * std::cos(mid), my = cy + (ry + 14) * std::sin(mid);
    cairo_move_to(cr, cx + rx * std::cos(mid), cy + ry * std::sin(mid));
    cairo_line_to(cr, mx, my);
    cairo_stroke(cr);
    cairo_text_extents(cr, texts.marks[i].c_str(), &e);
    const double bx = std::cos(mid) < 0 ? mx - e.x_advance - 4 : mx, by = my - 7;
    cairo_rectangle(cr, bx + 0.5, by + 0.5, e.x_advance + 4, 14);
    SetRgb(cr, 0xFFFFE1);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0x000000);
    cairo_stroke(cr);
    cairo_move_to(cr, bx + 2, by + 11);
    cairo_show_text(cr, texts.marks[i].c_str());
    angle -= sweep;
  }

  // The legend: a framed box of coloured squares and their texts.
  const double lx = 400, ly = 30, row = 14;
  cairo_rectangle(cr, lx + 0.5, ly + 0.5, 116, row * 12 + 4);
  SetRgb(cr, 0xFFFFFF);
  cairo_fill_preserve(cr);
  SetRgb(cr, 0x000000);
  cairo_stroke(cr);
  for (std::size_t i = 0; i < kValues.size(); ++i) {
    const double y = ly + 3 + row * static_cast<double>(i);
    cairo_rectangle(cr, lx + 4.5, y + 2.5, 9, 9);
    SetRgb(cr, kColours[i]);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0x000000);
    cairo_stroke(cr);
    cairo_move_to(cr, lx + 18, y + 11);
    cairo_show_text(cr, texts.legend[i].c_str());
  }
}

double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void PrintList(const char* name, const std::vector<double>& v) {
  std::printf("\"%s\": [", name);
  for (std::size_t i = 0; i < v.size(); ++i) std::printf("%s%.4f", i ? ", " : "", v[i]);
  std::printf("], ");
}

}  // namespace

int main(int argc, char** argv) {
  int frames = 400;
  const char* picture = nullptr;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--frames") == 0) frames = std::max(1, std::atoi(argv[i + 1]));
    else if (std::strcmp(argv[i], "--picture") == 0) picture = argv[i + 1];
  }
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  const Fonts fonts;
  const Texts texts;
  DrawFrame(cr, fonts, texts, 0);  // fonts and glyph caches warmed, as our first paint warms ours
  cairo_surface_flush(surface);
  std::vector<double> cpu, wall;
  for (int f = 0; f < frames; ++f) {
    const auto start = std::chrono::steady_clock::now();
    const double startCpu = CpuMs();
    DrawFrame(cr, fonts, texts, f % 360);
    cairo_surface_flush(surface);
    cpu.push_back(CpuMs() - startCpu);
    wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  if (picture) cairo_surface_write_to_png(surface, picture);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  std::printf("{\"cairo\": \"%s\", \"pixels\": [%d, %d], \"frames\": %d, ", cairo_version_string(), kWidth, kHeight,
              frames);
  PrintList("draw_ms", cpu);
  PrintList("draw_wall_ms", wall);
  std::printf("\"draw_median_ms\": %.4f, \"draw_wall_median_ms\": %.4f}\n", Median(cpu), Median(wall));
  return 0;
}
