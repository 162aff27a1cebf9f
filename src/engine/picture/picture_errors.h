#pragma once
// Errors of picture loading and saving. The actions swallow them; their texts
// say what went wrong for whoever reads them in a debugger or a test.
#include <string>
#include <utility>

#include "framework/errors.h"

namespace pg::engine {

// A picture file that its format cannot read, or an extension no format has.
// detail, when there is one, says why in a person's words: for a refused
// metafile, which record failed the record check and how.
class PictureError : public Exception {
 public:
  using Exception::Exception;
  PictureError(const std::string& message, std::string detail) : Exception(message), detail_(std::move(detail)) {}
  const std::string& Detail() const { return detail_; }

 private:
  std::string detail_;
};

// libjpeg refused the data: "JPEG error #%d" with its message number.
class JpegError : public PictureError {
 public:
  explicit JpegError(int code) : PictureError("JPEG error #" + std::to_string(code)), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

// A file that cannot be opened for reading or created for writing.
class FileStreamError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace pg::engine
