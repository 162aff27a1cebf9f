#include "framework/notes/action_notes.h"

#include <utility>

namespace pg::notes {
namespace {

struct Channel {
  bool listening = false;
  ActionNotes current;
};

Channel& TheChannel() {
  static Channel channel;
  return channel;
}

}  // namespace

void Listen(bool on) {
  TheChannel().listening = on;
  TheChannel().current = {};
}

bool Listening() { return TheChannel().listening; }

void NoteParam(int number, std::string_view value, std::string_view why, bool stopped) {
  auto& c = TheChannel();
  if (!c.listening) return;
  c.current.notes.push_back({stopped ? ActionNote::Kind::kStopped : ActionNote::Kind::kIgnored, number, std::string(value),
                     std::string(why)});
}

void NoteWritten(std::string_view path, int width, int height, std::string_view format) {
  auto& c = TheChannel();
  if (!c.listening) return;
  c.current.notes.push_back({ActionNote::Kind::kWritten, 0, std::string(path), std::string(format), width, height});
}

bool Stopped() {
  for (const auto& note : TheChannel().current.notes)
    if (note.kind == ActionNote::Kind::kStopped) return true;
  return false;
}

void NoteChange() {
  auto& c = TheChannel();
  if (c.listening) c.current.changed = true;
}

ActionNotes Take() {
  ActionNotes out;
  std::swap(out, TheChannel().current);
  return out;
}

}  // namespace pg::notes
