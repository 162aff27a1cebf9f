#pragma once
// The framework's and engine's errors. The plug-in boundary catches them all;
// their messages are the fixed English texts the module has always used.
#include <stdexcept>
#include <string>

namespace pg {

class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that a conversion does not accept.
class ConvertError : public Exception {
 public:
  using Exception::Exception;
};

// An index outside a list: "List index out of bounds (%d)".
class ListIndexError : public Exception {
 public:
  explicit ListIndexError(long long index)
      : Exception("List index out of bounds (" + std::to_string(index) + ")") {}
};

// Engine errors with their own classes, as the chart engine raises them.
class ChartException : public Exception {
 public:
  using Exception::Exception;
};
class LegendException : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace pg
