#include "plugin/action_notes_delivery.h"

#include <string>

#include "framework/notes/action_notes.h"
#include "platform/host_program.h"
#include "plugin/catalogue/catalogue.h"
#include "plugin/host_services.h"

namespace pg::plugin {
namespace {

constexpr std::size_t kMaxVariableName = 64;
constexpr std::size_t kMaxShownValue = 60;

std::string& VariableName() {
  static std::string name;
  return name;
}

// The value as a reader can see it in one line: quoted, control characters as
// "?", a long one cut.
std::string Shown(std::string_view value) {
  std::string out = "\"";
  for (std::size_t i = 0; i < value.size() && i < kMaxShownValue; ++i)
    out += static_cast<unsigned char>(value[i]) < 32 ? '?' : value[i];
  if (value.size() > kMaxShownValue) out += "...";
  return out + "\"";
}

std::string Consequence(const notes::ActionNote& note, bool changed) {
  if (!changed) return "nothing changed";
  return note.kind == notes::ActionNote::Kind::kStopped ? "the action stopped there; what came before it took effect"
                                                        : "ignored; the rest took effect";
}

std::string Line(std::string_view action, const notes::ActionNote& note, bool changed) {
  if (note.kind == notes::ActionNote::Kind::kWritten)
    return "wrote " + std::to_string(note.width) + " " + std::to_string(note.height) + " " + note.why + " " +
           note.value;
  std::string line(action);
  line += ": ";
  if (note.number > 0) line += "parameter " + std::to_string(note.number) + " " + Shown(note.value) + " ";
  return line + note.why + "; " + Consequence(note, changed);
}

}  // namespace

void ListenIfTheHostAsks() {
  VariableName() = platform::HostProgramText(kNotesDeclaration, kMaxVariableName);
  notes::Listen(!VariableName().empty());
}

void DeliverActionNotes(std::int32_t id) {
  if (!notes::Listening()) return;
  const auto taken = notes::Take();
  if (taken.notes.empty()) return;
  const CatalogueRow* row = FindAction(id);
  const std::string_view action = row ? row->name : "";
  std::string text;
  for (const auto& note : taken.notes) text += (text.empty() ? "" : "\n") + Line(action, note, taken.changed);
  SetHostVariable(VariableName(), text);
}

}  // namespace pg::plugin
