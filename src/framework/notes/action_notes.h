#pragma once
// What an action tells a host that listens, beside its result: why a parameter
// took no effect, in the words of the reading that refused it, and which files
// it wrote. Nothing is collected unless a host asked for the notes (see
// plugin/action_notes_delivery.h): a host that did not ask sees no difference.
#include <string>
#include <string_view>
#include <vector>


namespace pg::notes {

struct ActionNote {
  enum class Kind { kIgnored, kStopped, kWritten };
  Kind kind = Kind::kIgnored;
  int number = 0;     // the parameter, counted from 1 as the editor's rows; 0: the action as a whole
  std::string value;  // the parameter's text, or the written file's path (code page 1251)
  std::string why;    // what was expected, e.g. `is not a number (decimal separator ".")`
  int width = 0, height = 0;  // a written picture's size
};

// Collecting on or off; off by default.
void Listen(bool on);
bool Listening();

// The one place a reason is recorded: parameter `number` with `value` took no
// effect because of `why`; `stopped`: the action ended there.
void NoteParam(int number, std::string_view value, std::string_view why, bool stopped);
// The action wrote a file of that picture size and format ("BMP").
void NoteWritten(std::string_view path, int width, int height, std::string_view format);

// Something the action did took effect (told by the frame that runs it).
void NoteChange();

struct ActionNotes {
  std::vector<ActionNote> notes;
  bool changed = false;
};
// The notes of the current action; the channel is empty afterwards.
ActionNotes Take();

// Whether the current action has a note that ended it (so that the frame,
// catching the error that ended it, does not note it twice).
bool Stopped();

}  // namespace pg::notes
