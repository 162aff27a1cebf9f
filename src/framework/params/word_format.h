#pragma once
// Boolean and alignment words: whole texts, compared case-sensitively.
#include <optional>
#include <string_view>

#include "framework/alignment.h"

namespace pg::params {

enum class BoolWord { On, Off, Neither };

// "True"/"true" -> On, "False"/"false" -> Off, anything else -> Neither.
BoolWord ReadBoolWord(std::string_view text);
// The same as a value to set: true, false, or nothing for any other word.
std::optional<bool> ReadBoolValue(std::string_view text);

// "Left", "Center", "Right"; nothing for any other text.
std::optional<TAlignment> ReadAlignmentWord(std::string_view text);

}  // namespace pg::params
