#pragma once
// The script commands that drive the rectangles' windows: size, visibility,
// messages, the message loop's clock, and pictures of what a rectangle shows.
#include <functional>
#include <string>
#include <vector>

#include "module_session.h"

namespace pg::host {

using PrintFn = std::function<void(const std::string& cp1251Text)>;
// A picture file the command wrote: its path, size and format ("PNG", "BMP").
using WroteFn = std::function<void(const std::string& path, int width, int height, const std::string& format)>;

// Runs the command if it is one of these; false for any other command word.
// Throws ScriptError for malformed use.
bool RunWindowCommand(ModuleSession& session, const std::vector<std::string>& words, const PrintFn& print,
                      const WroteFn& wrote);

}  // namespace pg::host
