#include "framework/params/word_format.h"

namespace pg::params {

BoolWord ReadBoolWord(std::string_view text) {
  if (text == "True" || text == "true") return BoolWord::On;
  if (text == "False" || text == "false") return BoolWord::Off;
  return BoolWord::Neither;
}

std::optional<bool> ReadBoolValue(std::string_view text) {
  switch (ReadBoolWord(text)) {
    case BoolWord::On: return true;
    case BoolWord::Off: return false;
    case BoolWord::Neither: break;
  }
  return std::nullopt;
}

std::optional<TAlignment> ReadAlignmentWord(std::string_view text) {
  if (text == "Left") return TAlignment::taLeftJustify;
  if (text == "Center") return TAlignment::taCenter;
  if (text == "Right") return TAlignment::taRightJustify;
  return std::nullopt;
}

}  // namespace pg::params
