// The formats page: how each kind of value is written, the colour names the
// module reads, font descriptions, character sets and what the dialogs and
// conversions write into their variable.
#include <array>
#include <cstdio>
#include <cstdlib>

#include "reference_html.h"
#include "reference_pages.h"

namespace pg::host {
namespace {

struct Charset {
  int number;
  Text name;
};

constexpr std::array<Charset, 12> kCharsets = {{
    {0, {"Western (ANSI): Russian letters come out as Western ones", "западный (ANSI): русские буквы выходят западными"}},
    {1, {"the system's default (on a Russian system: Cyrillic)", "по умолчанию системы (в русской системе — кириллица)"}},
    {2, {"symbol fonts", "символьные шрифты"}},
    {161, {"Greek", "греческий"}},
    {162, {"Turkish", "турецкий"}},
    {177, {"Hebrew", "иврит"}},
    {178, {"Arabic", "арабский"}},
    {186, {"Baltic", "балтийский"}},
    {204, {"Cyrillic: use it for Russian text", "кириллица: для русского текста"}},
    {222, {"Thai", "тайский"}},
    {238, {"Central European", "центральноевропейский"}},
    {255, {"OEM (the console's code page)", "OEM (кодировка консоли)"}},
}};

std::string Row(const std::string& a, const std::string& b, const std::string& c = {}) {
  return "<tr><td>" + a + "</td><td>" + b + "</td>" + (c.empty() ? "" : "<td>" + c + "</td>") + "</tr>\n";
}

std::string Code(const std::string& text) { return "<code>" + EscapeHtml(text) + "</code>"; }

// The swatch's colour from a triple "r,g,b".
std::string Swatch(const std::string& triple) {
  std::array<int, 3> c{};
  std::size_t at = 0;
  for (int& v : c) {
    v = std::atoi(triple.c_str() + at);
    at = triple.find(',', at);
    if (at == std::string::npos) break;
    ++at;
  }
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02x%02x%02x", c[0] & 0xFF, c[1] & 0xFF, c[2] & 0xFF);
  return std::string("<span class=\"swatch\" style=\"background:") + hex + "\"></span>";
}

std::string Values() {
  std::string out = "<h2 id=\"values\">" + Both({"Values", "Значения"}, "span") + "</h2>\n<table class=\"formats\">\n";
  const std::array<std::pair<const char*, Text>, 5> rows = {{
      {"True  true  False  false", {"Boolean words, exactly so: TRUE, 1 or an empty text change nothing.", "Логические слова, ровно так: TRUE, 1 или пустой текст ничего не меняют."}},
      {"30  -30  $1F  0x1F", {"Integers: decimal, or hexadecimal after $ or 0x; nothing may follow, not even a blank.", "Целые: десятичные или шестнадцатеричные после $ или 0x; после числа ничего, даже пробела."}},
      {"12.5  -3  1e3", {"Decimal numbers (record values). The reference host reads “.” whatever the system's locale, unless the script sets another with option decimal-separator; in the authoring host the module takes the user's locale (on a Russian Windows “,”: 12,5). A value with the other separator — 12,5 where “.” is read — is no number: no record is added, and nothing says so.",
                         "Десятичные (значения записей). Справочный хост читает «.» при любых настройках системы, если сценарий не задал другой разделитель строкой option decimal-separator; в программе-хосте модуль берёт разделитель из настроек пользователя (в русской Windows «,»: 12,5). Значение с другим разделителем — 12,5 там, где читается «.», — не число: запись не добавляется, и об этом ничего не сообщается."}},
      {"255,128,0", {"Colour triple R,G,B, red first, each 0–255 (the low 8 bits are taken: 256 is 0).", "Цвет R,G,B, красный первым, каждое 0–255 (берутся младшие 8 бит: 256 — это 0)."}},
      {"clRed  $0000FF  255", {"Colour text (in font descriptions and pgColorToRGB): a name from the table below, in any case, or an integer $00BBGGRR.", "Цвет текстом (в описании шрифта и pgColorToRGB): имя из таблицы ниже в любом регистре или целое $00BBGGRR."}},
  }};
  for (const auto& [example, text] : rows) out += Row(Code(example), Both(text, "div"));
  return out + "</table>\n";
}

std::string Colours(const Reference& ref) {
  std::string out = "<h2 id=\"colours\">" + Both({"Colour names", "Имена цветов"}, "span") + "</h2>\n";
  out += Both({"The names the module reads, in its order; R,G,B is what pgColorToRGB writes for each. System colours "
               "are drawn in the system's colour; pgColorToRGB gives their number in red (clBtnFace: 15,0,0).",
               "Имена, которые читает модуль, в его порядке; R,G,B — то, что для каждого пишет pgColorToRGB. "
               "Системные цвета рисуются цветом системы; pgColorToRGB даёт их номер в красном (clBtnFace: 15,0,0)."},
              "p");
  out += "\n<table class=\"colours\">\n<tr>" + Both({"Name", "Имя"}, "th") + "<th>R,G,B</th>" + Both({"Colour", "Цвет"}, "th") + "</tr>\n";
  for (const auto& c : ref.colours)
    out += Row(Code(c.name), Code(c.triple), c.kind.Empty() ? Swatch(c.triple) : Both(c.kind, "span"));
  return out + "</table>\n";
}

std::string Fonts(const Reference& ref) {
  std::string out = "<h2 id=\"fonts\">" + Both({"Font descriptions", "Описание шрифта"}, "span") + "</h2>\n";
  out += "<p><code>Face|Colour|Size|Styles|Charset</code></p>\n";
  out += "<table class=\"formats\">\n";
  const std::array<std::pair<const char*, Text>, 4> rows = {{
      {"Arial|clNavy|14|fsBold |204", {"Arial, navy, 14 points, bold, Cyrillic.", "Arial, тёмно-синий, 14 пунктов, полужирный, кириллица."}},
      {"Tahoma|$000080FF|10|fsItalic fsUnderline |204", {"A colour by number ($00BBGGRR: orange), two styles.", "Цвет числом ($00BBGGRR: оранжевый), два стиля."}},
      {"Verdana|clBlack|9||204", {"No style: the fourth field is empty; styles set before stay.", "Без стиля: четвёртое поле пустое; прежние стили остаются."}},
      {"Arial|clRed|12", {"Three fields: face, colour and size are set, the rest stays (pgSetLegendFont changes nothing).", "Три поля: гарнитура, цвет и размер установлены, остальное прежнее (pgSetLegendFont ничего не меняет)."}},
  }};
  for (const auto& [example, text] : rows) out += Row(Code(example), Both(text, "div"));
  out += "</table>\n";
  out += Both({"Styles are the words fsBold, fsItalic, fsUnderline, fsStrikeOut; they are only added, never taken "
               "away. The face keeps its blanks: “Times New Roman” draws Times New Roman, while “TimesNewRoman” is a "
               "face no system has and falls back to Arial, as the pictures below show. Blanks in the other fields "
               "are dropped (“1 2” is 12). Size in points.",
               "Стили — слова fsBold, fsItalic, fsUnderline, fsStrikeOut; они только добавляются и никогда не "
               "снимаются. Гарнитура сохраняет пробелы: «Times New Roman» рисует Times New Roman, а «TimesNewRoman» — "
               "шрифт, которого нет ни в одной системе, и вместо него выходит Arial, как видно на рисунках ниже. В "
               "остальных полях пробелы отбрасываются («1 2» — это 12). Размер — в пунктах."},
              "p");
  out += "\n<div class=\"pictures faces\">\n";
  for (const auto& f : ref.faces) out += ShotFigure(f.shot, Both(f.caption, "span"), "The title in the face " + f.face);
  out += "</div>\n";
  out += "\n<h3 id=\"charsets\">" + Both({"Character sets", "Наборы символов"}, "span") + "</h3>\n<table class=\"formats\">\n";
  for (const auto& c : kCharsets) out += Row(Code(std::to_string(c.number)), Both(c.name, "div"));
  out += "</table>\n<div class=\"pictures\">" +
         ShotFigure(ref.charsets,
                    Both({"The same Cyrillic text with 204 (above) and 0 (below)", "Один и тот же русский текст с набором 204 (вверху) и 0 (внизу)"}, "span"),
                    "The same title with character sets 204 and 0") +
         "</div>\n";
  return out;
}

std::string Outputs(const Reference& ref) {
  std::string out = "<h2 id=\"outputs\">" + Both({"What goes into the variable", "Что записывается в переменную"}, "span") + "</h2>\n";
  out += Both({"Written by the module itself when this reference was drawn. The lines colordialog and fontdialog "
               "answer the dialog for the reference host, as the user would in the host. Cancelling a dialog writes "
               "nothing, and the variable keeps its value.",
               "Записано самим модулем при построении справочника. Строки colordialog и fontdialog отвечают диалогу "
               "в справочном хосте так, как это сделал бы пользователь. При отмене диалога ничего не записывается, "
               "переменная сохраняет значение."},
              "p");
  out += "\n<table class=\"formats\">\n<tr>" + Both({"Script", "Сценарий"}, "th") + Both({"The variable holds", "В переменной"}, "th") + "</tr>\n";
  for (const auto& o : ref.outputs) out += Row("<pre>" + EscapeHtml(o.script) + "</pre>", Code(o.value));
  return out + "</table>\n";
}

}  // namespace

std::string FormatsHtml(const Reference& ref) {
  std::string out = PageStart(ref, {"colours, fonts, values", "цвета, шрифты, значения"}, "formats.html") + "</header>\n<main>\n";
  out += "<nav class=\"toc\"><a href=\"#values\">" + Both({"Values", "Значения"}, "span") + "</a> <a href=\"#colours\">" +
         Both({"Colour names", "Имена цветов"}, "span") + "</a> <a href=\"#fonts\">" +
         Both({"Font descriptions", "Описание шрифта"}, "span") + "</a> <a href=\"#charsets\">" +
         Both({"Character sets", "Наборы символов"}, "span") + "</a> <a href=\"#outputs\">" +
         Both({"Variables", "Переменные"}, "span") + "</a></nav>\n";
  return out + Values() + Colours(ref) + Fonts(ref) + Outputs(ref) + PageEnd();
}

}  // namespace pg::host
