#pragma once
// What the author's pages show that only the module can say: the quick start's
// chart, the colour names as the module reads them, the texts its dialogs and
// conversions write, how the character set and the face name change a title,
// and the gallery's finished charts.
#include "module_session.h"
#include "reference_model.h"
#include "reference_shots.h"

namespace pg::host {

// Fills ref's page data by running scripts through `shots`. Throws
// std::runtime_error when the module does not write or draw what it should.
void CollectFacts(Reference& ref, ModuleSession& session, ShotTaker& shots);

}  // namespace pg::host
