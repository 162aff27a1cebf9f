#include "reference_facts.h"

#include <filesystem>
#include <stdexcept>

#include "framework/params/colour_format.h"
#include "reference_pages.h"
#include "reference_script.h"

namespace pg::host {
namespace {

// Runs lines that end by writing `variable`; its value, which must be there.
std::string Written(ModuleSession& session, const ScriptRun& run, const std::string& script, const std::string& variable) {
  session.Variables().erase(variable);
  run(script + "\n");
  const auto it = session.Variables().find(variable);
  if (it == session.Variables().end()) throw std::runtime_error("the module wrote nothing for: " + script);
  return it->second;
}

// What a colour that is no plain R,G,B stands for.
Text KindOf(TColor c) {
  if (c == clNone) return {"no colour: nothing is drawn", "нет цвета: ничего не рисуется"};
  if (c == clDefault) return {"no colour of its own: the default", "без своего цвета: цвет по умолчанию"};
  if ((c & 0xFF000000u) != 0) return {"system colour", "системный цвет"};
  return {};
}

}  // namespace

void CollectFacts(Reference& ref, ModuleSession& session, const ScriptRun& run, const std::string& dir) {
  const auto path = [&](const std::string& relative) { return (std::filesystem::path(dir) / relative).string(); };

  // The quick start as the page shows it, its bitmap written beside the pictures.
  ref.quickStartImage = "img/quickstart.png";
  const std::string bitmap = path("img/quickstart");
  run(ReplaceAll(std::string(QuickStartScript()), "{bitmap}", bitmap) + "save Rect1 " + QuoteWord(path(ref.quickStartImage)) +
      "\npgChartDelete \"Rect1\"\n");
  if (!std::filesystem::exists(bitmap + ".bmp") || !std::filesystem::exists(path(ref.quickStartImage)))
    throw std::runtime_error("the quick start saved no chart");
  std::filesystem::remove(bitmap + ".bmp");

  for (const auto& c : params::kColourTable) {
    const std::string name(c.name);
    ref.colours.push_back({name, Written(session, run, "pgColorToRGB " + QuoteWord(name) + " \"[RGB]\"", "[RGB]"),
                           KindOf(c.value)});
  }

  const std::pair<const char*, const char*> outputs[] = {
      {"colordialog \"0,128,0\"\npgColorBox \"[Colour]\"", "[Colour]"},
      {"fontdialog \"Arial\" 12 \"bold underline\" \"clRed\" 204\npgFontDialog \"[Font]\"", "[Font]"},
      {"pgColorToRGB \"clSkyBlue\" \"[RGB]\"", "[RGB]"},
      {"pgColorToRGB \"$0080FF\" \"[RGB]\"", "[RGB]"},
      {"pgRGBToColor \"255,0,0\" \"[Colour]\"", "[Colour]"},
      {"pgRGBToColor \"10,20,30\" \"[Colour]\"", "[Colour]"},
  };
  for (const auto& [script, variable] : outputs) ref.outputs.push_back({script, Written(session, run, script, variable)});

  // The same Cyrillic title with the Cyrillic and the Western character set.
  ref.charsetImage = "img/charsets.png";
  run("rect Charsets 420 90\npgChartCreate Charsets\n"
      "pgSetTitleChart Charsets \"Продажи — 204\" \"Arial|clNavy|14|fsBold |204\" \"Center\"\n"
      "pgSetFootChart Charsets \"Продажи — 0\" \"Arial|clNavy|14|fsBold |0\" \"Center\"\n"
      "save Charsets " + QuoteWord(path(ref.charsetImage)) + "\npgChartDelete Charsets\n");
}

}  // namespace pg::host
