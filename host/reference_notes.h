#pragma once
// The hand-written part of the reference: English lines, the kind of each
// parameter, the rule for a malformed value, and the example each section draws.
// Everything Russian comes from the module itself.
#include <span>
#include <string_view>

namespace pg::host {

// One letter per parameter kind (see ValueKindOf).
struct ActionNote {
  int id;
  std::string_view english;  // the action in one English line
  std::string_view kinds;    // one letter per parameter, in catalogue order
  std::string_view example;  // script words after the rectangle name (UTF-8); {examples} is the examples folder
  bool pictures = true;  // a chart before and after the example
  std::string_view extra = {};  // host lines after the action, before the "after" picture
};

struct ValueKind {
  char letter;
  std::string_view kind;  // the kind of value, in a few words
  std::string_view rule;  // what a malformed value does, in one short phrase
};

// The eight group headers' English lines, in catalogue order.
std::span<const std::string_view> HeaderNotes();
// Every action 1..42, in id order.
std::span<const ActionNote> ActionNotes();
const ActionNote* FindActionNote(int id);
// Null for a letter the table does not know.
const ValueKind* ValueKindOf(char letter);

}  // namespace pg::host
