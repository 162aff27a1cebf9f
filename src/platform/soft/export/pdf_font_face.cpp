#include "platform/export/pdf_font_face.h"

#include "platform/soft/text/font_resolver.h"

namespace pg::platform {

namespace {

// The font the portable text draws with, kept alive with its face.
class ResolvedPdfFace final : public PdfFontFace {
 public:
  explicit ResolvedPdfFace(std::shared_ptr<const soft::ResolvedFont> font) : font_(std::move(font)) {
    if (font_ && font_->scaled) {
      cairo_matrix_t m;
      cairo_scaled_font_get_font_matrix(font_->scaled, &m);
      em_ = m.xx;
    }
  }
  cairo_font_face_t* Face() const override {
    return font_ && font_->scaled ? cairo_scaled_font_get_font_face(font_->scaled) : nullptr;
  }
  double Em() const override { return em_; }

 private:
  std::shared_ptr<const soft::ResolvedFont> font_;
  double em_ = 0;
};

}  // namespace

std::unique_ptr<PdfFontFace> MakePdfFontFace(const Font& font, const TextMetrics&) {
  return std::make_unique<ResolvedPdfFace>(soft::ResolveFont(font));
}

}  // namespace pg::platform
