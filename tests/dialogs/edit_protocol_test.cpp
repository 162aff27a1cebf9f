// nbEditAction's contract: which ids open an editor, what OK, Cancel and close
// do to the slots, and the chooser's round trip through the host.
#include <gtest/gtest.h>

#include <cstring>

#include "editor_support.h"
#include "framework/text/codepage.h"
#include "plugin/catalogue/catalogue.h"
#include "plugin/module_state.h"

namespace {

using pg::test::ScriptScope;
using pg::test::Slots;
using Kind = pg::platform::ScriptStep::Kind;

struct AccessLog {
  int calls = 0;
  int lastCode = 0;
  std::string seen;
  bool answer = true;
  std::string reply;
  pg::abi::HostString given = nullptr;  // the block the host left in the slot
};
AccessLog g_access;

bool PG_HOSTCALL TestAccess(std::int32_t code, pg::abi::ParamSlot* slot) {
  ++g_access.calls;
  g_access.lastCode = code;
  g_access.seen = *slot ? *slot : "";
  if (!g_access.reply.empty()) {
    pg::platform::GlobalFreeBlock(*slot);
    auto* b = static_cast<char*>(pg::platform::GlobalAllocBytes(g_access.reply.size() + 1));
    std::memcpy(b, g_access.reply.c_str(), g_access.reply.size() + 1);
    *slot = b;
  }
  g_access.given = *slot;
  return g_access.answer;
}

struct EditProtocol : ::testing::Test {
  void SetUp() override {
    g_access = {};
    pg::plugin::State().interfaceAccess = &TestAccess;
  }
  void TearDown() override { pg::plugin::State().interfaceAccess = nullptr; }
};

TEST_F(EditProtocol, IdsOutsideTheCatalogueAnswerFalseWithoutReadingTheBlock) {
  ScriptScope script;
  script.Press("ok");
  // An address that would fault if it were read.
  auto* poison = reinterpret_cast<pg::abi::ParamBlock>(static_cast<std::uintptr_t>(16));
  for (int id : {0, pg::plugin::kLastActionId + 1, -1, 1000}) EXPECT_FALSE(pg::plugin::EditAction(id, poison)) << id;
  EXPECT_EQ(script.user.steps.size(), 1u);  // no dialog opened
  EXPECT_FALSE(pg::plugin::EditAction(5, nullptr));
}

TEST_F(EditProtocol, CancelAndCloseLeaveEverySlotAsItWas) {
  for (Kind closing : {Kind::kClose, Kind::kPress}) {
    Slots s({"Rect1", nullptr, "x"});
    const auto before = s.cells;
    ScriptScope script;
    script.Type("edit1", "changed");
    if (closing == Kind::kPress) script.Press("cancel"); else script.Step(Kind::kClose);
    EXPECT_FALSE(pg::plugin::EditAction(29, s.cells.data()));
    EXPECT_EQ(s.cells, before);
    EXPECT_EQ(s.Text(0), "Rect1");
  }
}

TEST_F(EditProtocol, OkWritesEveryRowBack) {
  Slots s({"Rect1", nullptr, "Arial|clRed|12||204", "Center"});
  ScriptScope script;
  script.Press("ok");
  EXPECT_TRUE(pg::plugin::EditAction(3, s.cells.data()));
  EXPECT_EQ(s.Text(0), "Rect1");
  EXPECT_EQ(s.Text(1), "");  // null slot: empty field, empty string back
  EXPECT_EQ(s.Text(2), "Arial|clRed|12||204");
  EXPECT_EQ(s.Text(3), "");  // untouched list: no word chosen
}

TEST_F(EditProtocol, TypedTextAndChosenWordsAreWrittenUnchecked) {
  Slots s({"a", "b", "c", "d"});
  ScriptScope script;
  script.Type("edit2", " 12,abc ").Step(Kind::kChoose, "list4", "FromCenter").Press("ok");
  EXPECT_TRUE(pg::plugin::EditAction(11, s.cells.data()));
  EXPECT_EQ(s.Text(1), " 12,abc ");
  EXPECT_EQ(s.Text(3), "FromCenter");
  // A word the list does not hold selects nothing.
  Slots t({"a", "b"});
  ScriptScope again;
  again.Step(Kind::kChoose, "list2", "Dotted").Press("ok");
  EXPECT_TRUE(pg::plugin::EditAction(36, t.cells.data()));
  EXPECT_EQ(t.Text(1), "");
}

TEST_F(EditProtocol, ChooserReplacesTheFieldOnlyWhenTheHostPicked) {
  g_access.reply = "Rect7";
  Slots s({"Rect1"});
  {
    ScriptScope script;
    script.Press("chooser1").Press("ok");
    EXPECT_TRUE(pg::plugin::EditAction(1, s.cells.data()));
  }
  EXPECT_EQ(g_access.lastCode, 8);
  EXPECT_EQ(g_access.seen, "Rect1");
  EXPECT_EQ(s.Text(0), "Rect7");

  g_access.answer = false;
  g_access.reply = "Ignored";
  {
    ScriptScope script;
    script.Press("chooser1").Press("ok");
    EXPECT_TRUE(pg::plugin::EditAction(37, s.cells.data()));
  }
  EXPECT_EQ(g_access.lastCode, 14);
  EXPECT_EQ(s.Text(0), "Rect7");
}

TEST_F(EditProtocol, ChooserChangesOnlyTheDialogUntilOk) {
  g_access.reply = "Var9";
  Slots s({"Rect1", "v"});
  ScriptScope script;
  script.Press("chooser2").Press("cancel");
  EXPECT_FALSE(pg::plugin::EditAction(8, s.cells.data()));
  EXPECT_EQ(s.Text(1), "v");
  EXPECT_EQ(g_access.calls, 1);
}

TEST_F(EditProtocol, WithoutTheInterfaceCallbackTheChooserDoesNothing) {
  pg::plugin::State().interfaceAccess = nullptr;
  Slots s({"Rect1"});
  ScriptScope script;
  script.Press("chooser1").Press("ok");
  EXPECT_TRUE(pg::plugin::EditAction(2, s.cells.data()));
  EXPECT_EQ(s.Text(0), "Rect1");
  EXPECT_EQ(g_access.calls, 0);
}

TEST_F(EditProtocol, ColourPickerWritesTriplesAndReopensOnTheLastChoice) {
  Slots s({"Rect1", "typed"});
  ScriptScope script;
  script.user.colourAnswers = {std::nullopt, pg::platform::Rgb(255, 128, 0), pg::platform::Rgb(0, 0, 0)};
  script.Press("colour2").Step(Kind::kShow).Press("colour2").Step(Kind::kShow).Press("colour2").Press("ok");
  EXPECT_TRUE(pg::plugin::EditAction(10, s.cells.data()));
  EXPECT_NE(script.shown.find("\"typed\""), std::string::npos);  // cancelled: typed text stays
  EXPECT_NE(script.shown.find("\"255,128,0\""), std::string::npos);
  EXPECT_EQ(s.Text(1), "0,0,0");
  ASSERT_TRUE(script.user.colourOpenedOn);
  EXPECT_EQ(*script.user.colourOpenedOn, pg::platform::Rgb(255, 128, 0));
}

TEST_F(EditProtocol, FontPickerWritesAFontDescription) {
  pg::platform::FontChoice arial;
  arial.font.face = "Arial";
  arial.font.height = -16;
  arial.font.weight = 700;
  arial.font.underline = true;
  arial.font.charset = 204;
  arial.color = 0x0000FF;
  arial.points = 12;
  pg::platform::FontChoice plain;
  plain.font.face = "Arial";
  plain.font.charset = 0;
  plain.color = 0;
  plain.points = 10;
  Slots s({"Rect1", "a", "b"});
  ScriptScope script;
  script.user.fontAnswers = {arial};
  script.Press("font3").Press("ok");
  EXPECT_TRUE(pg::plugin::EditAction(33, s.cells.data()));
  EXPECT_EQ(s.Text(2), "Arial|clRed|12|fsBold fsUnderline |204");
  // Cancelling keeps the typed text; a font without styles leaves the fourth field empty.
  Slots t({"Rect1", "keep"});
  ScriptScope second;
  second.user.fontAnswers = {std::nullopt, plain};
  second.Press("font2").Step(Kind::kShow).Press("font2").Press("ok");
  EXPECT_TRUE(pg::plugin::EditAction(24, t.cells.data()));
  EXPECT_NE(second.shown.find("\"keep\""), std::string::npos);
  EXPECT_EQ(t.Text(1), "Arial|clBlack|10||0");
}

}  // namespace
