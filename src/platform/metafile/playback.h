#pragma once
// The state GDI keeps while a metafile plays, and the drawing calls records make
// of it, in logical coordinates. Both metafile kinds parse their records into
// these calls; the playback maps them to device pixels and draws them through a
// DeviceContext.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/device_context.h"
#include "platform/metafile/affine.h"
#include "platform/metafile/gdi_objects.h"
#include "platform/metafile/object_slots.h"
#include "platform/metafile/play_metafile.h"

namespace pg::platform::metafile {

// A colour as the context's pixels hold it (0x00RRGGBB), as GetPixel reports it.
// Whether a LOGFONT's quality asks for smoothed glyph edges: antialiased (4) or
// either ClearType quality (5, 6), which grey levels stand in for.
inline bool SmoothQuality(std::uint8_t quality) { return quality >= 4 && quality <= 6; }

inline std::uint32_t PixelOf(Color c) {
  c = ColorToRgb(c);
  return static_cast<std::uint32_t>(RedOf(c)) << 16 | static_cast<std::uint32_t>(GreenOf(c)) << 8 |
         static_cast<std::uint32_t>(BlueOf(c));
}

enum class MapMode { kText = 1, kLoMetric, kHiMetric, kLoEnglish, kHiEnglish, kTwips, kIsotropic, kAnisotropic };

// Region combinations (RGN_AND ... RGN_COPY).
enum class Combine { kAnd = 1, kOr, kXor, kDiff, kCopy };

enum class ArcKind { kArc, kChord, kPie };

// What the clip is, in device pixels: everything, a rectangle, or an area of
// rings (odd-even).
struct Clip {
  enum class Kind { kNone, kRect, kArea } kind = Kind::kNone;
  TRect rect;
  std::vector<std::vector<TPoint>> rings;
};

struct DcState {
  PenObject pen;
  BrushObject brush;
  FontObject font;
  MapMode mapMode = MapMode::kText;
  PointD windowOrg, windowExt{1, 1}, viewportOrg, viewportExt{1, 1};
  Affine world;
  int rop2 = 13;  // R2_COPYPEN
  int bkMode = kOpaque;
  Color bkColor = 0xFFFFFF;
  Color textColor = 0;
  unsigned textAlign = 0;
  int fillMode = kAlternate;
  double miterLimit = 10;
  bool clockwise = false;
  PointD position;  // logical
  Clip clip;
};

class Playback {
 public:
  // placement maps the metafile's device units (EMF) or its viewport (WMF) onto
  // the context's pixels; pixelsPerMm is the recording device's resolution,
  // which the metric map modes need. budget bounds the work (records and points).
  // surface: the context's pixels that per-pixel drawing may reach.
  Playback(DeviceContext& dc, const Affine& placement, PointD pixelsPerMm, long long budget, TSize surface);

  // GDI's advanced graphics mode, in which enhanced metafiles play: boxes
  // include their right and bottom edges.
  void SetAdvancedMode(bool on) { advancedMode_ = on; }

  // Whether the work budget is spent: the front ends stop then.
  bool Spent() const { return work_ > budget_; }
  void Charge(long long units) { work_ += units; }

  // Objects. The table is as large as the header declares (as GDI makes it):
  // indices beyond it are ignored. WMF takes the lowest free slot, and a
  // creation that finds the table full makes nothing.
  void SetObjectTable(std::size_t size);
  void Create(std::size_t index, GdiObject object);
  void CreateInFreeSlot(GdiObject object);
  void Select(std::size_t index);
  void SelectStock(std::uint32_t stock);
  void Delete(std::size_t index);
  const GdiObject* Object(std::size_t index) const;

  // State.
  DcState& State() { return state_; }
  void SaveDc();
  void RestoreDc(int which);  // negative: relative to the top; positive: absolute
  void SetMapMode(int mode);
  void SetWindowOrg(PointD p) { state_.windowOrg = p; TransformChanged(); }
  void SetWindowExt(PointD e);
  void SetViewportOrg(PointD p) { state_.viewportOrg = p; TransformChanged(); }
  void SetViewportExt(PointD e);
  void ScaleWindowExt(double xNum, double xDenom, double yNum, double yDenom);
  void ScaleViewportExt(double xNum, double xDenom, double yNum, double yDenom);
  void SetWorld(const Affine& world);
  void ModifyWorld(const Affine& xf, int mode);  // 1 identity, 2 left, 3 right, 4 set

