#include "dialogs/action_editor.h"

#include "dialogs/editor_layout.h"
#include "dialogs/window_pickers.h"

namespace pg::dialogs {
namespace {

// "chooser3" -> ("chooser", 3).
std::pair<std::string, int> ParseButton(const std::string& name) {
  std::size_t i = name.size();
  while (i > 0 && name[i - 1] >= '0' && name[i - 1] <= '9') --i;
  if (i == name.size() || i == 0) return {name, 0};
  return {name.substr(0, i), std::stoi(name.substr(i))};
}

class EditorButtons {
 public:
  EditorButtons(const EditorSpec& editorTable, HostChooser* chooser) : spec_(editorTable), chooser_(chooser) {}

  // A failing chooser or picker leaves the row as it was; the dialog stays open.
  void Click(platform::DialogContext& dialog, const std::string& name) {
    try {
      const auto [kind, row] = ParseButton(name);
      if (row < 1 || row > spec_.rowCount) return;
      const std::string edit = RowControl("edit", row);
      std::optional<std::string> text;
      if (kind == "chooser") {
        const int code = ChooserCode(spec_.rows[static_cast<std::size_t>(row - 1)].kind);
        if (chooser_ && code != 0) text = chooser_->Choose(code, dialog.Text(edit));
      } else if (kind == "colour") {
        text = pickers_.PickColour();
      } else if (kind == "font") {
        text = pickers_.PickFont();
      }
      if (text) dialog.SetText(edit, *text);
    } catch (...) {
    }
  }

 private:
  const EditorSpec& spec_;
  HostChooser* chooser_;
  WindowPickers pickers_;
};

}  // namespace

std::optional<std::vector<std::string>> RunActionEditor(const EditorSpec& editorTable, std::string_view actionName,
                                                        const std::vector<std::string>& values,
                                                        HostChooser* chooser) {
  EditorButtons buttons(editorTable, chooser);
  auto window = BuildEditorWindow(editorTable, actionName, values);
  window.onClick = [&buttons](platform::DialogContext& d, const std::string& name) { buttons.Click(d, name); };
  const auto outcome = platform::RunModalDialog(window);
  if (outcome.modalResult != platform::kMrOk) return std::nullopt;
  std::vector<std::string> result;
  for (int k = 1; k <= editorTable.rowCount; ++k) {
    const bool list = IsListRow(editorTable.rows[static_cast<std::size_t>(k - 1)].kind);
    result.push_back(outcome.Value(RowControl(list ? "list" : "edit", k)));
  }
  return result;
}

}  // namespace pg::dialogs
