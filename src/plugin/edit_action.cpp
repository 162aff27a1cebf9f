#include "plugin/edit_action.h"

#include "dialogs/action_editor.h"
#include "plugin/catalogue/catalogue.h"
#include "plugin/host_services.h"
#include "plugin/host_string.h"

namespace pg::plugin {
namespace {

// Chooser buttons ask the host through the interface-access callback.
class InterfaceAccessChooser final : public dialogs::HostChooser {
 public:
  std::optional<std::string> Choose(int code, const std::string& currentText) override {
    const auto answer = AskHost(code, currentText);
    if (!answer || !answer->result) return std::nullopt;
    return answer->text;
  }
};

}  // namespace

static_assert(dialogs::kEditorCount == kLastActionId, "every action has its editor");

bool EditActionParams(std::int32_t id, abi::ParamBlock block) {
  constexpr auto kLastId = static_cast<std::uint32_t>(kLastActionId);
  if (static_cast<std::uint32_t>(id) - 1u >= kLastId) return false;
  const dialogs::EditorSpec* editorTable = dialogs::FindEditor(id);
  const CatalogueRow* row = FindAction(id);
  // A host that passes no block has no slots to show or fill.
  if (!editorTable || !row || !block) return false;

  std::vector<std::string> values;
  for (int k = 0; k < editorTable->rowCount; ++k) values.push_back(ReadHostString(block[k]));
  InterfaceAccessChooser chooser;
  const auto edited = dialogs::RunActionEditor(*editorTable, row->name, values, &chooser);
  if (!edited) return false;
  for (int k = 0; k < editorTable->rowCount; ++k) SetHostString(block[k], (*edited)[static_cast<std::size_t>(k)]);
  return true;
}

}  // namespace pg::plugin
