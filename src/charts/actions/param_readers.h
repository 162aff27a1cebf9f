#pragma once
// The chart actions' parameters read with the reason of a refusal: a text that
// does not convert is noted with the parameter and ends the action with the
// very error it always did (the frame swallows it); a word that matches nothing
// is noted and the action goes on without it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "charts/chart_action.h"
#include "framework/colour.h"
#include "framework/errors.h"
#include "framework/notes/action_notes.h"
#include "framework/params/font_format.h"

namespace pg::charts {

// Slot i (0 is the rectangle name) is parameter i + 1.
std::int32_t IntParam(const ActionParams& p, std::size_t i);
TColor ColourParam(const ActionParams& p, std::size_t i);
// A decimal number with the locale's separator.
double NumberParam(const ActionParams& p, std::size_t i);
// True, false, or nothing (noted) for any other word.
std::optional<bool> BoolParam(const ActionParams& p, std::size_t i);
// Applies a font description field by field; `whole`: fewer than five fields
// change nothing.
void FontParam(const ActionParams& p, std::size_t i, params::FontTarget& target, bool whole);

// The parameter took no effect; the action goes on.
void IgnoreParam(const ActionParams& p, std::size_t i, std::string_view why);
// The parameter ends the action (the caller throws).
void NoteRefusal(const ActionParams& p, std::size_t i, std::string_view why);

// Runs a step that may refuse the parameter's value (a conversion, an engine
// range, a file): its error is noted as a refusal of that parameter, `why`
// followed by the error's own text when `withMessage`, and goes on.
template <typename Step>
void StepWithParam(const ActionParams& p, std::size_t i, std::string_view why, bool withMessage, Step step) {
  try {
    step();
  } catch (const Exception& e) {
    NoteRefusal(p, i, withMessage ? std::string(why) + ": " + e.what() : std::string(why));
    throw;
  }
}

// "one of A, B or C" for the words of a table.
template <typename Table>
std::string OneOf(const Table& table) {
  std::string out = "is not one of ";
  std::size_t n = 0;
  for (const auto& entry : table) {
    if (n++) out += n == std::size(table) ? " or " : ", ";
    out += entry.first;
  }
  return out;
}

}  // namespace pg::charts