  // Lines and shapes, in logical coordinates.
  void MoveTo(PointD p);
  void LineTo(PointD p);
  void Polyline(std::span<const PointD> points);
  void PolylineTo(std::span<const PointD> points);
  void PolyBezier(std::span<const PointD> points);
  void PolyBezierTo(std::span<const PointD> points);
  // Moves, lines and curves by each point's type (PT_MOVETO, PT_LINETO,
  // PT_BEZIERTO, with PT_CLOSEFIGURE); a type GDI does not know, or a curve
  // without its three points, draws nothing, as GDI refuses the call.
  void PolyDraw(std::span<const PointD> points, std::span<const std::uint8_t> types);
  void Polygon(std::span<const PointD> points);
  void PolyPolygon(std::span<const PointD> points, std::span<const std::uint32_t> counts);
  void PolyPolyline(std::span<const PointD> points, std::span<const std::uint32_t> counts);
  void Rectangle(PointD a, PointD b);
  void RoundRect(PointD a, PointD b, PointD corner);
  void Ellipse(PointD a, PointD b);
  void ArcShape(ArcKind kind, PointD a, PointD b, PointD start, PointD end, bool to = false);
  void SetPixel(PointD p, Color c);

  // Paths.
  void BeginPath();
  void EndPath() { pathOpen_ = false; }
  void AbortPath();
  void CloseFigure();
  void FillPath();
  void StrokePath();
  void StrokeAndFillPath();
  void WidenPath();
  void SelectClipPath(int mode);

  // Clipping: rectangles in logical units, regions in device units (EMF) or logical (WMF).
  void IntersectClipRect(PointD a, PointD b);
  void ExcludeClipRect(PointD a, PointD b);
  void SelectClipRects(std::span<const TRect> rects, int mode, bool logical);
  void OffsetClip(PointD by);  // logical units, as the page maps them
  // Region painting: rectangles in the given units, filled with a brush.
  void FillRects(std::span<const TRect> rects, const BrushObject& brush, bool logical);
  // Each rectangle's border, stroke wide and high (logical units), in the brush.
  void FrameRects(std::span<const TRect> rects, const BrushObject& brush, PointD stroke, bool logical);

  // Text: code units in the font's code page (bytes) or UTF-16; dx in logical units.
  struct TextRun {
    PointD at;
    std::u16string text;     // UTF-16, or bytes widened one to one
    bool wide = false;       // text holds UTF-16 (else code page bytes)
    std::vector<double> dx;  // advance of each character; empty: the font's own
    std::uint32_t options = 0;
    std::optional<std::pair<PointD, PointD>> rect;  // opaque/clip rectangle, logical
  };
  void Text(const TextRun& run);

  // Bitmaps: a packed DIB (info header, palette, bits) onto a logical rectangle.
  // sizeInPixels: destSize counts device pixels from destAt (SetDIBitsToDevice
  // copies without scaling).
  void Dib(PointD destAt, PointD destSize, TRect source, std::span<const std::uint8_t> dib, bool paletteIndices,
           std::uint32_t rop, bool sizeInPixels = false);
  // How AlphaBlend and TransparentBlt lay their source over what lies beneath.
  struct Blend {
    bool transparent = false;   // TransparentBlt: pixels of colour `key` left out
    Color key = 0;
    int constantAlpha = 255;    // AlphaBlend: the whole source's weight
    bool sourceAlpha = false;   // AlphaBlend: and the source's own (premultiplied) alpha
  };
  void BlendDib(PointD destAt, PointD destSize, TRect source, std::span<const std::uint8_t> dib, bool paletteIndices,
                const Blend& blend);
  // GradientFill: colours at vertices (16 bits a channel), shaded across
  // rectangles (pairs of indices) or triangles (triples).
  struct Vertex {
    PointD at;
    std::uint16_t red = 0, green = 0, blue = 0;
  };
  void GradientRects(std::span<const Vertex> vertices, std::span<const std::uint32_t> pairs, bool vertical);
  void GradientTriangles(std::span<const Vertex> vertices, std::span<const std::uint32_t> triples);
  // A raster operation without a source over a logical rectangle (PATCOPY, BLACKNESS ...).
  void PatternBlt(PointD destAt, PointD destSize, std::uint32_t rop);

  // Device coordinates of a logical point, and the map behind them.
  PointD Device(PointD p);
  const Affine& ToDevice();

