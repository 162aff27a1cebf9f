#include "platform/soft/text/font_resolver.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_GASP_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <tuple>

#include "platform/codepage_table.h"
#include "platform/soft/text/lru_cache.h"

namespace pg::platform::soft {

namespace {

constexpr const char* kFallbackFamily = "Liberation Sans";

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

struct LoadedFace {
  FT_Face ft = nullptr;
  cairo_font_face_t* cairo = nullptr;
  std::string family;
};

FT_Library Library() {
  static FT_Library lib = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0) l = nullptr;
    return l;
  }();
  return lib;
}

// The installed font file fontconfig picks for the family and style; empty when
// the family itself is not installed.
std::string FindFile(const std::string& family, bool bold, bool italic, int* index) {
  if (!FcInit()) return {};
  FcPattern* pat = FcPatternCreate();
  FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pat, &result);
  FcPatternDestroy(pat);
  std::string file;
  if (match) {
    FcChar8* got = nullptr;
    FcChar8* path = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &got) == FcResultMatch &&
        Lower(reinterpret_cast<const char*>(got)) == Lower(family) &&
        FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
      file = reinterpret_cast<const char*>(path);
      if (FcPatternGetInteger(match, FC_INDEX, 0, index) != FcResultMatch) *index = 0;
    }
    FcPatternDestroy(match);
  }
  return file;
}

// Faces stay loaded for the life of the process: few families are ever used.
const LoadedFace* LoadFace(const std::string& family, bool bold, bool italic) {
  static std::map<std::tuple<std::string, bool, bool>, LoadedFace> faces;
  const auto key = std::make_tuple(family, bold, italic);
  if (auto it = faces.find(key); it != faces.end()) return it->second.cairo ? &it->second : nullptr;
  LoadedFace& face = faces[key];
  int index = 0;
  const std::string file = FindFile(family, bold, italic, &index);
  if (file.empty() || !Library() || FT_New_Face(Library(), file.c_str(), index, &face.ft) != 0) return nullptr;
  face.cairo = cairo_ft_font_face_create_for_ft_face(face.ft, 0);
  face.family = family;
  return &face;
}

long Scaled(long units, double scale) { return std::lround(units * scale); }

// The em, in whole pixels, of a font asked for by its cell height: the nearest
// one, or the next smaller when that one's cell would come out taller than
// asked, as GDI picks it (a cell of 14 pixels is an em of 12 in Liberation
// Sans, whose em of 13 makes a cell of 15).
double EmForCell(int cell, double upem, long cellUnits) {
  double em = std::max(1.0, std::round(cell * upem / static_cast<double>(cellUnits)));
  if (em > 1 && Scaled(cellUnits, em / upem) > cell) em -= 1;
  return em;
}

}  // namespace

ResolvedFont::~ResolvedFont() {
  if (scaled) cairo_scaled_font_destroy(scaled);
  if (smooth) cairo_scaled_font_destroy(smooth);
}

std::string FamilyFor(const std::string& face) {
  static const std::map<std::string, std::string> twins = {
      {"arial", "Liberation Sans"},           {"helvetica", "Liberation Sans"},
      {"ms sans serif", "Liberation Sans"},   {"microsoft sans serif", "Liberation Sans"},
      {"tahoma", "Liberation Sans"},          {"verdana", "Liberation Sans"},
      {"system", "Liberation Sans"},          {"times new roman", "Liberation Serif"},
      {"times", "Liberation Serif"},          {"ms serif", "Liberation Serif"},
      {"courier new", "Liberation Mono"},     {"courier", "Liberation Mono"},
      {"arial narrow", "Liberation Sans Narrow"},
  };
  const std::string key = Lower(face);
  if (auto it = twins.find(key); it != twins.end()) return it->second;
  int index = 0;
  if (!face.empty() && !FindFile(face, false, false, &index).empty()) return face;
  return kFallbackFamily;
}

bool ResolvesAlike(const Font& a, const Font& b) {
  return a.height == b.height && (a.weight >= 600) == (b.weight >= 600) && a.italic == b.italic &&
         a.charset == b.charset && a.face == b.face && std::max(0, a.width) == std::max(0, b.width);
}

