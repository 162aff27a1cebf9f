#include "platform/soft/text/text_render.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/codepage_table.h"
#include "platform/soft/text/lru_cache.h"

namespace pg::platform::soft {

namespace {

std::string ToUtf8(std::uint32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

unsigned long GlyphOf(cairo_scaled_font_t* font, std::uint32_t cp) {
  const std::string utf8 = ToUtf8(cp);
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  unsigned long index = 0;
  if (cairo_scaled_font_text_to_glyphs(font, 0, 0, utf8.data(), static_cast<int>(utf8.size()), &glyphs, &count,
                                       nullptr, nullptr, nullptr) == CAIRO_STATUS_SUCCESS &&
      count > 0)
    index = glyphs[0].index;
  cairo_glyph_free(glyphs);
  return index;
}

constexpr std::int64_t kMaxWidth = 1 << 28;

// Asks cairo for a code page byte's glyph and advance, on the byte's first use.
[[gnu::noinline]] void LearnByteGlyph(const ResolvedFont& font, unsigned char byte) {
  auto& known = font.byteGlyphs[byte];
  const unsigned long glyph = GlyphOf(font.scaled, CodePointOf(byte, font.codePage));
  cairo_glyph_t g{glyph, 0, 0};
  cairo_text_extents_t ext;
  cairo_scaled_font_glyph_extents(font.scaled, &g, 1, &ext);
  known.glyph = glyph;
  known.advance = static_cast<int>(std::lround(ext.x_advance));
  known.known = true;
}

const ResolvedFont::ByteGlyph& ByteGlyphOf(const ResolvedFont& font, unsigned char byte) {
  const auto& known = font.byteGlyphs[byte];
  if (!known.known) [[unlikely]]
    LearnByteGlyph(font, byte);
  return known;
}

// Calls visit(byte, glyph, pen x from the text's left edge) for each byte of the
// text in turn and returns the text's extent: measuring and drawing walk the
// same advances, so text is as wide drawn as measured.
template <typename Visit>
int ForEachGlyph(const ResolvedFont& font, std::string_view bytes, Visit&& visit) {
  if (!font.scaled) return 0;
  int width = 0;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    const auto& glyph = ByteGlyphOf(font, byte);
    visit(byte, glyph.glyph, width);
    // Kept within reach of any surface: a long text in a huge font would
    // otherwise overflow.
    width = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{width} + glyph.advance, -kMaxWidth, kMaxWidth));
  }
  return width;
}

}  // namespace

int MeasureText(const ResolvedFont& font, std::string_view bytes) {
  return ForEachGlyph(font, bytes, [](unsigned char, unsigned long, int) {});
}

namespace {

// Glyphs of cells up to this height are rendered whole once and kept; larger
// ones are rendered anew each time, only as far as they are seen.
constexpr int kKeptGlyphHeight = 256;

// The ink of a glyph drawn alone, as runs of pixels from its pen position on the
// baseline. Text is these put side by side (glyphs drawn without smoothing only
// ever add whole pixels), so cairo renders each glyph once, not every text every
// time it is drawn.
struct GlyphRun {
  int y, x0, x1;  // x1 exclusive
};
using GlyphRuns = std::vector<GlyphRun>;
// A kept glyph: its runs and the box around them, from the pen.
struct GlyphInk {
  GlyphRuns runs;
  TRect box{};
};

// The ink pixels (at half coverage or more) of an A8 mask whose pixel (0, 0)
// lies at (originX, originY) from the pen, as runs.
void CollectRuns(cairo_surface_t* mask, int w, int h, int originX, int originY, GlyphRuns& runs) {
  cairo_surface_flush(mask);
  const unsigned char* data = cairo_image_surface_get_data(mask);
  const int stride = cairo_image_surface_get_stride(mask);
  for (int y = 0; y < h; ++y) {
    const unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < w;) {
      while (x < w && row[x] < 128) ++x;
      const int start = x;
      while (x < w && row[x] >= 128) ++x;
      if (x > start) runs.push_back(GlyphRun{originY + y, originX + start, originX + x});
    }
  }
}

