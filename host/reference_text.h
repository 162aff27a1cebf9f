#pragma once
// A text of the reference in both of its languages (UTF-8): the authors read
// Russian first, the English line follows.
#include <string_view>

namespace pg::host {

struct Text {
  std::string_view en, ru;
  bool Empty() const { return en.empty() && ru.empty(); }
};

}  // namespace pg::host
