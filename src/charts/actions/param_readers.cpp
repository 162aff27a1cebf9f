#include "charts/actions/param_readers.h"

#include <string>

#include "framework/params/colour_format.h"
#include "framework/params/word_format.h"
#include "framework/text/float_parse.h"
#include "framework/text/int_parse.h"
#include "platform/locale.h"

namespace pg::charts {
namespace {

int Number(std::size_t i) { return static_cast<int>(i) + 1; }

// Counts the fields a font description has applied, so that a refusal can name
// the field it stopped at.
class CountingFontTarget final : public params::FontTarget {
 public:
  explicit CountingFontTarget(params::FontTarget& inner) : inner_(inner) {}
  void SetName(const std::string& name) override { inner_.SetName(name), ++applied; }
  void SetColor(TColor color) override { inner_.SetColor(color), ++applied; }
  void SetSize(int points) override { inner_.SetSize(points), ++applied; }
  void AddStyles(std::uint8_t styles) override { inner_.AddStyles(styles), ++applied; }
  void SetCharset(std::uint8_t charset) override { inner_.SetCharset(charset), ++applied; }
  int applied = 0;

 private:
  params::FontTarget& inner_;
};

constexpr const char* kFontFields[] = {"face", "colour", "size", "styles", "character set"};
constexpr const char* kFontExpected[] = {"", "a colour name or a whole number", "a whole number", "",
                                         "a whole number"};
constexpr std::string_view kFontShape = "Face|Colour|Size|Styles|Charset";

}  // namespace

void IgnoreParam(const ActionParams& p, std::size_t i, std::string_view why) {
  notes::NoteParam(Number(i), p.at(i), why, false);
}

void NoteRefusal(const ActionParams& p, std::size_t i, std::string_view why) {
  notes::NoteParam(Number(i), p.at(i), why, true);
}

std::int32_t IntParam(const ActionParams& p, std::size_t i) {
  std::int32_t value = 0;
  StepWithParam(p, i, "is not a whole 32-bit number", false, [&] { value = text::StrToInt(p.at(i)); });
  return value;
}

TColor ColourParam(const ActionParams& p, std::size_t i) {
  TColor colour{};
  StepWithParam(p, i, "is not a colour R,G,B (three whole numbers)", false,
                [&] { colour = params::ReadColourTriple(p.at(i)); });
  return colour;
}

double NumberParam(const ActionParams& p, std::size_t i) {
  const char separator = platform::DecimalSeparator();
  double value = 0;
  StepWithParam(p, i, std::string("is not a number (decimal separator \"") + separator + "\")", false,
                [&] { value = text::StrToFloat(p.at(i), separator); });
  return value;
}

std::optional<bool> BoolParam(const ActionParams& p, std::size_t i) {
  const auto value = params::ReadBoolValue(p.at(i));
  if (!value) IgnoreParam(p, i, "is not True, true, False or false");
  return value;
}

void FontParam(const ActionParams& p, std::size_t i, params::FontTarget& target, bool whole) {
  CountingFontTarget counting(target);
  try {
    if (whole)
      params::ApplyWholeFontDescription(p.at(i), counting);
    else
      params::ApplyFontDescription(p.at(i), counting);
  } catch (const ListIndexError&) {
    const int field = counting.applied + 1;
    if (counting.applied == 0 && p.at(i).find_first_not_of(" \t") == std::string::npos)
      NoteRefusal(p, i, "is empty: a font is " + std::string(kFontShape));
    else if (whole && counting.applied == 0)
      NoteRefusal(p, i, "has fewer than five fields " + std::string(kFontShape));
    else
      NoteRefusal(p, i, "has no field " + std::to_string(field) + " (" + kFontFields[field - 1] + "): a font is " +
                            std::string(kFontShape));
    throw;
  } catch (const Exception&) {
    const int field = counting.applied + 1;
    NoteRefusal(p, i, "field " + std::to_string(field) + " (" + kFontFields[field - 1] + ") is not " +
                          kFontExpected[field - 1]);
    throw;
  }
}

}  // namespace pg::charts
