#pragma once
// Folder rule — platform/dialog: what both backends' modal dialogs share (the scripted
// user's steps, snapshots of a dialog); may include the platform interface, never a
// backend.
// The part of a modal dialog both backends share: carrying out a scripted
// user's steps on an open dialog.
#include "platform/device_context.h"
#include "platform/dialog.h"

namespace pg::platform {

// An open dialog as the script sees it; each backend keeps the control state.
class ScriptedDialog : public DialogContext {
 public:
  // Types UTF-8 text into an edit as key presses, after focusing it with its
  // text selected (as Tab does): the first character kept replaces the old
  // text. Characters code page 1251 cannot hold are refused, with the
  // platform's beep; answers how many were. Control characters are skipped.
  virtual int Keys(std::string_view name, std::string_view utf8) = 0;
  // Selects the list item with this text; false when the list has none.
  virtual bool Select(std::string_view name, std::string_view word) = 0;
  // Presses a button as a click would; answers the modal result when that
  // ends the dialog, kMrNone otherwise.
  virtual int Press(const DialogControl& button) = 0;
  // Closes the dialog by its frame; answers the result that leaves it with.
  virtual int Close() = 0;
  // Writes the dialog as it looks now to a PNG file.
  virtual bool Snapshot(const std::string& pngPath) = 0;
  // Writes the control's tooltip, as it pops up over the control, to a PNG file.
  virtual bool TipSnapshot(const DialogControl& c, const std::string& pngPath) = 0;
};

// Runs steps from user until one closes the dialog; the steps are used up.
// Without a closing step the dialog is closed as by its frame.
int RunScript(ScriptedUser& user, const DialogTemplate& dialog, ScriptedDialog& open);

// The next queued answer of a common dialog; an empty queue cancels it.
template <typename T>
std::optional<T> TakeAnswer(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  auto answer = answers.front();
  answers.pop_front();
  return answer;
}

// Draws one control as the portable platform shows it; the Windows backend
// uses it for the controls that are not windows (pictures, labels).
void DrawDialogControl(DeviceContext& dc, const DialogControl& c, const DialogContext& state);

// A tooltip's text as the portable platform shows it: the system's small font
// on the information colours, in the window frame's colour, with the margins
// the system's tooltips have.
bool SnapshotTooltip(std::string_view text, const std::string& pngPath);

// How the dialog ended: the result and the text of every edit and list.
DialogOutcome CollectOutcome(const DialogTemplate& dialog, const DialogContext& state, int result);

// The visible control of that name, or null.
const DialogControl* FindVisible(const DialogTemplate& dialog, std::string_view name);

}  // namespace pg::platform
