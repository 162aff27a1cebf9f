#include "dialogs/editor_pictures.h"

#include <cmath>
#include <vector>

namespace pg::dialogs {
namespace {

using platform::Bitmap;
using platform::BrushStyle;
using platform::Color;
using platform::DeviceContext;
using platform::PenStyle;
using platform::Rgb;

Color Mix(Color a, Color b, int num, int den) {
  auto ch = [&](int x, int y) { return x + (y - x) * num / den; };
  return Rgb(ch(platform::RedOf(a), platform::RedOf(b)), ch(platform::GreenOf(a), platform::GreenOf(b)),
             ch(platform::BlueOf(a), platform::BlueOf(b)));
}

void VerticalGradient(DeviceContext& dc, int left, int top, int right, int bottom, Color from, Color to) {
  const int h = bottom - top;
  for (int y = 0; y < h; ++y) {
    dc.SetBrush({BrushStyle::bsSolid, Mix(from, to, y, h > 1 ? h - 1 : 1)});
    dc.FillRect({left, top + y, right, top + y + 1});
  }
}

void Box(DeviceContext& dc, int left, int top, int right, int bottom, Color fill, Color frame) {
  dc.SetPen({PenStyle::psSolid, 1, frame});
  dc.SetBrush({BrushStyle::bsSolid, fill});
  dc.Rectangle(left, top, right, bottom);
}

std::shared_ptr<Bitmap> NewPicture(int w, int h) { return std::make_shared<Bitmap>(w, h); }

Picture MakeRowPanel(bool listRow) {
  auto b = NewPicture(352, 54);
  auto& dc = b->Dc();
  VerticalGradient(dc, 0, 0, 352, 22, Rgb(214, 214, 214), Rgb(255, 255, 255));
  if (!listRow) Box(dc, 8, 28, 344, 52, Rgb(255, 255, 255), Rgb(160, 160, 160));
  return b;
}

Picture MakeDescriptionPanel() {
  auto b = NewPicture(385, 79);
  auto& dc = b->Dc();
  VerticalGradient(dc, 0, 0, 220, 22, Rgb(190, 190, 190), Rgb(240, 240, 240));
  Box(dc, 0, 21, 385, 79, Rgb(255, 255, 255), Rgb(160, 160, 160));
  // The question mark: a blue disc with a white "?".
  dc.SetPen({PenStyle::psSolid, 1, Rgb(0, 60, 170)});
  dc.SetBrush({BrushStyle::bsSolid, Rgb(40, 100, 220)});
  dc.Ellipse(8, 2, 27, 21);
  platform::Font f;
  f.face = "Arial";
  f.height = -14;
  f.weight = 700;
  dc.SetFont(f);
  dc.SetBkMode(platform::kTransparent);
  dc.SetTextColor(Rgb(255, 255, 255));
  dc.TextOutAt(14, 3, "?");
  return b;
}

Picture MakeLogo() {
  auto b = NewPicture(25, 25);
  auto& dc = b->Dc();
  // A small pie: three slices.
  dc.SetPen({PenStyle::psSolid, 1, Rgb(60, 60, 60)});
  dc.SetBrush({BrushStyle::bsSolid, Rgb(230, 60, 50)});
  dc.Pie(1, 1, 24, 24, 24, 12, 12, 0);
  dc.SetBrush({BrushStyle::bsSolid, Rgb(60, 160, 60)});
  dc.Pie(1, 1, 24, 24, 12, 0, 0, 20);
  dc.SetBrush({BrushStyle::bsSolid, Rgb(50, 90, 210)});
  dc.Pie(1, 1, 24, 24, 0, 20, 24, 12);
  return b;
}

Picture MakeGear() {
  auto b = NewPicture(18, 18);
  auto& dc = b->Dc();
  std::vector<platform::TPoint> pts;
  for (int i = 0; i < 16; ++i) {
    const double a = i * 3.14159265358979 / 8;
    const double r = (i % 2 == 0) ? 8.5 : 6.0;
    pts.push_back({9 + static_cast<int>(std::lround(r * std::cos(a))), 9 + static_cast<int>(std::lround(r * std::sin(a)))});
  }
  dc.SetPen({PenStyle::psSolid, 1, Rgb(150, 110, 0)});
  dc.SetBrush({BrushStyle::bsSolid, Rgb(250, 200, 30)});
  dc.Polygon(pts);
  dc.SetBrush({BrushStyle::bsSolid, Rgb(255, 255, 255)});
  dc.Ellipse(6, 6, 12, 12);
  return b;
}

Picture MakeSheet() {
  auto b = NewPicture(18, 18);
  auto& dc = b->Dc();
  Box(dc, 2, 1, 14, 17, Rgb(255, 255, 255), Rgb(100, 100, 100));
  dc.SetPen({PenStyle::psSolid, 1, Rgb(210, 30, 30)});
  // [#]
  dc.MoveTo(4, 4); dc.LineTo(4, 10); dc.MoveTo(4, 4); dc.LineTo(6, 4); dc.MoveTo(4, 9); dc.LineTo(6, 9);
  dc.MoveTo(12, 4); dc.LineTo(12, 10); dc.MoveTo(10, 4); dc.LineTo(12, 4); dc.MoveTo(10, 9); dc.LineTo(12, 9);
  dc.MoveTo(7, 5); dc.LineTo(7, 9); dc.MoveTo(9, 5); dc.LineTo(9, 9);
  dc.MoveTo(6, 6); dc.LineTo(11, 6); dc.MoveTo(6, 8); dc.LineTo(11, 8);
  // The arrow pointing into the sheet.
  const platform::TPoint head[3] = {{10, 12}, {17, 12}, {13, 16}};
  dc.SetBrush({BrushStyle::bsSolid, Rgb(210, 30, 30)});
  dc.Polygon(head);
  dc.MoveTo(13, 12); dc.LineTo(13, 11);
  return b;
}

Picture MakeColourGrid() {
  auto b = NewPicture(18, 18);
  auto& dc = b->Dc();
  const Color colours[9] = {Rgb(255, 0, 0),   Rgb(0, 160, 0),   Rgb(0, 0, 255),   Rgb(255, 255, 0), Rgb(255, 0, 255),
                            Rgb(0, 200, 200), Rgb(255, 128, 0), Rgb(128, 0, 128), Rgb(0, 0, 0)};
  for (int i = 0; i < 9; ++i) {
    const int x = 1 + (i % 3) * 6, y = 1 + (i / 3) * 6;
    Box(dc, x, y, x + 5, y + 5, colours[i], Rgb(80, 80, 80));
  }
  return b;
}

Picture MakeLetterT() {
  auto b = NewPicture(18, 18);
  auto& dc = b->Dc();
  Box(dc, 2, 1, 16, 17, Rgb(255, 255, 255), Rgb(100, 100, 100));
  dc.SetBrush({BrushStyle::bsSolid, Rgb(30, 60, 200)});
  dc.FillRect({4, 3, 14, 6});
  dc.FillRect({8, 3, 11, 15});
  return b;
}

}  // namespace

Picture RowPanelPicture(bool listRow) {
  static const Picture edit = MakeRowPanel(false), list = MakeRowPanel(true);
  return listRow ? list : edit;
}

Picture DescriptionPanelPicture() {
  static const Picture p = MakeDescriptionPanel();
  return p;
}

Picture LogoPicture() {
  static const Picture p = MakeLogo();
  return p;
}

Picture GlyphPicture(ButtonKind kind) {
  static const Picture gear = MakeGear(), sheet = MakeSheet(), grid = MakeColourGrid(), letter = MakeLetterT();
  switch (kind) {
    case ButtonKind::kRectangleChooser: return gear;
    case ButtonKind::kVariableChooser: return sheet;
    case ButtonKind::kColourPicker: return grid;
    case ButtonKind::kFontPicker: return letter;
  }
  return sheet;
}

}  // namespace pg::dialogs
