#pragma once
// Where the tests load the module from, as a host would.
#include <string>

namespace pg::testing {

inline std::string ModulePath() {
#ifdef _WIN32
  return "Pirogram.nbp";  // beside the test program
#else
  return PG_MODULE_PATH;
#endif
}

}  // namespace pg::testing
