#include "platform/export/pdf_font_face.h"

#include <windows.h>

#include <cairo-win32.h>

namespace pg::platform {

namespace {

// The font GDI draws the request with, as cairo's Windows font backend reads it
// (its outlines and tables come from GDI too).
class GdiPdfFace final : public PdfFontFace {
 public:
  GdiPdfFace(const Font& font, const TextMetrics& metrics) {
    LOGFONTW lf{};
    lf.lfHeight = font.height;
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(font.charset & 0xFF);
    lf.lfQuality = ANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // Face names are code page 1251 bytes, as the module's system code page.
    const int n = ::MultiByteToWideChar(1251, 0, font.face.data(), static_cast<int>(font.face.size()), lf.lfFaceName,
                                        LF_FACESIZE - 1);
    lf.lfFaceName[n > 0 ? n : 0] = 0;
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
