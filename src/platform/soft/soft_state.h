#pragma once
// State of the portable platform. It lives once in the platform's shared library,
// shared by the host and the module as the operating system is on Windows.
#include <optional>

#include "platform/module_loader.h"

namespace pg::platform::soft {

struct SoftState {
  GlobalMemoryObserver* memoryObserver = nullptr;
  // What a host made the module see instead of the locale's separators.
  std::optional<char> decimalSeparator;
  std::optional<char> thousandSeparator;
};

SoftState& State();

}  // namespace pg::platform::soft
