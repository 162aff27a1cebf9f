// Pictures drawn into recordings. A metafile plays its records into the
// recording; the drawing state it leaves is put back, as the chart goes on with
// its own. Pictures of pixels land as one bitmap of the part that shows.
#include <algorithm>

#include "platform/bitmap.h"
#include "platform/device_context.h"
#include "platform/picture_files.h"

namespace pg::platform {

namespace {

// What of area lies on the recording; empty when nothing does.
TRect OnRecording(const DeviceContext& dc, const TRect& area) {
  const TSize page = dc.RecordingPage();
  const TRect r{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, page.cx),
                std::min(area.bottom, page.cy)};
  return r.Width() > 0 && r.Height() > 0 ? r : TRect{};
}


class StateKeeper {
 public:
  explicit StateKeeper(DeviceContext& dc)
      : dc_(dc), pen_(dc.GetPen()), brush_(dc.GetBrush()), font_(dc.GetFont()), text_(dc.GetTextColor()),
        bk_(dc.GetBkColor()), bkMode_(dc.GetBkMode()), align_(dc.GetTextAlign()), fill_(dc.GetPolyFillMode()) {}
  ~StateKeeper() {
    dc_.SetPen(pen_);
    dc_.SetBrush(Brush{brush_.style, brush_.color, nullptr});
    dc_.SetFont(font_);
    dc_.SetTextColor(text_);
    dc_.SetBkColor(bk_);
    dc_.SetBkMode(bkMode_);
    dc_.SetTextAlign(align_);
    dc_.SetPolyFillMode(fill_);
  }
  StateKeeper(const StateKeeper&) = delete;
  StateKeeper& operator=(const StateKeeper&) = delete;

 private:
  DeviceContext& dc_;
  Pen pen_;
  Brush brush_;
  Font font_;
  Color text_, bk_;
  int bkMode_;
  unsigned align_;
  int fill_;
};

// The picture drawn onto a white bitmap of the part of area that shows, copied in.
template <typename DrawFn>
void AsBitmap(DeviceContext& dc, const TRect& area, DrawFn draw) {
  const TRect part = OnRecording(dc, area);
  if (part.Width() <= 0) return;
  Bitmap layer(part.Width(), part.Height());
  if (layer.Empty()) return;
  draw(layer.Dc(), TPoint{-part.left, -part.top});
  dc.BitBlt(part.left, part.top, part.Width(), part.Height(), layer, 0, 0, BlitRop::kSrcCopy);
}

TRect Moved(const TRect& r, TPoint by) {
  return TRect{r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

// More copies of a metafile than this land as pixels: each copy repeats every record.
constexpr long long kMaxRecordedTiles = 64;

}  // namespace

void DrawPicture(const PictureImage& picture, DeviceContext& dc, const TRect& dest) {
  if (!dc.RecordsDrawing()) {
    picture.Draw(dc, dest);
    return;
  }
  if (dest.Width() <= 0 || dest.Height() <= 0) return;
  {
    StateKeeper keep(dc);
    if (picture.PlayRecords(dc, dest, dc.RecordingPage())) return;
  }
  AsBitmap(dc, dest, [&](DeviceContext& layer, TPoint by) { picture.Draw(layer, Moved(dest, by)); });
}

void DrawPictureTiled(const PictureImage& picture, DeviceContext& dc, const TRect& area, int tileWidth,
                      int tileHeight) {
  if (!dc.RecordsDrawing()) {
    picture.DrawTiled(dc, area, tileWidth, tileHeight);
    return;
  }
  if (tileWidth <= 0 || tileHeight <= 0) return;
  const TRect shown = OnRecording(dc, TiledExtent(area, tileWidth, tileHeight));
  if (shown.Width() <= 0) return;
  long long tiles = 0;
  ForEachTile(area, tileWidth, tileHeight, shown, [&](const TRect&) { ++tiles; });
  if (tiles <= kMaxRecordedTiles) {
    StateKeeper keep(dc);
    const TSize page = dc.RecordingPage();
    bool played = true;
    ForEachTile(area, tileWidth, tileHeight, shown,
                [&](const TRect& tile) { played = played && picture.PlayRecords(dc, tile, page); });
    if (played) return;
  }
  AsBitmap(dc, TiledExtent(area, tileWidth, tileHeight), [&](DeviceContext& layer, TPoint by) {
    picture.DrawTiled(layer, Moved(area, by), tileWidth, tileHeight);
  });
}

}  // namespace pg::platform
