#pragma once
// Builds the illustrated reference of a loaded module in a folder: index.html,
// style.css and the pictures in img/.
#include <string>

#include "module_session.h"
#include "reference_model.h"

namespace pg::host {

// Reads the catalogue and every editor from the module and draws each action's
// pictures into dir/img (examplesDir holds the example pictures). Throws
// std::runtime_error when the module and the notes disagree or a picture fails.
Reference BuildReference(ModuleSession& session, const std::string& dir, const std::string& examplesDir);

// BuildReference, then index.html and style.css.
void WriteReference(ModuleSession& session, const std::string& dir, const std::string& examplesDir);

}  // namespace pg::host