// Renders one small glyph whole, the way text is drawn on the soft platform:
// without smoothing.
GlyphInk RenderWholeGlyph(const ResolvedFont& font, unsigned long glyph) {
  GlyphInk ink;
  GlyphRuns& runs = ink.runs;
  const int pad = 2 * (font.metrics.height + 2);
  cairo_glyph_t g{glyph, 0, 0};
  cairo_text_extents_t drawn;
  cairo_scaled_font_glyph_extents(font.scaled, &g, 1, &drawn);
  const double reach = std::fabs(drawn.x_advance) + std::fabs(drawn.width) + std::fabs(drawn.x_bearing);
  if (!(reach < 16000)) return ink;
  const int w = static_cast<int>(reach) + 2 * pad, h = font.metrics.height + 2 * pad;
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  if (cairo_surface_status(mask) == CAIRO_STATUS_SUCCESS) {
    cairo_t* cr = cairo_create(mask);
    cairo_set_scaled_font(cr, font.scaled);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    const int baseline = pad + font.metrics.ascent;
    g = cairo_glyph_t{glyph, static_cast<double>(pad), static_cast<double>(baseline)};
    cairo_show_glyphs(cr, &g, 1);
    cairo_destroy(cr);
    CollectRuns(mask, w, h, -pad, -baseline, runs);
  }
  cairo_surface_destroy(mask);
  runs.shrink_to_fit();
  if (!runs.empty()) {
    ink.box = TRect{runs.front().x0, runs.front().y, runs.front().x1, runs.back().y + 1};  // runs go down the rows
    for (const GlyphRun& r : runs) {
      ink.box.left = std::min(ink.box.left, r.x0);
      ink.box.right = std::max(ink.box.right, r.x1);
    }
  }
  return ink;
}

// The kept glyphs of every font, within one budget.
using KeptGlyphs = LruCache<std::pair<std::uint64_t, unsigned long>, GlyphInk>;
KeptGlyphs& AllKeptGlyphs() {
  constexpr std::size_t kBudget = 8 * 1024 * 1024;
  static KeptGlyphs kept(kBudget);
  return kept;
}

const GlyphInk& KeptGlyph(const ResolvedFont& font, unsigned long glyph) {
  static const GlyphInk kNone;
  auto& kept = AllKeptGlyphs();
  const auto key = std::make_pair(font.serial, glyph);
  if (const GlyphInk* known = kept.Find(key)) return *known;
  GlyphInk ink = RenderWholeGlyph(font, glyph);
  const std::size_t bytes = sizeof(GlyphInk) + 64 + ink.runs.size() * sizeof(GlyphRun);
  const GlyphInk* stored = kept.Put(key, std::move(ink), bytes);
  return stored ? *stored : kNone;
}

// The kept glyph of each code page byte of the font drawn last, taken from the
// kept glyphs once: looking each glyph of every text up there cost a tree walk.
// Good while the kept glyphs drop nothing.
struct ByteInks {
  std::uint64_t serial = 0;
  std::uint64_t erasures = 0;
  std::array<const GlyphInk*, 256> runs{};
};

// The table for `font`, emptied when the font changed or the kept glyphs
// dropped some since it was filled: checked once a text, not once a glyph.
ByteInks& InksOf(const ResolvedFont& font) {
  static ByteInks inks;
  const auto& kept = AllKeptGlyphs();
  if (inks.serial != font.serial || inks.erasures != kept.Erasures()) {
    inks.runs.fill(nullptr);
    inks.serial = font.serial;
    inks.erasures = kept.Erasures();
  }
  return inks;
}

[[gnu::noinline]] const GlyphInk& LearnByteInk(ByteInks& inks, const ResolvedFont& font, unsigned char byte,
                                               unsigned long glyph) {
  const auto& kept = AllKeptGlyphs();
  const GlyphInk& runs = KeptGlyph(font, glyph);
  if (inks.erasures != kept.Erasures()) {  // keeping this one dropped others
    inks.runs.fill(nullptr);
    inks.erasures = kept.Erasures();
  }
  inks.runs[byte] = &runs;
  return runs;
}

const GlyphInk& KeptByteGlyph(ByteInks& inks, const ResolvedFont& font, unsigned char byte, unsigned long glyph) {
  if (const GlyphInk* known = inks.runs[byte]) [[likely]]
    return *known;
  return LearnByteInk(inks, font, byte, glyph);
}

