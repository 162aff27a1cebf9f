#pragma once
// Where the controls of the five editor windows stand, and the window built
// from an action's table entry.
#include <string>
#include <string_view>

#include "dialogs/editor_table.h"
#include "platform/dialog.h"

namespace pg::dialogs {

struct WindowGeometry {
  int clientWidth, clientHeight;
  int descriptionTop, logoTop, creditTop, buttonsTop;
  int descriptionTextOffset;  // description label below the panel's top
  int firstColumn, secondColumn;
};

const WindowGeometry& GeometryOf(DialogClass dialog);

// Control names: "edit<k>", "list<k>", "caption<k>", "chooser<k>",
// "colour<k>", "font<k>" for row k (from 1); "title", "description", "ok", "cancel".
std::string RowControl(std::string_view kind, int row);
std::string_view ButtonName(ButtonKind kind);

// The editor window: caption "<name> Свойства", rows filled from values
// (one per row; lists start empty), the description panel, the bottom line.
platform::DialogTemplate BuildEditorWindow(const EditorSpec& editorTable, std::string_view actionName,
                                           const std::vector<std::string>& values);

}  // namespace pg::dialogs
