#pragma once
// Hands a listening host the notes of each action (see framework/notes): the
// host declares, by exporting the text kNotesDeclaration from its program, the
// name of a host variable; the module then writes each action's notes into that
// variable through the set-variable callback, one line each, and only when
// there are any. A host that declares nothing gets no call it did not get before.
#include <cstdint>
#include <string_view>

namespace pg::plugin {

inline constexpr const char* kNotesDeclaration = "PirogramNotesVariable";

// Looks for the host's declaration (at registration) and listens if there is one.
void ListenIfTheHostAsks();

// Writes the notes of the action that just ran, if any: a reason as
// `pgAddSeriesChart: parameter 2 "12,5" is not a number (decimal separator "."); nothing changed`,
// a written file as `wrote WIDTH HEIGHT FORMAT PATH`.
void DeliverActionNotes(std::int32_t id);

}  // namespace pg::plugin