// Renders the part of a large glyph, whose pen stands at (penX, penY), that
// falls within `seen`: its outline filled without smoothing on a mask of that
// part's size alone, so a letter of thousands of pixels costs what its visible
// piece does.
template <typename Sink>
void AddSeenGlyph(Sink& out, const ResolvedFont& font, unsigned long glyph, int penX, int penY, const TRect& seen) {
  cairo_glyph_t g{glyph, 0, 0};
  cairo_text_extents_t ink;
  cairo_scaled_font_glyph_extents(font.scaled, &g, 1, &ink);
  if (!(std::isfinite(ink.x_bearing) && std::isfinite(ink.width) && std::isfinite(ink.y_bearing) &&
        std::isfinite(ink.height)))
    return;
  auto at = [](double v) { return static_cast<std::int64_t>(std::clamp(v, -1e12, 1e12)); };
  const std::int64_t left = std::max<std::int64_t>(seen.left, penX + at(std::floor(ink.x_bearing)) - 1);
  const std::int64_t top = std::max<std::int64_t>(seen.top, penY + at(std::floor(ink.y_bearing)) - 1);
  const std::int64_t right = std::min<std::int64_t>(seen.right, penX + at(std::ceil(ink.x_bearing + ink.width)) + 1);
  const std::int64_t bottom =
      std::min<std::int64_t>(seen.bottom, penY + at(std::ceil(ink.y_bearing + ink.height)) + 1);
  if (left >= right || top >= bottom) return;
  const int w = static_cast<int>(right - left), h = static_cast<int>(bottom - top);
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  if (cairo_surface_status(mask) == CAIRO_STATUS_SUCCESS) {
    cairo_t* cr = cairo_create(mask);
    cairo_set_scaled_font(cr, font.scaled);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    g = cairo_glyph_t{glyph, static_cast<double>(penX - left), static_cast<double>(penY - top)};
    cairo_glyph_path(cr, &g, 1);
    cairo_fill(cr);
    cairo_destroy(cr);
    GlyphRuns runs;
    CollectRuns(mask, w, h, 0, 0, runs);
    for (const GlyphRun& r : runs)
      out.AddSpan(static_cast<int>(top) + r.y, static_cast<int>(left) + r.x0, static_cast<int>(left) + r.x1);
  }
  cairo_surface_destroy(mask);
}

// Text pixels of a solid copy without a clip, stored straight into the rows of
// the surface within `bounds`, as the painter stores such runs (text is the
// most runs a paint has, few pixels each).
class RowFiller {
 public:
  RowFiller(Surface& surface, const TRect& bounds, std::uint32_t color)
      : surface_(surface),
        bounds_(bounds),
        inside_{std::max(bounds.left, 0), std::max(bounds.top, 0), std::min(bounds.right, surface.Width()),
                std::min(bounds.bottom, surface.Height())},
        color_(color) {}
  const TRect& Bounds() const { return bounds_; }
  void AddSpan(int y, int x0, int x1) {
    if (y < inside_.top || y >= inside_.bottom) return;
    x0 = std::max(x0, inside_.left);
    x1 = std::min(x1, inside_.right);
    Fill(y, x0, x1);
  }
  // Whether a box lies wholly within the rows stored into, so its runs need no cutting.
  bool Holds(const TRect& r) const {
    return r.left >= inside_.left && r.right <= inside_.right && r.top >= inside_.top && r.bottom <= inside_.bottom;
  }
  void Fill(int y, int x0, int x1) {
    std::uint32_t* row = surface_.Row(y);
    for (int x = x0; x < x1; ++x) row[x] = color_;
  }
  // A glyph's runs from its pen, all within the rows. Kept in locals: a store
  // of a pixel might otherwise change the colour or the stride, for all the
  // compiler knows, and they would be loaded again for every pixel.
  void FillRuns(const GlyphRuns& runs, int penX, int penY) {
    const std::ptrdiff_t stride = surface_.Stride();
    const std::uint32_t color = color_;
    std::uint32_t* const pen = surface_.Row(penY) + penX;
    for (const GlyphRun& r : runs) {
      std::uint32_t* const row = pen + r.y * stride;
      for (int x = r.x0; x < r.x1; ++x) row[x] = color;
    }
  }

 private:
  Surface& surface_;
  TRect bounds_;
  TRect inside_;
  std::uint32_t color_;
};

