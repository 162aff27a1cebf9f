#pragma once
// What each action's editor shows: its dialog, its rows and its description.
// The texts are code page 1251 bytes.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace pg::dialogs {

// The five editor windows, named by their row count.
enum class DialogClass : std::uint8_t { TForm1 = 1, TEditForm1 = 2, TForm3 = 3, TForm4 = 4, TForm5 = 5 };

enum class RowKind : std::uint8_t {
  kRectangle,          // rectangle chooser (code 8)
  kVariable,           // variable chooser (code 14)
  kVariableNoTooltip,  // variable chooser without a tooltip
  kVariableColour,     // variable chooser and colour picker
  kVariableFont,       // variable chooser and font picker
  kColourOnly,         // colour picker, no chooser
  kFontOnly,           // font picker, no chooser
  kList,               // drop-down list of fixed words
};

enum class ButtonKind : std::uint8_t { kRectangleChooser, kVariableChooser, kColourPicker, kFontPicker };

struct RowButton {
  ButtonKind kind;
  std::string_view tooltip;
};

inline constexpr int kRectangleCode = 8;
inline constexpr int kVariableCode = 14;

struct RowSpec {
  std::string_view caption;
  RowKind kind = RowKind::kVariable;
  std::span<const std::string_view> words;  // list rows only
};

struct EditorSpec {
  std::int32_t id;
  DialogClass dialog;
  std::string_view description;
  std::array<RowSpec, 5> rows;
  int rowCount;
  bool nameTrailingBlank = false;  // the title line shows the name and one blank
};

// The chooser code a row passes to the host, or 0 when it has no chooser.
int ChooserCode(RowKind kind);
// The buttons a row shows, in column order.
std::span<const RowButton> VisibleButtons(RowKind kind);
bool IsListRow(RowKind kind);

// One editor per action id, 1..kEditorCount.
inline constexpr std::int32_t kEditorCount = 49;

// The editor of an action id 1..kEditorCount, or null.
const EditorSpec* FindEditor(std::int32_t id);
std::span<const EditorSpec> Editors();

}  // namespace pg::dialogs
