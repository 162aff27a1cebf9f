#pragma once
// What the author's pages show that only the module can say: the quick start's
// chart, the colour names as the module reads them, the texts its dialogs and
// conversions write, and how the character set changes a title.
#include <functional>
#include <string>

#include "module_session.h"
#include "reference_model.h"

namespace pg::host {

using ScriptRun = std::function<void(const std::string& script)>;

// Fills ref's page data by running scripts through `run`; pictures go to dir/img.
// Throws std::runtime_error when the module does not write what it should.
void CollectFacts(Reference& ref, ModuleSession& session, const ScriptRun& run, const std::string& dir);

}  // namespace pg::host
