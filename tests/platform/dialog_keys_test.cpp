// Typing into an editor's edit key by key, as a keyboard delivers characters:
// the edit keeps what code page 1251 holds and refuses the rest, whatever the
// system's code page is (the Windows build runs this under several).
#include <gtest/gtest.h>

#include "framework/text/codepage.h"
#include "platform/dialog.h"

namespace {

using namespace pg::platform;
using Kind = ScriptStep::Kind;

DialogTemplate OneEdit() {
  DialogTemplate t;
  t.caption = "pgAddSeriesChart Свойства"_cp;
  t.clientWidth = 300;
  t.clientHeight = 90;
  DialogControl edit;
  edit.kind = ControlKind::kEdit;
  edit.name = "edit1";
  edit.bounds = {21, 20, 280, 39};
  edit.text = "Rect1";
  edit.font.face = "Tahoma";
  edit.font.height = -12;
  edit.font.charset = 204;
  t.controls.push_back(edit);
  DialogControl ok;
  ok.kind = ControlKind::kButton;
  ok.name = "ok";
  ok.text = "OK";
  ok.bounds = {200, 56, 270, 81};
  ok.modalResult = kMrOk;
  ok.isDefault = true;
  t.controls.push_back(ok);
  return t;
}

struct Typed {
  std::string value;
  int refused = 0;
};

Typed Keys(const std::vector<std::string>& presses) {
  const DialogTemplate t = OneEdit();
  ScriptedUser user;
  for (const auto& utf8 : presses) user.steps.push_back({Kind::kKeys, "edit1", utf8});
  user.steps.push_back({Kind::kPress, "ok", {}});
  SetScriptedUser(&user);
  const DialogOutcome outcome = RunModalDialog(t);
  SetScriptedUser(nullptr);
  EXPECT_EQ(outcome.modalResult, kMrOk);
  return {outcome.Value("edit1"), user.refusedKeys};
}

TEST(DialogKeys, CyrillicKeysComeBackAsCp1251AndReplaceTheSelectedText) {
  const Typed t = Keys({"Север"});
  EXPECT_EQ(t.value, "Север"_cp);
  EXPECT_EQ(t.refused, 0);
  // A second run of keys selects the row again: the last one stands.
  EXPECT_EQ(Keys({"Юг", "Восток №1"}).value, "Восток №1"_cp);
}

TEST(DialogKeys, CharactersOutside1251AreRefusedWithoutATrace) {
  const Typed only = Keys({"中"});
  EXPECT_EQ(only.value, "Rect1");  // nothing was typed: the old text stays selected and whole
  EXPECT_EQ(only.refused, 1);
  // One refusal per character: a pair of surrogates is one; no "?" anywhere.
  const Typed mixed = Keys({"Ю中я😀ё\u00E9"});
  EXPECT_EQ(mixed.value, "Юяё"_cp);
  EXPECT_EQ(mixed.refused, 3);
}

}  // namespace