 private:
  void TransformChanged() { transformValid_ = false; }
  Affine PageTransform() const;
  TPoint Pixel(PointD device) const;
  std::vector<TPoint> Pixels(std::span<const PointD> device) const;
  // The device box of a logical rectangle, normalised, and the part of it on the surface.
  TRect DeviceBox(PointD at, PointD size);
  TRect OnSurface(const TRect& box) const;
  // Each pixel of box (on the surface, inside the clip) given the colour
  // shade(x, y, beneath) returns, 0x00RRGGBB; charged to the budget.
  // readsBeneath: shade needs what lies beneath (else it is given 0).
  void ShadePixels(const TRect& box, const std::function<std::uint32_t(int, int, std::uint32_t)>& shade,
                   bool readsBeneath);
  // Pixels shaded one by one a play may cost at most (rows laid whole weigh a quarter):
  // about 50 ms.
  static constexpr long long kShadeAllowance = 2'000'000;
  long long shadeWork_ = 0;
  // Text pixels a play may draw (glyph cells, and turned lines' bitmaps and
  // the pixels they visit): about 100 ms.
  static constexpr long long kTextAllowance = 20'000'000;
  long long textWork_ = 0;

  // The brush's colour at device pixel (x, y): its pattern tiled from the
  // origin, or its one colour; 0 for the null brush.
  std::uint32_t BrushPixel(int x, int y) const;

  // Drawing in device coordinates.
  bool PenShows() const { return !state_.pen.Null(); }
  bool BrushShows() const { return !state_.brush.Null(); }
  double PenDeviceWidth();
  bool PenNeedsOutline();  // a wide pen whose ends or joins the context cannot draw
  void UsePen();
  void UseNoPen();
  void UseBrush(const BrushObject& brush);
  void UseBrush() { UseBrush(state_.brush); }
  void UseAttributes();
  void StrokeDevice(std::span<const PointD> points, bool closed);
  // Charges an outline's cost and says true; or, when it would spend what is
  // left of the budget, charges nothing and says false: the outline is then
  // left out (a shape's fill still shows) and the play goes on.
  bool AffordOutline(std::span<const PointD> points, bool closed, bool traced = false);
  // A polyline's pieces near the surface when some segment of it is far longer
  // than the surface is wide and high; nothing when none is.
  std::optional<std::vector<std::vector<PointD>>> FarSegmentsCut(std::span<const PointD> points, bool closed) const;
  // The dash pattern in pixels of a wide geometric pen that has one; else empty.
  std::vector<double> GeometricDashes();
  // An open line: into the path while one is open (going on from the current
  // figure when it continues it), else stroked with the pen.
  void OpenLine(std::span<const PointD> device, bool continues);
  // A box shape drawn by the context itself, which it can while the map keeps
  // axes and the pen is one it draws; false when it cannot.
  bool BoxNatively(PointD a, PointD b, const std::function<void(const TRect&)>& draw);
  void FillDevice(std::span<const std::vector<PointD>> rings, int fillMode);
  void FillAndStroke(std::span<const std::vector<PointD>> rings, bool stroke = true, bool fill = true);
  void ApplyClip();
  void ClipWith(Clip area, int mode);
  // Clips are combined pixel by pixel on surfaces up to this size.
  static constexpr long long kMaxClipMaskPixels = 8'000'000;
  // Mask pixels a play may combine in all (about 100 ms); later combinations
  // are approximated.
  static constexpr long long kClipMaskAllowance = 24'000'000;
  long long maskWork_ = 0;
  static constexpr std::size_t kMaxClipPoints = 4096;

  // The path under construction, in device coordinates.
  struct Figure {
    std::vector<PointD> points;
    bool closed = false;
  };
  void AddToPath(std::span<const PointD> device, bool closed, bool startNew);
  std::vector<std::vector<PointD>> PathRings() const;

  DeviceContext& dc_;
  Affine placement_;
  PointD pixelsPerMm_;
  long long budget_;
  long long work_ = 0;
  TSize surface_;
  DcState state_;
  std::vector<DcState> saved_;
  std::vector<GdiObject> objects_;
  ObjectSlots slots_;  // which of objects_ a standard metafile's creations have filled
  Affine toDevice_;
  bool transformValid_ = false;
  bool pathOpen_ = false;
  bool advancedMode_ = false;
  std::vector<Figure> path_;
  std::vector<std::unique_ptr<Bitmap>> keep_;  // patterns the context may still point at
};

}  // namespace pg::platform::metafile
