#include "dialogs/editor_layout.h"

#include <array>

#include "dialogs/editor_pictures.h"
#include "framework/text/codepage.h"

namespace pg::dialogs {
namespace {

using platform::ControlKind;
using platform::DialogControl;

constexpr std::array<WindowGeometry, 5> kGeometry = {{
    {402, 198, 73, 160, 160, 162, 27, 362, 362},   // TForm1
    {402, 262, 136, 226, 224, 228, 26, 362, 362},  // TEditForm1
    {423, 325, 198, 288, 287, 290, 26, 360, 392},  // TForm3
    {419, 386, 260, 350, 347, 350, 27, 360, 390},  // TForm4
    {419, 447, 318, 408, 409, 410, 27, 360, 390},  // TForm5
}};

struct RowTops {
  int panel, caption, edit, list, button;
};
constexpr std::array<RowTops, 5> kRows = {{
    {8, 15, 42, 41, 38},
    {70, 76, 104, 103, 100},
    {132, 138, 166, 165, 162},
    {194, 200, 228, 227, 224},
    {256, 262, 290, 289, 286},
}};

platform::Font Tahoma(int height, int charset) {
  platform::Font f;
  f.face = "Tahoma";
  f.height = height;
  f.charset = charset;
  return f;
}
constexpr int kRussianCharset = 204;
constexpr int kAnsiCharset = 0;
constexpr platform::Color kWindowText = 0x000000;

DialogControl Control(ControlKind kind, std::string name, platform::TRect bounds) {
  DialogControl c;
  c.kind = kind;
  c.name = std::move(name);
  c.bounds = bounds;
  c.font = Tahoma(-12, kRussianCharset);
  c.textColor = kWindowText;
  return c;
}

DialogControl PictureAt(std::string name, int left, int top, const Picture& picture) {
  auto c = Control(ControlKind::kPicture, std::move(name), {left, top, left + picture->Width(), top + picture->Height()});
  c.picture = picture;
  return c;
}

DialogControl LabelAt(std::string name, int left, int top, std::string_view text) {
  auto c = Control(ControlKind::kLabel, std::move(name), {left, top, left + 330, top + 15});
  c.text = text;
  return c;
}

DialogControl Button(std::string name, int left, int top, std::string_view text, int result) {
  auto c = Control(ControlKind::kButton, std::move(name), {left, top, left + 70, top + 25});
  c.text = text;
  c.modalResult = result;
  c.font.face = "MS Sans Serif";
  c.font.height = -11;
  c.font.charset = 1;
  return c;
}

}  // namespace

const WindowGeometry& GeometryOf(DialogClass dialog) { return kGeometry[static_cast<std::size_t>(dialog) - 1]; }

std::string RowControl(std::string_view kind, int row) { return std::string(kind) + std::to_string(row); }

std::string_view ButtonName(ButtonKind kind) {
  switch (kind) {
    case ButtonKind::kColourPicker: return "colour";
    case ButtonKind::kFontPicker: return "font";
    default: return "chooser";
  }
}

platform::DialogTemplate BuildEditorWindow(const EditorSpec& editorTable, std::string_view actionName,
                                           const std::vector<std::string>& values) {
  const WindowGeometry& g = GeometryOf(editorTable.dialog);
  platform::DialogTemplate d;
  d.caption = std::string(actionName) + " " + std::string("Свойства"_cp);
  d.clientWidth = g.clientWidth;
  d.clientHeight = g.clientHeight;

  // Pictures and labels first: they lie under the controls.
  std::vector<DialogControl> values_, buttons;
  for (int k = 1; k <= editorTable.rowCount; ++k) {
    const RowSpec& row = editorTable.rows[static_cast<std::size_t>(k - 1)];
    const RowTops& t = kRows[static_cast<std::size_t>(k - 1)];
    const bool list = IsListRow(row.kind);
    d.controls.push_back(PictureAt(RowControl("panel", k), 8, t.panel, RowPanelPicture(list)));
    d.controls.push_back(LabelAt(RowControl("caption", k), 21, t.caption, row.caption));
    if (list) {
      auto c = Control(ControlKind::kList, RowControl("list", k), {16, t.list, 16 + 145, t.list + 21});
      c.font = Tahoma(-11, kAnsiCharset);
      for (auto w : row.words) c.items.emplace_back(w);
      values_.push_back(std::move(c));
    } else {
      auto c = Control(ControlKind::kEdit, RowControl("edit", k), {21, t.edit, 21 + 325, t.edit + 19});
      if (static_cast<std::size_t>(k - 1) < values.size()) c.text = values[static_cast<std::size_t>(k - 1)];
      values_.push_back(std::move(c));
    }
    for (const RowButton& b : VisibleButtons(row.kind)) {
      const bool chooser = b.kind == ButtonKind::kRectangleChooser || b.kind == ButtonKind::kVariableChooser;
      const int left = chooser ? g.firstColumn : g.secondColumn;
      auto c = Control(ControlKind::kPictureButton, RowControl(ButtonName(b.kind), k),
                       {left, t.button, left + 26, t.button + 24});
      c.tooltip = b.tooltip;
      c.picture = GlyphPicture(b.kind);
      buttons.push_back(std::move(c));
    }
  }
  d.controls.push_back(PictureAt("descriptionPanel", 8, g.descriptionTop, DescriptionPanelPicture()));
  std::string title(actionName);
  if (editorTable.nameTrailingBlank) title += ' ';
  d.controls.push_back(LabelAt("title", 40, g.descriptionTop + 5, title));
  auto description = LabelAt("description", 16, g.descriptionTop + g.descriptionTextOffset, editorTable.description);
  description.bounds.bottom = g.descriptionTop + 75;
  d.controls.push_back(std::move(description));
  d.icon = LogoPicture();
  d.controls.push_back(PictureAt("logo", 25, g.logoTop, d.icon));
  auto credit = LabelAt("credit", 70, g.creditTop, "Pirogram\nPlotwright");
  credit.font.face = "Comic Sans MS";
  credit.font.height = -9;
  credit.font.charset = 1;
  credit.bounds = {70, g.creditTop, 200, g.creditTop + 26};
  d.controls.push_back(std::move(credit));

  // Then the tab order: value controls top to bottom, OK, Cancel.
  for (auto& c : values_) d.controls.push_back(std::move(c));
  auto ok = Button("ok", 239, g.buttonsTop, "OK", platform::kMrOk);
  ok.isDefault = true;
  d.controls.push_back(std::move(ok));
  d.controls.push_back(Button("cancel", 323, g.buttonsTop, "Отмена"_cp, platform::kMrCancel));
  for (auto& c : buttons) d.controls.push_back(std::move(c));
  return d;
}

}  // namespace pg::dialogs
