// Where glyphs stand and how wide text measures, against GDI's own pixels. The
// builds share the font files wherever the Windows build runs under Wine (its
// core font names are the Liberation twins there, as on the portable build), so
// there the pixel advances are known numbers; on Windows itself, with the real
// fonts, only the rule holds: text measures as wide as it draws. Wine breaks
// that rule: it draws each glyph at its advance hinted for one-bit glyphs, as
// GDI does, but measures with the unhinted advances rounded ("Показать/Скрыть
// рисунок фона (True/False):" in the captions' font draws 254 pixels wide and
// measures 252), so under Wine only where glyphs stand is checked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/text/codepage.h"
#include "platform/bitmap.h"
#include "platform/drawing_support.h"
#include "support/under_wine.h"

namespace pg::platform {
namespace {

using namespace testing;

// Whether the fonts drawn with are the Liberation files the tables below were
// taken from: always on the portable build, under Wine on the Windows one.
bool SharedFontFiles() {
#ifdef _WIN32
  return pg::testing::UnderWine();
#else
  return true;
#endif
}

Font FontOf(const char* face, int height, int weight, int charset) {
  Font f;
  f.face = face;
  f.height = height;
  f.weight = weight;
  f.charset = charset;
  return f;
}

// The rightmost column holding ink, -1 on a blank picture.
int RightmostInk(const Bitmap& b) {
  for (int x = b.Width() - 1; x >= 0; --x)
    for (int y = 0; y < b.Height(); ++y)
      if (b.Pixel(x, y) != kWhitePx) return x;
  return -1;
}

// How far drawing `text` moves the pen: a capital H drawn after it stands that
// much further right than alone, and its right stem is the text's last ink.
int DrawnAdvance(const Font& font, std::string_view text) {
  auto rightEdge = [&](const std::string& drawn) {
    Bitmap b(40 + 3 * (static_cast<int>(drawn.size()) + 1) * std::abs(font.height), 3 * std::abs(font.height));
    b.Dc().SetFont(font);
    b.Dc().SetBkMode(kTransparent);
    b.Dc().TextOutAt(10, 2, drawn);
    return RightmostInk(b);
  };
  return rightEdge(std::string(text) + "H") - rightEdge("H");
}

std::string Listed(const std::vector<int>& values) {
  std::string s;
  for (const int v : values) s += std::to_string(v) + ", ";
  return s;
}

// Each character's drawn advance, in the text's order.
std::vector<int> DrawnAdvances(const Font& font, std::string_view text) {
  std::vector<int> out;
  for (const char c : text) out.push_back(DrawnAdvance(font, std::string_view(&c, 1)));
  return out;
}

std::vector<int> MeasuredAdvances(const Font& font, std::string_view text) {
  Bitmap b(4, 4);
  b.Dc().SetFont(font);
  std::vector<int> out;
  for (const char c : text) out.push_back(b.Dc().TextExtent(std::string_view(&c, 1)).cx);
  return out;
}

int Measured(const Font& font, std::string_view text) {
  Bitmap b(4, 4);
  b.Dc().SetFont(font);
  return b.Dc().TextExtent(text).cx;
}

// The editors' fonts: row captions, the caption bar, list words and buttons.
const Font kCaptions = FontOf("Tahoma", -12, 400, 204);
const Font kCaptionBar = FontOf("Tahoma", -11, 700, 204);

constexpr std::string_view kCyrillic = "абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_cp;
constexpr std::string_view kLatin = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:;/()|";

struct Letters {
  const char* name;
  Font font;
  std::string_view text;
  std::vector<int> advances;  // as GDI draws them with the Liberation fonts
};

const std::vector<Letters>& EditorLetters() {
  static const std::vector<Letters> table = {
      {"captions, Cyrillic",
       kCaptions,
       kCyrillic,
       {7, 7, 6, 4, 7, 7, 7, 9, 6, 7, 7, 6, 7, 9, 7, 7, 7, 7, 6, 5, 5, 9, 5, 7, 6, 9, 9, 8, 9, 7, 6, 9, 7,
        7, 8, 8, 7, 8, 8, 8, 11, 7, 9, 9, 7, 8, 9, 9, 9, 9, 8, 9, 7, 8, 9, 7, 9, 8, 11, 11, 10, 10, 8, 9, 12, 9}},
      {"captions, Latin",
       kCaptions,
       kLatin,
       {7, 7, 6, 7, 7, 3, 7, 7, 3, 3, 6, 3, 11, 7, 7, 7, 7, 4, 7, 3, 7, 5, 9, 5, 5, 5, 7, 8, 9, 9, 8, 7, 9,
        9, 3, 6, 8, 7, 9, 9, 9, 8, 9, 9, 8, 7, 9, 7, 11, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 3, 3, 3, 3,
        3, 3, 4, 4, 3}},
      {"caption bar, Cyrillic",
       kCaptionBar,
       kCyrillic,
       {6, 7, 7, 5, 7, 7, 7, 9, 5, 7, 7, 6, 7, 8, 7, 7, 7, 7, 6, 5, 6, 9, 6, 7, 6, 9, 9, 8, 9, 6, 6, 9, 6,
        8, 8, 7, 6, 8, 6, 6, 11, 7, 7, 7, 7, 8, 10, 7, 8, 8, 7, 8, 7, 7, 9, 7, 8, 8, 11, 11, 10, 11, 8, 8, 11, 7}},
      {"caption bar, Latin",
       kCaptionBar,
       kLatin,
       {6, 7, 6, 7, 7, 4, 7, 7, 3, 3, 7, 3, 11, 7, 7, 7, 7, 5, 7, 4, 7, 6, 9, 6, 6, 6, 8, 7, 8, 7, 6, 6, 8,
        7, 3, 6, 7, 7, 10, 7, 8, 7, 8, 7, 7, 7, 7, 8, 10, 7, 7, 7, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 3, 3, 3, 3,
        3, 3, 4, 4, 3}},
  };
  return table;
}

// Every letter of the editors' fonts advances the pen by GDI's number of pixels,
// and measures that wide.
TEST(TextAdvance, EditorLettersStandWhereGdiPutsThem) {
  for (const Letters& l : EditorLetters()) {
    SCOPED_TRACE(l.name);
    const std::vector<int> drawn = DrawnAdvances(l.font, l.text);
    if (SharedFontFiles()) {
      EXPECT_EQ(drawn, l.advances) << Listed(drawn);
    }
    if (!pg::testing::UnderWine()) {
      EXPECT_EQ(MeasuredAdvances(l.font, l.text), drawn);
    }
  }
}

struct Phrase {
  Font font;
  std::string_view text;
  int width;  // as GDI draws it with the Liberation fonts
};

const std::vector<Phrase>& Phrases() {
  static const std::vector<Phrase> phrases = {
      {kCaptions, "Показать/Скрыть рисунок фона (True/False):"_cp, 254},
      {kCaptions, "Rectangle диаграммы:"_cp, 128},
      {kCaptionBar, "pgChartPicture Свойства"_cp, 139},
      {FontOf("Tahoma", -11, 400, 0), "Stretch Tile Center"_cp, 89},
      {FontOf("MS Sans Serif", -11, 400, 1), "Отмена"_cp, 40},
      {FontOf("Arial", -16, 400, 204), "кнопка Wave mmm AVAYA"_cp, 192},
      {FontOf("Arial", -13, 700, 204), "Продажи за год, Wavy text"_cp, 174},
      {FontOf("Arial", -27, 400, 204), "рисунок фона WWW"_cp, 267},
      {FontOf("Times New Roman", -15, 400, 204), "Щит, жук, фуфайка — Quick brown fox"_cp, 242},
      {FontOf("Courier New", -13, 400, 204), "Щит, жук: 12,5 %"_cp, 128},
  };
  return phrases;
}

// Texts of the editors and charts in the faces and sizes they use: the pen
// moves on by the sum of the letters' advances, no more and no less.
TEST(TextAdvance, PhrasesAreAsWideAsGdiDrawsThem) {
  for (const Phrase& p : Phrases()) {
    SCOPED_TRACE(p.font.face + " " + std::to_string(p.font.height) + " " + text::Cp1251ToUtf8(p.text));
    const int drawn = DrawnAdvance(p.font, p.text);
    if (SharedFontFiles()) {
      EXPECT_EQ(drawn, p.width);
    }
    if (!pg::testing::UnderWine()) {
      EXPECT_EQ(Measured(p.font, p.text), drawn);
    }
  }
}

// Where an exported file puts each character is where the screen's glyphs
// stand, under Wine too, whose measured widths part from them by a pixel: GDI
// plays a file's text records at those starts.
TEST(TextAdvance, CharacterStartsAreWhereTheGlyphsStand) {
  auto starts = [](const Font& font, std::string_view text) {
    Bitmap b(4, 4);
    b.Dc().SetFont(font);
    return b.Dc().CharacterStarts(text);
  };
  for (const Letters& l : EditorLetters()) {
    SCOPED_TRACE(l.name);
    const std::vector<int> s = starts(l.font, l.text);
    ASSERT_EQ(s.size(), l.text.size() + 1);
    std::vector<int> steps;
    for (std::size_t i = 0; i < l.text.size(); ++i) steps.push_back(s[i + 1] - s[i]);
    EXPECT_EQ(steps, DrawnAdvances(l.font, l.text)) << Listed(steps);
  }
  for (const Phrase& p : Phrases()) {
    SCOPED_TRACE(p.font.face + " " + std::to_string(p.font.height) + " " + text::Cp1251ToUtf8(p.text));
    EXPECT_EQ(starts(p.font, p.text).back(), DrawnAdvance(p.font, p.text));
  }
  EXPECT_EQ(starts(kCaptions, ""), std::vector<int>{0});
}

// A letter that hinting widens keeps the space after it: the editors' captions
// read "рисунокфона" while glyphs stood at unhinted advances, two blank columns
// between the words where GDI leaves three.
TEST(TextAdvance, WordSpacesStayOpen) {
  struct Case {
    Font font;
    int blankColumns;  // between "рисунок" and "фона", as GDI draws them
  };
  for (const Case& c : {Case{kCaptions, 3}, Case{kCaptionBar, 4}, Case{FontOf("Arial", -16, 400, 204), 5}}) {
    SCOPED_TRACE(c.font.face + " " + std::to_string(c.font.height));
    auto drawn = [&](std::string_view text) {
      auto b = std::make_unique<Bitmap>(300, 40);
      b->Dc().SetFont(c.font);
      b->Dc().SetBkMode(kTransparent);
      b->Dc().TextOutAt(10, 5, text);
      return b;
    };
    const int wordEnd = RightmostInk(*drawn("рисунок"_cp));
    const auto phrase = drawn("рисунок фона"_cp);
    const std::string blank(40, '.');
    int gap = 0;
    while (gap < 20 && ColumnPattern(*phrase, wordEnd + 1 + gap, 0, 40, 0) == blank) ++gap;
    if (SharedFontFiles()) {
      EXPECT_EQ(gap, c.blankColumns);
    } else {
      EXPECT_GE(gap, 2);
    }
  }
}

// A font asked for by its cell height gets the em GDI picks for it: the nearest
// whose cell, ascent and descent scaled as one, is no taller than asked (the
// two rounded apart may still come to a pixel more). Its metrics and letters
// are then GDI's.
TEST(TextAdvance, CellHeightsPickTheEmGdiPicks) {
  struct Case {
    const char* face;
    int cell;
    int height, ascent;  // the metrics GDI reports for the Liberation fonts
    int width;           // of the phrase below, as GDI draws it with them
  };
  const std::string_view phrase = "Рисунок фона, Wave"_cp;
  const Case cases[] = {{"Tahoma", 11, 11, 9, 103},          {"Tahoma", 14, 14, 11, 115},
                        {"Tahoma", 16, 16, 13, 136},         {"Arial", 20, 20, 16, 173},
                        {"Arial", 23, 23, 19, 205},          {"Times New Roman", 14, 15, 12, 117},
                        {"Courier New", 15, 15, 11, 144}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.cell));
    const Font font = FontOf(c.face, c.cell, 400, 204);
    Bitmap b(4, 4);
    b.Dc().SetFont(font);
    const TextMetrics m = b.Dc().GetFontMetrics();
    const int drawn = DrawnAdvance(font, phrase);
    if (SharedFontFiles()) {
      EXPECT_EQ(m.height, c.height);
      EXPECT_EQ(m.ascent, c.ascent);
      EXPECT_EQ(drawn, c.width);
    } else {
      EXPECT_LE(m.height, c.cell + 1);
    }
    if (!pg::testing::UnderWine()) {
      EXPECT_EQ(Measured(font, phrase), drawn);
    }
  }
}

}  // namespace
}  // namespace pg::platform