std::shared_ptr<const ResolvedFont> ResolveFont(const Font& font) {
  // What one kept font costs: the scaled font with cairo's metrics of the
  // glyphs used, and the byte table.
  constexpr std::size_t kFontBytes = 64 * 1024;
  constexpr std::size_t kBudget = 64 * kFontBytes;
  static LruCache<std::tuple<std::string, int, bool, bool, int, int>, std::shared_ptr<ResolvedFont>> cache(kBudget);
  static std::uint64_t serials = 0;
  const bool bold = font.weight >= 600;  // as ResolvesAlike tells requests apart
  const std::string family = FamilyFor(font.face);
  const int width = std::max(0, font.width);
  const auto key = std::make_tuple(family, font.height, bold, font.italic, font.charset, width);
  if (auto* known = cache.Find(key)) return *known;

  auto out = std::make_shared<ResolvedFont>();
  out->serial = ++serials;
  out->codePage = CodePageOfCharset(font.charset);
  const LoadedFace* face = LoadFace(family, bold, font.italic);
  if (!face) face = LoadFace(kFallbackFamily, bold, font.italic);
  if (face) {
    out->family = face->family;
    FT_Face ft = face->ft;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(ft, FT_SFNT_HHEA));
    const double upem = ft->units_per_EM > 0 ? ft->units_per_EM : 2048;
    const long winAscent = os2 ? os2->usWinAscent : ft->ascender;
    const long winDescent = os2 ? os2->usWinDescent : -ft->descender;
    const long cellUnits = std::max(1L, winAscent + winDescent);
    // Negative heights ask for the character (em) height, positive ones for the
    // cell, zero for the default cell of 16 pixels; the em is whole pixels.
    const int height = font.height == 0 ? 16 : font.height;
    const double asked = height < 0 ? -static_cast<double>(height) : EmForCell(height, upem, cellUnits);
    // Beyond this the rasteriser refuses the size and leaves the shared face
    // unusable for every later text.
    const double em = std::min<double>(asked, kMaxFontPixels);
    const double scale = em / upem;
    // The face's own table says at which sizes its glyphs may be smoothed;
    // where it says nothing they may be at any size.
    const FT_Int gasp = FT_Get_Gasp(ft, static_cast<FT_UInt>(std::lround(em)));
    out->smoothable = gasp == FT_GASP_NO_TABLE || (gasp & FT_GASP_DO_GRAY) != 0;

    TextMetrics& m = out->metrics;
    m.ascent = static_cast<int>(Scaled(winAscent, scale));
    m.descent = static_cast<int>(Scaled(winDescent, scale));
    m.height = m.ascent + m.descent;
    m.internalLeading = static_cast<int>(std::max(0L, Scaled(cellUnits - static_cast<long>(upem), scale)));
    if (hhea) {
      const long gap = hhea->Line_Gap - ((winAscent + winDescent) - (hhea->Ascender - hhea->Descender));
      m.externalLeading = static_cast<int>(std::max(0L, Scaled(gap, scale)));
    }
    m.aveCharWidth = static_cast<int>(os2 ? Scaled(os2->xAvgCharWidth, scale) : std::lround(em / 2));
    // A width asked for stretches the glyphs across so that their average is
    // that width, as GDI's font mapper does (held to the largest letter).
    const double across =
        width > 0 && m.aveCharWidth > 0 ? std::min<double>(width, kMaxFontPixels) / m.aveCharWidth : 1;
    if (width > 0 && m.aveCharWidth > 0) m.aveCharWidth = static_cast<int>(std::lround(m.aveCharWidth * across));
    m.maxCharWidth = static_cast<int>(Scaled(ft->bbox.xMax - ft->bbox.xMin, scale * across));
    out->underlinePosition = -ft->underline_position * scale;
    out->underlineThickness = std::max(1.0, std::round(ft->underline_thickness * scale));
    out->strikeoutPosition = os2 ? os2->yStrikeoutPosition * scale : em / 4;
    out->strikeoutThickness = os2 ? std::max(1.0, std::round(os2->yStrikeoutSize * scale)) : 1;

    cairo_matrix_t matrix, ctm;
    cairo_matrix_init_scale(&matrix, em * across, em);
    cairo_matrix_init_identity(&ctm);
    // Glyphs render unsmoothed and fully hinted (the TrueType instructions grid-
    // fit them in both directions for one-bit output, as GDI's do), and each
    // stands at the whole-pixel advance that hinting gives it: text measures as
    // wide as it draws. Unhinted advances under hinted glyphs closed up the
    // space after letters that hinting widens ("рисунок фона").
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    out->scaled = cairo_scaled_font_create(face->cairo, &matrix, &ctm, options);
    cairo_font_options_destroy(options);
    if (cairo_scaled_font_status(out->scaled) != CAIRO_STATUS_SUCCESS) {
      cairo_scaled_font_destroy(out->scaled);
      out->scaled = nullptr;
    }
  }
  cache.Put(key, out, kFontBytes);
  return out;
}

}  // namespace pg::platform::soft
