#pragma once
// The hand-written part of the reference: for each action one line, the kind of
// each parameter, its value before any action, its unit and range, what is
// ignored silently, and the example its pictures draw. Captions, hints and list
// words come from the module itself.
#include <array>
#include <span>
#include <string_view>

#include "reference_text.h"

namespace pg::host {

struct ParamNote {
  Text initial;  // what a new chart has, before any action ("" where nothing is kept)
  Text range;    // unit and the values that take effect
  Text ignored;  // values dropped silently beyond the kind's own rule
};

struct ActionNote {
  int id;
  Text line;                 // the action in one line
  std::string_view kinds;    // one letter per parameter (see ValueKindOf), in catalogue order
  std::string_view example;  // script words after the rectangle name (UTF-8); {examples} is the examples folder
  bool pictures = true;          // the chart before and after the example, and a picture per list word
  std::array<ParamNote, 5> params = {};  // by parameter, as kinds
  std::string_view setup = {};   // host lines before the "before" picture
  std::string_view extra = {};   // host lines after the action, before the "after" picture
  Text remark = {};              // what an author should know beyond the rows
  // The list words and Boolean words whose picture is the chart before the
  // action (the value a new chart has), blank-separated.
  std::string_view defaultWords = {};
  // A numeric row swept through a few values, one picture each in a row: each
  // entry is the script words after the rectangle name, as in `example`.
  std::array<std::string_view, 5> sweep = {};
};

struct ValueKind {
  char letter;
  Text kind;  // the kind of value, in a few words
  Text rule;  // what a malformed value does, in one short phrase
};

// The eight group headers' English lines, in catalogue order.
std::span<const std::string_view> HeaderNotes();
// Every action, in id order.
std::span<const ActionNote> ActionNotes();
const ActionNote* FindActionNote(int id);
// Null for a letter the table does not know.
const ValueKind* ValueKindOf(char letter);

}  // namespace pg::host
