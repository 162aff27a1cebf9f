// Carrying out a scripted user's steps, and the text a scripted user reads.
#include <cctype>
#include <map>

#include "platform/dialog.h"
#include "platform/dialog/dialog_driver.h"

namespace pg::platform {

std::string DialogOutcome::Value(std::string_view name) const {
  for (const auto& [n, v] : values)
    if (n == name) return v;
  return {};
}

const DialogControl* FindVisible(const DialogTemplate& dialog, std::string_view name) {
  for (const auto& c : dialog.controls)
    if (c.visible && c.name == name) return &c;
  return nullptr;
}

int RunScript(ScriptedUser& user, const DialogTemplate& dialog, ScriptedDialog& open) {
  using Kind = ScriptStep::Kind;
  while (!user.steps.empty()) {
    const ScriptStep step = user.steps.front();
    user.steps.pop_front();
    const DialogControl* c = FindVisible(dialog, step.target);
    switch (step.kind) {
      case Kind::kType:
        if (c && c->kind == ControlKind::kEdit) open.SetText(step.target, step.text);
        break;
      case Kind::kKeys:
        if (c && c->kind == ControlKind::kEdit) user.refusedKeys += open.Keys(step.target, step.text);
        break;
      case Kind::kChoose:
        if (c && c->kind == ControlKind::kList) open.Select(step.target, step.text);
        break;
      case Kind::kPress:
        if (!c || (c->kind != ControlKind::kButton && c->kind != ControlKind::kPictureButton)) break;
        if (const int result = open.Press(*c); result != kMrNone) return result;
        break;
      case Kind::kShow:
        if (user.report) user.report(DescribeDialog(dialog, open));
        if (user.inspect) user.inspect(dialog);
        break;
      case Kind::kSnapshot:
        if (open.Snapshot(step.text) && user.wrote) user.wrote(step.text);
        break;
      case Kind::kTipSnapshot:
        if (c && !c->tooltip.empty() && open.TipSnapshot(*c, step.text) && user.wrote) user.wrote(step.text);
        break;
      case Kind::kClose:
        return open.Close();
    }
  }
  return open.Close();
}

namespace {

// "edit12" -> ("edit", 12); names without a row number give 0.
std::pair<std::string, int> SplitName(const std::string& name) {
  std::size_t i = name.size();
  while (i > 0 && std::isdigit(static_cast<unsigned char>(name[i - 1]))) --i;
  if (i == name.size()) return {name, 0};
  return {name.substr(0, i), std::stoi(name.substr(i))};
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) out += ch == '\n' ? std::string("\\n") : std::string(1, ch);
  return out + "\"";
}

}  // namespace

std::string DescribeDialog(const DialogTemplate& dialog, const DialogContext& state) {
  std::string out = "caption " + Quoted(dialog.caption) + "\n";
  struct Row {
    std::string caption, kind, value, words, buttons;
  };
  std::map<int, Row> rows;
  for (const auto& c : dialog.controls) {
    if (!c.visible) continue;
    if (c.name == "title" || c.name == "description") {
      out += c.name + " " + Quoted(c.text) + "\n";
      continue;
    }
    const auto [base, row] = SplitName(c.name);
    if (row == 0) continue;
    Row& r = rows[row];
    if (base == "caption") r.caption = c.text;
    if (base == "edit" || base == "list") {
      r.kind = base;
      r.value = state.Text(c.name);
      for (const auto& item : c.items) r.words += " " + Quoted(item);
    }
    if (c.kind == ControlKind::kPictureButton) {
      r.buttons += " " + base;
      if (!c.tooltip.empty()) r.buttons += " " + Quoted(c.tooltip);
    }
  }
  for (const auto& [n, r] : rows)
    out += "row " + std::to_string(n) + " " + Quoted(r.caption) + " " + r.kind + " " + Quoted(r.value) +
           (r.words.empty() ? std::string() : " words" + r.words) + (r.buttons.empty() ? std::string(" no buttons") : " buttons" + r.buttons) + "\n";
  return out;
}

DialogOutcome CollectOutcome(const DialogTemplate& dialog, const DialogContext& state, int result) {
  DialogOutcome out;
  out.modalResult = result;
  for (const auto& c : dialog.controls)
    if (c.kind == ControlKind::kEdit || c.kind == ControlKind::kList) out.values.emplace_back(c.name, state.Text(c.name));
  return out;
}

}  // namespace pg::platform
