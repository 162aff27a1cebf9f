#include "reference_facts.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "framework/params/colour_format.h"
#include "reference_pages.h"
#include "reference_gallery.h"
#include "reference_script.h"

namespace pg::host {
namespace {

// Runs lines that end by writing `variable`; its value, which must be there.
std::string Written(ModuleSession& session, ShotTaker& shots, const std::string& script, const std::string& variable) {
  session.Variables().erase(variable);
  shots.Run(script + "\n");
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

// The same title in a face with blanks, in the same face without them, and in
// the face a name no system has falls back to: the first must differ, the other
// two must be one picture.
void DrawFaces(Reference& ref, ShotTaker& shots) {
  const std::pair<const char*, Text> faces[] = {
      {"Times New Roman", {"“Times New Roman”: the serif face", "«Times New Roman»: шрифт с засечками"}},
      {"TimesNewRoman", {"“TimesNewRoman”: no such face, the fallback", "«TimesNewRoman»: такого шрифта нет, замена"}},
      {"Arial", {"“Arial”: the fallback face", "«Arial»: шрифт замены"}},
  };
  for (std::size_t k = 0; k < std::size(faces); ++k) {
    const std::string face = faces[k].first;
    ref.faces.push_back({face, shots.Chart("formats-" + std::to_string(k + 2), "The title in the face \"" + face + "\"",
                                            "pgChartCreate \"Rect1\"\n"
                                            "pgSetTitleChart \"Rect1\" \"Продажи, 2026 — Sales\" " +
                                                QuoteWord(face + "|clNavy|18||204") + " \"Center\"\n",
                                            320, 60),
                         faces[k].second});
  }
  const auto bytes = [&](std::size_t k) { return ReadBytes(shots.Path(ref.faces[k].shot.image)); };
  if (bytes(0) == bytes(1) || bytes(1) != bytes(2))
    throw std::runtime_error("the face names draw otherwise than the formats page says");
}

}  // namespace

void CollectFacts(Reference& ref, ModuleSession& session, ShotTaker& shots) {
  // The quick start as the page shows it, its bitmap written beside the pictures.
  ref.quickStart = shots.Take("quickstart", std::string(QuickStartScript()) + "save Rect1 \"quickstart.png\"\n");
  const std::string bitmap = shots.Path("img/sales.bmp");
  if (!std::filesystem::exists(bitmap)) throw std::runtime_error("the quick start saved no chart");
  std::filesystem::remove(bitmap);
  shots.Run("pgChartDelete \"Rect1\"\n");

  for (const auto& c : params::kColourTable) {
    const std::string name(c.name);
    ref.colours.push_back({name, Written(session, shots, "pgColorToRGB " + QuoteWord(name) + " \"[RGB]\"", "[RGB]"),
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
  for (const auto& [script, variable] : outputs) ref.outputs.push_back({script, Written(session, shots, script, variable)});

  // The same Cyrillic title with the Cyrillic and the Western character set.
  ref.charsets = shots.Chart("formats-1", "One Russian text with the Cyrillic character set (204) and the Western one (0)",
                             "pgChartCreate \"Rect1\"\n"
                             "pgSetTitleChart \"Rect1\" \"Продажи — 204\" \"Arial|clNavy|14|fsBold |204\" \"Center\"\n"
                             "pgSetFootChart \"Rect1\" \"Продажи — 0\" \"Arial|clNavy|14|fsBold |0\" \"Center\"\n",
                             420, 90);
  DrawFaces(ref, shots);
  DrawGallery(ref, shots);
}

}  // namespace pg::host
