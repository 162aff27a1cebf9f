// Folder rule — soft/dialog: the portable build's modal dialogs; may include soft/, the
// shared dialog/ folder and the platform interface.
// Portable modal dialogs: the controls exist as state only and the scripted
// user operates them. With no scripted user nobody can answer, so a dialog
// closes at once as cancelled.
#include <map>

#include "platform/codepage_utf16.h"
#include "platform/dialog.h"
#include "platform/dialog/dialog_driver.h"

namespace pg::platform {
namespace {

class SoftDialog final : public ScriptedDialog {
 public:
  explicit SoftDialog(const DialogTemplate& dialog) : dialog_(dialog) {
    for (const auto& c : dialog.controls)
      if (c.kind == ControlKind::kEdit) texts_[c.name] = c.text;
  }
  std::string Text(std::string_view name) const override {
    const auto it = texts_.find(std::string(name));
    return it == texts_.end() ? std::string() : it->second;
  }
  void SetText(std::string_view name, std::string_view text) override { texts_[std::string(name)] = text; }
  // As the Windows edit takes key presses: the selected text goes with the
  // first character it keeps; what code page 1251 cannot hold is refused
  // (this platform has no beep to give).
  int Keys(std::string_view name, std::string_view utf8) override {
    std::string& text = texts_[std::string(name)];
    bool selected = true;
    int refused = 0;
    for (std::size_t i = 0; i < utf8.size();) {
      const std::uint32_t cp = DecodeUtf8(utf8.data(), utf8.size(), i);
      if (cp < 0x20 || cp == 0xFFFFFFFFu) continue;  // no key for a control character or a broken sequence
      const int byte = Cp1251ByteOf(cp);
      if (byte < 0) {
        ++refused;
        continue;
      }
      if (selected) text.clear();
      selected = false;
      text += static_cast<char>(byte);
    }
    return refused;
  }
  bool Select(std::string_view name, std::string_view word) override {
    for (const auto& c : dialog_.controls)
      if (c.name == name)
        for (const auto& item : c.items)
          if (item == word) {
            texts_[c.name] = item;
            return true;
          }
    return false;
  }
  int Press(const DialogControl& button) override {
    if (button.modalResult != kMrNone) return button.modalResult;
    if (dialog_.onClick) dialog_.onClick(*this, button.name);
    return kMrNone;
  }
  int Close() override { return kMrCancel; }
  bool Snapshot(const std::string& pngPath) override { return SnapshotDialog(dialog_, *this, pngPath); }
  bool TipSnapshot(const DialogControl& c, const std::string& pngPath) override {
    return SnapshotTooltip(c.tooltip, pngPath);
  }
  DialogOutcome Outcome(int result) const { return CollectOutcome(dialog_, *this, result); }

 private:
  const DialogTemplate& dialog_;
  std::map<std::string, std::string> texts_;
};

ScriptedUser* g_user = nullptr;

}  // namespace

ScriptedUser* CurrentScriptedUser() { return g_user; }
void SetScriptedUser(ScriptedUser* user) { g_user = user; }

DialogOutcome RunModalDialog(const DialogTemplate& dialog) {
  SoftDialog open(dialog);
  ScriptedUser* user = CurrentScriptedUser();
  return open.Outcome(user ? RunScript(*user, dialog, open) : kMrCancel);
}

std::optional<Color> ChooseColourDialog(Color initial) {
  ScriptedUser* user = CurrentScriptedUser();
  if (!user) return std::nullopt;
  user->colourOpenedOn = initial;
  return TakeAnswer(user->colourAnswers);
}

std::optional<FontChoice> ChooseFontDialog(const FontChoice& initial) {
  ScriptedUser* user = CurrentScriptedUser();
  if (!user) return std::nullopt;
  user->fontOpenedOn = initial;
  return TakeAnswer(user->fontAnswers);
}

}  // namespace pg::platform
