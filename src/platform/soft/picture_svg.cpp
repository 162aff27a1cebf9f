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
    const Rendering r = Render(dest, area);
    if (r.surface) BlendOnto(dc, area, [&](int x, int y) { return r.Pixel(x, y); });
  }

  // One copy rendered, its pixels repeated over what shows: rendering is the
  // slow part. A copy larger than what shows is cheaper drawn where it shows.
  void DrawTiled(DeviceContext& dc, const TRect& area, int tileWidth, int tileHeight) const override {
    if (tileWidth <= 0 || tileHeight <= 0) return;
    const TRect visible = VisiblePart(dc, TiledExtent(area, tileWidth, tileHeight));
    if (visible.Width() <= 0) return;
    if (static_cast<long long>(tileWidth) * tileHeight > static_cast<long long>(visible.Width()) * visible.Height()) {
      ForEachTile(area, tileWidth, tileHeight, visible, [&](const TRect& tile) { Draw(dc, tile); });
      return;
    }
    const TRect tile{0, 0, tileWidth, tileHeight};
    const Rendering r = Render(tile, tile);
    if (!r.surface) return;
    const auto ox = static_cast<int>((static_cast<long long>(visible.left) - area.left) % tileWidth),
               oy = static_cast<int>((static_cast<long long>(visible.top) - area.top) % tileHeight);
    BlendOnto(dc, visible, [&](int x, int y) { return r.Pixel((ox + x) % tileWidth, (oy + y) % tileHeight); });
  }

 private:
  struct SurfaceDestroy {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
  };
  // Premultiplied 0xAARRGGBB pixels of a part of the picture; no surface when
  // nothing could be drawn.
  struct Rendering {
    std::unique_ptr<cairo_surface_t, SurfaceDestroy> surface;
    const unsigned char* data = nullptr;
    int stride = 0;
    std::uint32_t Pixel(int x, int y) const {
      return reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride)[x];
    }
  };

  // The part area of the picture scaled to dest.
  Rendering Render(const TRect& dest, const TRect& area) const {
    Rendering r;
    r.surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, area.Width(), area.Height()));
    if (cairo_surface_status(r.surface.get()) != CAIRO_STATUS_SUCCESS) return {};
    cairo_t* cr = cairo_create(r.surface.get());
    cairo_translate(cr, dest.left - area.left, dest.top - area.top);
    // The picture fills the destination in both directions, as a metafile plays.
    cairo_scale(cr, dest.Width() / width_, dest.Height() / height_);
    const RsvgRectangle viewport{0, 0, width_, height_};
    GError* error = nullptr;
    const bool drawn = rsvg_handle_render_document(handle_.get(), cr, &viewport, &error);
    g_clear_error(&error);
    cairo_destroy(cr);
    if (!drawn) return {};
    cairo_surface_flush(r.surface.get());
    r.data = cairo_image_surface_get_data(r.surface.get());
    r.stride = cairo_image_surface_get_stride(r.surface.get());
    return r;
  }

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
