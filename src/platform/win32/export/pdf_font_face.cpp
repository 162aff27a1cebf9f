#include "platform/export/pdf_font_face.h"

#include <windows.h>

#include <cairo-win32.h>

#include "platform/win32/gdi_device_context.h"

namespace pg::platform {

namespace {

// The font GDI draws the request with, as cairo's Windows font backend reads it
// (its outlines and tables come from GDI too). cairo keeps one face per face
// name, weight, slant and character set, whatever the height: every size of a
// font shares one embedded subset.
class GdiPdfFace final : public PdfFontFace {
 public:
  GdiPdfFace(const Font& font, const TextMetrics& metrics) {
    LOGFONTW lf = win32::MakeLogFont(font);
    // The page draws the lines itself, at the raster's places.
    lf.lfUnderline = lf.lfStrikeOut = FALSE;
    face_ = cairo_win32_font_face_create_for_logfontw(&lf);
    if (cairo_font_face_status(face_) != CAIRO_STATUS_SUCCESS) {
      cairo_font_face_destroy(face_);
      face_ = nullptr;
    }
    em_ = metrics.height - metrics.internalLeading;
    if (em_ < 1) em_ = 1;
  }
  ~GdiPdfFace() override {
    if (face_) cairo_font_face_destroy(face_);
  }
  GdiPdfFace(const GdiPdfFace&) = delete;
  GdiPdfFace& operator=(const GdiPdfFace&) = delete;
  cairo_font_face_t* Face() const override { return face_; }
  double Em() const override { return em_; }

 private:
  cairo_font_face_t* face_ = nullptr;
  double em_ = 1;
};

}  // namespace

std::unique_ptr<PdfFontFace> MakePdfFontFace(const Font& font, const TextMetrics& metrics) {
  return std::make_unique<GdiPdfFace>(font, metrics);
}

}  // namespace pg::platform