template <typename Sink>
void AddTextPixelsTo(Sink& out, const ResolvedFont& font, std::string_view bytes, int width, int left, int top,
                     bool underline, bool strikeOut) {
  if (!font.scaled || bytes.empty()) return;
  const int ascent = font.metrics.ascent;
  // Room for glyphs that reach outside their advance (italics, overhangs);
  // ink beyond it is cut off.
  const int pad = font.metrics.height + 2;
  const TRect bounds = out.Bounds();
  const TRect seen{std::max(bounds.left, left - pad), std::max(bounds.top, top - pad),
                   std::min(bounds.right, left + width + pad), std::min(bounds.bottom, top + font.metrics.height + pad)};
  if (seen.left >= seen.right || seen.top >= seen.bottom) return;
  const int penY = top + ascent;
  ByteInks* const inks = font.metrics.height > kKeptGlyphHeight ? nullptr : &InksOf(font);
  ForEachGlyph(font, bytes, [&](unsigned char byte, unsigned long glyph, int offset) {
    const int penX = left + offset;
    if (!inks) {
      AddSeenGlyph(out, font, glyph, penX, penY, seen);
      return;
    }
    const GlyphInk& ink = KeptByteGlyph(*inks, font, byte, glyph);
    if constexpr (std::is_same_v<Sink, RowFiller>) {
      // Most glyphs are wholly seen and on the surface: their runs go as they are.
      const TRect placed{penX + ink.box.left, penY + ink.box.top, penX + ink.box.right, penY + ink.box.bottom};
      if (placed.left >= seen.left && placed.right <= seen.right && placed.top >= seen.top &&
          placed.bottom <= seen.bottom && out.Holds(placed)) {
        out.FillRuns(ink.runs, penX, penY);
        return;
      }
    }
    for (const GlyphRun& r : ink.runs) {
      const int y = penY + r.y;
      if (y < seen.top || y >= seen.bottom) continue;
      out.AddSpan(y, std::max(seen.left, penX + r.x0), std::min(seen.right, penX + r.x1));
    }
  });

  const int baseline = top + ascent;
  auto bar = [&](double offsetBelowBaseline, double thickness) {
    const int y0 = baseline + static_cast<int>(std::lround(offsetBelowBaseline));
    for (int t = 0; t < static_cast<int>(thickness); ++t) out.AddSpan(y0 + t, left, left + width);
  };
  if (underline) bar(std::max(1.0, font.underlinePosition), font.underlineThickness);
  if (strikeOut) bar(-font.strikeoutPosition, font.strikeoutThickness);
}

}  // namespace

void AddTextPixels(SpanSink& out, const ResolvedFont& font, std::string_view bytes, int width, int left, int top,
                   bool underline, bool strikeOut) {
  AddTextPixelsTo(out, font, bytes, width, left, top, underline, strikeOut);
}

void FillTextPixels(Surface& surface, const TRect& bounds, std::uint32_t color, const ResolvedFont& font,
                    std::string_view bytes, int width, int left, int top, bool underline, bool strikeOut) {
  RowFiller out(surface, bounds, color);
  AddTextPixelsTo(out, font, bytes, width, left, top, underline, strikeOut);
}

// The font's grey-level twin: its face and size, hinted for grey levels.
cairo_scaled_font_t* SmoothScaled(const ResolvedFont& font) {
  if (!font.smooth) {
    cairo_matrix_t matrix, ctm;
    cairo_scaled_font_get_font_matrix(font.scaled, &matrix);
    cairo_scaled_font_get_ctm(font.scaled, &ctm);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    font.smooth = cairo_scaled_font_create(cairo_scaled_font_get_font_face(font.scaled), &matrix, &ctm, options);
    cairo_font_options_destroy(options);
  }
  return cairo_scaled_font_status(font.smooth) == CAIRO_STATUS_SUCCESS ? font.smooth : nullptr;
}

