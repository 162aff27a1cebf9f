// Row kinds: which chooser code and which buttons each kind of row offers.
#include <array>

#include "dialogs/editor_table.h"
#include "framework/text/codepage.h"

namespace pg::dialogs {
namespace {

constexpr auto kRectTip = "Выбор прямоугольника"_cp;
constexpr auto kVarTip = "Выбор переменной"_cp;
constexpr auto kColourTip = "Выбор цвета"_cp;
constexpr auto kFontTip = "Выбор шрифта"_cp;

constexpr std::array<RowButton, 1> kRect = {{{ButtonKind::kRectangleChooser, kRectTip}}};
constexpr std::array<RowButton, 1> kVar = {{{ButtonKind::kVariableChooser, kVarTip}}};
constexpr std::array<RowButton, 1> kVarBare = {{{ButtonKind::kVariableChooser, {}}}};
constexpr std::array<RowButton, 2> kVarColour = {
    {{ButtonKind::kVariableChooser, kVarTip}, {ButtonKind::kColourPicker, kColourTip}}};
constexpr std::array<RowButton, 2> kVarFont = {
    {{ButtonKind::kVariableChooser, kVarTip}, {ButtonKind::kFontPicker, kFontTip}}};
constexpr std::array<RowButton, 1> kColour = {{{ButtonKind::kColourPicker, kColourTip}}};
constexpr std::array<RowButton, 1> kFont = {{{ButtonKind::kFontPicker, kFontTip}}};

}  // namespace

int ChooserCode(RowKind kind) {
  switch (kind) {
    case RowKind::kRectangle: return kRectangleCode;
    case RowKind::kVariable:
    case RowKind::kVariableNoTooltip:
    case RowKind::kVariableColour:
    case RowKind::kVariableFont: return kVariableCode;
    default: return 0;
  }
}

std::span<const RowButton> VisibleButtons(RowKind kind) {
  switch (kind) {
    case RowKind::kRectangle: return kRect;
    case RowKind::kVariable: return kVar;
    case RowKind::kVariableNoTooltip: return kVarBare;
    case RowKind::kVariableColour: return kVarColour;
    case RowKind::kVariableFont: return kVarFont;
    case RowKind::kColourOnly: return kColour;
    case RowKind::kFontOnly: return kFont;
    case RowKind::kList: break;
  }
  return {};
}

bool IsListRow(RowKind kind) { return kind == RowKind::kList; }

const EditorSpec* FindEditor(std::int32_t id) {
  const auto all = Editors();
  if (id < 1 || id > static_cast<std::int32_t>(all.size())) return nullptr;
  return &all[static_cast<std::size_t>(id - 1)];
}

}  // namespace pg::dialogs
