#pragma once
// Modal dialogs built at run time from a list of controls, and the colour and
// font common dialogs. On Windows they are real windows and the system's
// dialogs; on the portable platform they exist only as this description,
// operated by a scripted user. A scripted user, when one is set, also drives
// the real Windows dialogs, so the same scripts run on both platforms.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics.h"

namespace pg::platform {

class Bitmap;

enum class ControlKind : std::uint8_t { kPicture, kLabel, kEdit, kList, kPictureButton, kButton };

struct DialogControl {
  ControlKind kind = ControlKind::kLabel;
  std::string name;  // the handle scripts and handlers use; unique among visible controls
  TRect bounds;      // client pixels
  std::string text;  // label or button caption, the edit's starting text (font's code page)
  Font font;
  Color textColor = 0;
  std::vector<std::string> items;  // list words; a list starts with none selected
  std::string tooltip;
  std::shared_ptr<const Bitmap> picture;  // pictures and button glyphs
  bool visible = true;
  int modalResult = 0;  // a button with a result closes the dialog with it
  bool isDefault = false;
};

constexpr int kMrNone = 0;
constexpr int kMrOk = 1;
constexpr int kMrCancel = 2;

// What a click handler may do while the dialog is open.
class DialogContext {
 public:
  virtual ~DialogContext() = default;
  virtual std::string Text(std::string_view name) const = 0;  // edit text or selected item ("" for none)
  virtual void SetText(std::string_view name, std::string_view text) = 0;

 protected:
  DialogContext() = default;
  DialogContext(const DialogContext&) = default;
  DialogContext& operator=(const DialogContext&) = default;
};

struct DialogTemplate {
  std::string caption;  // code page 1251
  int clientWidth = 0;
  int clientHeight = 0;
  Color background = 0xFFFFFF;
  std::shared_ptr<const Bitmap> icon;  // the window's icon, where the system shows one
  std::vector<DialogControl> controls;  // in tab order; the first edit has the focus
  // Buttons without a modal result call this with their name.
  std::function<void(DialogContext&, const std::string& name)> onClick;
};

struct DialogOutcome {
  int modalResult = kMrCancel;  // closing by the frame counts as Cancel
  std::vector<std::pair<std::string, std::string>> values;  // every edit and list by name
  std::string Value(std::string_view name) const;
};

// Shows the dialog modally, centred on the screen, until a closing button or
// the frame closes it.
DialogOutcome RunModalDialog(const DialogTemplate& dialog);

// The common dialogs: nullopt when the author cancels.
std::optional<Color> ChooseColourDialog(Color initial);
struct FontChoice {
  Font font;  // height negative: character height in pixels
  Color color = 0;
  int points = 0;  // the size the dialog reports
};
std::optional<FontChoice> ChooseFontDialog(const FontChoice& initial);

// The scripted user: what the next dialogs are to do.
struct ScriptStep {
  enum class Kind : std::uint8_t { kType, kKeys, kChoose, kPress, kShow, kSnapshot, kTipSnapshot, kClose };
  Kind kind = Kind::kClose;
  std::string target;  // control name
  // Typed text (kType: code page 1251; kKeys: UTF-8, as a keyboard may offer
  // characters the code page has not), chosen word, snapshot file (kTipSnapshot: the target's tooltip alone).
  std::string text;
};

struct ScriptedUser {
  std::deque<ScriptStep> steps;  // consumed by the next dialog that opens
  std::deque<std::optional<Color>> colourAnswers;
  std::deque<std::optional<FontChoice>> fontAnswers;
  std::function<void(const std::string& cp1251Text)> report;  // where kShow goes
  std::function<void(const DialogTemplate&)> inspect;          // kShow also hands over the dialog itself
  std::function<void(const std::string& pngPath)> wrote;       // a kSnapshot that was saved
  // What the last common dialogs opened on.
  std::optional<Color> colourOpenedOn;
  std::optional<FontChoice> fontOpenedOn;
  // Key presses (kKeys) the edits refused: characters code page 1251 cannot hold.
  int refusedKeys = 0;
};

// The scripted user shared by host and module, or null when a person answers.
// The caller keeps it alive while it is set.
ScriptedUser* CurrentScriptedUser();
void SetScriptedUser(ScriptedUser* user);

// The dialog as a scripted user reads it: caption, description and one line
// per row (controls named <kind><row>).
std::string DescribeDialog(const DialogTemplate& dialog, const DialogContext& state);
// The dialog as it looks now, drawn through the portable drawing.
bool SnapshotDialog(const DialogTemplate& dialog, const DialogContext& state, const std::string& pngPath);

}  // namespace pg::platform
