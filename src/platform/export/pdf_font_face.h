#pragma once
// The font a PDF page draws a Windows font request with: the face each backend
// resolves for its own text, so the page's letters are the screen's letters.
#include <cairo.h>

#include <memory>

#include "platform/graphics.h"

namespace pg::platform {

class PdfFontFace {
 public:
  virtual ~PdfFontFace() = default;
  // Valid while this object lives; null when no font could be loaded.
  virtual cairo_font_face_t* Face() const = 0;
  // The em in pixels the request draws at.
  virtual double Em() const = 0;
};

// `metrics` are the request's metrics as the platform measures text with it.
std::unique_ptr<PdfFontFace> MakePdfFontFace(const Font& font, const TextMetrics& metrics);

}  // namespace pg::platform
