#pragma once
// One run of an action's editor: the window filled from the parameter texts,
// its choosers and pickers, and the texts to write back on OK.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/editor_table.h"

namespace pg::dialogs {

// The host's side of a chooser button.
class HostChooser {
 public:
  virtual ~HostChooser() = default;
  // The picked name, or nullopt when the author picked nothing.
  virtual std::optional<std::string> Choose(int code, const std::string& currentText) = 0;

 protected:
  HostChooser() = default;
  HostChooser(const HostChooser&) = default;
  HostChooser& operator=(const HostChooser&) = default;
};

// Shows the editor modally. On OK: one value text per row, in row order (a list
// row without a choice gives ""). On Cancel or close: nullopt. chooser may be
// null: then the chooser buttons do nothing.
std::optional<std::vector<std::string>> RunActionEditor(const EditorSpec& editorTable, std::string_view actionName,
                                                        const std::vector<std::string>& values,
                                                        HostChooser* chooser);

}  // namespace pg::dialogs
