// Metafiles drawn as the SVG they were turned into: librsvg renders the part of
// the destination the surface shows, scaled to the whole destination, so a
// stretched metafile stays sharp.
#include <librsvg/rsvg.h>

#include "platform/soft/picture_blend.h"
#include "platform/soft/picture_decoders.h"

namespace pg::platform::soft {

namespace {

struct GObjectUnref {
  void operator()(gpointer p) const { g_object_unref(p); }
};

class SvgPicture final : public PictureImage {
 public:
  SvgPicture(RsvgHandle* handle, PictureExtent extent, double width, double height)
      : handle_(handle), extent_(extent), width_(width), height_(height) {}
  PictureExtent Extent() const override { return extent_; }

  void Draw(DeviceContext& dc, const TRect& dest) const override {
    const TRect area = VisiblePart(dc, dest);
    if (area.Width() <= 0) return;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, area.Width(), area.Height());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(surface);
      return;
    }
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, dest.left - area.left, dest.top - area.top);
    // The picture fills the destination in both directions, as a metafile plays.
    cairo_scale(cr, dest.Width() / width_, dest.Height() / height_);
    const RsvgRectangle viewport{0, 0, width_, height_};
    GError* error = nullptr;
    const bool drawn = rsvg_handle_render_document(handle_.get(), cr, &viewport, &error);
    g_clear_error(&error);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    if (drawn) {
      const unsigned char* data = cairo_image_surface_get_data(surface);
      const int stride = cairo_image_surface_get_stride(surface);
      BlendOnto(dc, area, [&](int x, int y) {
        return reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride)[x];
      });
    }
    cairo_surface_destroy(surface);
  }

 private:
  std::unique_ptr<RsvgHandle, GObjectUnref> handle_;
  PictureExtent extent_;
  double width_, height_;
};

}  // namespace

std::unique_ptr<PictureImage> MakeSvgPicture(std::string_view svg, PictureExtent extent) {
  if (svg.empty() || extent.width <= 0 || extent.height <= 0) return nullptr;
  GError* error = nullptr;
  // No base file: the document can reach no other file.
  RsvgHandle* handle =
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error);
  g_clear_error(&error);
  if (!handle) return nullptr;
  double w = 0, h = 0;
  if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &w, &h) || w <= 0 || h <= 0) {
    w = extent.width;
    h = extent.height;
  }
  return std::make_unique<SvgPicture>(handle, extent, w, h);
}

}  // namespace pg::platform::soft
