#include "platform/metafile/playback.h"

#include <algorithm>
#include <cmath>

namespace pg::platform::metafile {

namespace {

// Stock objects by their numbers (WHITE_BRUSH 0 ... DC_PEN 19).
std::optional<GdiObject> Stock(std::uint32_t n) {
  const auto brush = [](Color c) { return BrushObject{kBsSolid, 0, c, nullptr}; };
  switch (n) {
    case 0: return brush(0xFFFFFF);
    case 1: return brush(0xC0C0C0);
    case 2: return brush(0x808080);
    case 3: return brush(0x404040);
    case 4: return brush(0);
    case 5: return BrushObject{kBsNull, 0, 0, nullptr};
    case 6: return PenObject{kPsSolid, 0, 0xFFFFFF, {}};
    case 7: return PenObject{kPsSolid, 0, 0, {}};
    case 8: return PenObject{kPsNull, 0, 0, {}};
    case 10: case 11: case 12: case 13: case 14: case 16: case 17: return FontObject{};
    case 18: return brush(0xFFFFFF);
    case 19: return PenObject{kPsSolid, 0, 0, {}};
    default: return std::nullopt;
  }
}

}  // namespace

Playback::Playback(DeviceContext& dc, const Affine& placement, PointD pixelsPerMm, long long budget,
                   TSize surface)
    : dc_(dc), placement_(placement), pixelsPerMm_(pixelsPerMm), budget_(budget), surface_(surface) {}

void Playback::SetObjectTable(std::size_t size) {
  objects_.assign(size, GdiObject{});
  slots_ = ObjectSlots(size);
}

void Playback::Create(std::size_t index, GdiObject object) {
  if (index < objects_.size()) objects_[index] = std::move(object);
}

void Playback::CreateInFreeSlot(GdiObject object) {
  if (const auto index = slots_.Take()) Create(*index, std::move(object));
}

const GdiObject* Playback::Object(std::size_t index) const {
  return index < objects_.size() ? &objects_[index] : nullptr;
}

void Playback::Select(std::size_t index) {
  const GdiObject* o = Object(index);
  if (!o) return;
  if (const auto* pen = std::get_if<PenObject>(o)) state_.pen = *pen;
  else if (const auto* brush = std::get_if<BrushObject>(o)) state_.brush = *brush;
  else if (const auto* font = std::get_if<FontObject>(o)) state_.font = *font;
  else if (const auto* region = std::get_if<RegionObject>(o)) SelectClipRects(region->rects, 5, true);
}

void Playback::SelectStock(std::uint32_t stock) {
  const auto o = Stock(stock);
  if (!o) return;
  if (const auto* pen = std::get_if<PenObject>(&*o)) state_.pen = *pen;
  else if (const auto* brush = std::get_if<BrushObject>(&*o)) state_.brush = *brush;
  else if (const auto* font = std::get_if<FontObject>(&*o)) state_.font = *font;
}

// What is selected is a copy: deleting the table's entry leaves it drawing, as
// GDI keeps a selected object alive.
void Playback::Delete(std::size_t index) {
  if (index >= objects_.size()) return;
  objects_[index] = std::monostate{};
  slots_.Release(index);
}

void Playback::SaveDc() {
  // Bounded: a metafile that only saves cannot grow the stack without end.
  constexpr std::size_t kMaxDepth = 1024;
  if (saved_.size() < kMaxDepth) saved_.push_back(state_);
}

void Playback::RestoreDc(int which) {
  if (saved_.empty() || which == 0) return;
  std::size_t level = 0;
  if (which < 0) {
    const std::size_t back = static_cast<std::size_t>(-static_cast<long long>(which));
    if (back > saved_.size()) return;
    level = saved_.size() - back;
  } else {
    if (static_cast<std::size_t>(which) > saved_.size()) return;
    level = static_cast<std::size_t>(which) - 1;
  }
  // The path under construction is not part of the saved state.
  state_ = saved_[level];
  saved_.resize(level);
  TransformChanged();
  ApplyClip();
}

void Playback::SetMapMode(int mode) {
  if (mode < 1 || mode > 8) return;
  state_.mapMode = static_cast<MapMode>(mode);
  TransformChanged();
}

void Playback::SetWindowExt(PointD e) {
  if (e.x == 0 || e.y == 0) return;
  state_.windowExt = e;
  TransformChanged();
}

void Playback::SetViewportExt(PointD e) {
  if (e.x == 0 || e.y == 0) return;
  state_.viewportExt = e;
  TransformChanged();
}

void Playback::ScaleWindowExt(double xNum, double xDenom, double yNum, double yDenom) {
  if (xDenom == 0 || yDenom == 0) return;
  SetWindowExt({state_.windowExt.x * xNum / xDenom, state_.windowExt.y * yNum / yDenom});
}

void Playback::ScaleViewportExt(double xNum, double xDenom, double yNum, double yDenom) {
  if (xDenom == 0 || yDenom == 0) return;
  SetViewportExt({state_.viewportExt.x * xNum / xDenom, state_.viewportExt.y * yNum / yDenom});
}

void Playback::SetWorld(const Affine& world) {
  if (!world.Finite() || world.Determinant() == 0) return;
  state_.world = world;
  TransformChanged();
}

void Playback::ModifyWorld(const Affine& xf, int mode) {
  switch (mode) {
    case 1: state_.world = Affine{}; break;
    case 2: SetWorld(xf.Then(state_.world)); return;
    case 3: SetWorld(state_.world.Then(xf)); return;
    case 4: SetWorld(xf); return;
    default: return;
  }
  TransformChanged();
}

Affine Playback::PageTransform() const {
  const DcState& s = state_;
  double sx = 1, sy = 1;
  const auto metric = [&](double mmPerUnit) {
    sx = pixelsPerMm_.x * mmPerUnit;
    sy = -pixelsPerMm_.y * mmPerUnit;
  };
  switch (s.mapMode) {
    case MapMode::kText: break;
    case MapMode::kLoMetric: metric(0.1); break;
    case MapMode::kHiMetric: metric(0.01); break;
    case MapMode::kLoEnglish: metric(0.254); break;
    case MapMode::kHiEnglish: metric(0.0254); break;
    case MapMode::kTwips: metric(25.4 / 1440); break;
    case MapMode::kIsotropic:
    case MapMode::kAnisotropic:
      sx = s.viewportExt.x / s.windowExt.x;
      sy = s.viewportExt.y / s.windowExt.y;
      if (s.mapMode == MapMode::kIsotropic) {
        const double m = std::min(std::fabs(sx), std::fabs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
      }
      break;
  }
  return Affine{sx, 0, 0, sy, s.viewportOrg.x - s.windowOrg.x * sx, s.viewportOrg.y - s.windowOrg.y * sy};
}

const Affine& Playback::ToDevice() {
  if (!transformValid_) {
    toDevice_ = state_.world.Then(PageTransform()).Then(placement_);
    if (!toDevice_.Finite()) toDevice_ = placement_;
    transformValid_ = true;
  }
  return toDevice_;
}

PointD Playback::Device(PointD p) { return ToDevice().Apply(p); }

TPoint Playback::Pixel(PointD d) const {
  return TPoint{HeldInt(d.x), HeldInt(d.y)};
}

std::vector<TPoint> Playback::Pixels(std::span<const PointD> device) const {
  std::vector<TPoint> out;
  out.reserve(device.size());
  for (const PointD& p : device) out.push_back(Pixel(p));
  return out;
}

}  // namespace pg::platform::metafile