bool BlendSmoothTextPixels(Surface& surface, const TRect& bounds, std::uint32_t color, const Coverage* clip,
                           const ResolvedFont& font, std::string_view bytes, int width, int left, int top,
                           bool underline, bool strikeOut) {
  if (!font.smoothable) return false;
  if (!font.scaled || bytes.empty()) return true;
  const int pad = font.metrics.height + 2;
  const std::int64_t l = std::max<std::int64_t>({bounds.left, 0, std::int64_t{left} - pad});
  const std::int64_t t = std::max<std::int64_t>({bounds.top, 0, std::int64_t{top} - pad});
  const std::int64_t r = std::min<std::int64_t>({bounds.right, surface.Width(), std::int64_t{left} + width + pad});
  const std::int64_t b =
      std::min<std::int64_t>({bounds.bottom, surface.Height(), std::int64_t{top} + font.metrics.height + pad});
  if (l >= r || t >= b) return true;
  constexpr std::int64_t kMaxMask = 4 << 20;  // pixels
  if ((r - l) * (b - t) > kMaxMask) return false;
  const int w = static_cast<int>(r - l), h = static_cast<int>(b - t);
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  if (cairo_surface_status(mask) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(mask);
    return false;
  }
  // The glyphs stand where the unsmoothed ones do (the same hinted advances),
  // their outlines filled in grey levels.
  std::vector<cairo_glyph_t> glyphs;
  const double penY = static_cast<double>(top) + font.metrics.ascent - t;
  ForEachGlyph(font, bytes, [&](unsigned char, unsigned long glyph, int offset) {
    glyphs.push_back(cairo_glyph_t{glyph, static_cast<double>(left) + offset - l, penY});
  });
  cairo_scaled_font_t* smooth = SmoothScaled(font);
  if (!smooth) {
    cairo_surface_destroy(mask);
    return false;
  }
  cairo_t* cr = cairo_create(mask);
  cairo_set_scaled_font(cr, smooth);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  cairo_glyph_path(cr, glyphs.data(), static_cast<int>(glyphs.size()));
  const double baseline = static_cast<double>(top) + font.metrics.ascent - t;
  auto bar = [&](double offsetBelowBaseline, double thickness) {
    cairo_rectangle(cr, static_cast<double>(left) - l, baseline + std::lround(offsetBelowBaseline), width,
                    std::floor(thickness));
  };
  if (underline) bar(std::max(1.0, font.underlinePosition), font.underlineThickness);
  if (strikeOut) bar(-font.strikeoutPosition, font.strikeoutThickness);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(mask);
  const unsigned char* data = cairo_image_surface_get_data(mask);
  const int stride = cairo_image_surface_get_stride(mask);
  // Grey-level glyphs have 17 levels, and a level moves each channel from the
  // background towards the text's along GDI's contrast ramp, which keeps thin
  // stems of dark text on light ground from looking washed out.
  static constexpr std::array<int, 17> kRamp = {0,    0x4d, 0x68, 0x7c, 0x8c, 0x9a, 0xa7, 0xb2, 0xbd,
                                                0xc7, 0xd0, 0xd9, 0xe1, 0xe9, 0xf0, 0xf8, 0xff};
  auto mix = [](std::uint32_t d, std::uint32_t c, int level, int shift) {
    const int dv = static_cast<int>((d >> shift) & 0xFF), text = static_cast<int>((c >> shift) & 0xFF);
    int out = dv;
    if (dv > text) {
      const int most = kRamp[16 - level] + (255 - kRamp[16 - level]) * text / 255;
      out = text + (dv - text) * (most - text) / (255 - text);
    } else if (dv < text) {
      const int least = kRamp[level] * text / 255;
      out = text - (text - dv) * (text - least) / text;
    }
    return static_cast<std::uint32_t>(out) << shift;
  };
  for (int y = 0; y < h; ++y) {
    const unsigned char* coverage = data + static_cast<std::ptrdiff_t>(y) * stride;
    std::uint32_t* row = surface.Row(static_cast<int>(t) + y) + l;
    for (int x = 0; x < w; ++x) {
      const int level = (coverage[x] * 16 + 127) / 255;
      if (level == 0 || (clip && !clip->Has(static_cast<int>(l) + x, static_cast<int>(t) + y))) continue;
      const std::uint32_t d = row[x];
      row[x] = level == 16 ? color
                           : (d & 0xFF000000u) | mix(d, color, level, 16) | mix(d, color, level, 8) | mix(d, color, level, 0);
    }
  }
  cairo_surface_destroy(mask);
  return true;
}

}  // namespace pg::platform::soft
