// The module as a host sees it: loaded from its file, called through its exports.
#include <gtest/gtest.h>

#include "module_session.h"
#include "plugin/catalogue/catalogue.h"
#include "platform/memory.h"
#include "platform/module_loader.h"
#include "platform/window.h"
#include "plugin/abi.h"
#include "support/module_path.h"

namespace {

using pg::testing::ModulePath;

const std::string kMissing = "\xCD\xE5\xF2 \xF3\xEF\xF0\xE0\xE2\xEB\xE5\xED\xE8\xFF \xE4\xE8\xE0\xE3\xF0\xE0\xEC\xEC\xEE\xE9 "
                             "\xEF\xF0\xE8\xEA\xF0\xE5\xEF\xEB\xB8\xED\xED\xEE\xE9 \xEA \xEE\xE1\xFA\xE5\xEA\xF2\xF3 ";

TEST(ModuleBoundary, RegistersInfoAndCatalogueWithoutLeaks) {
  pg::host::ModuleSession s(ModulePath());
  EXPECT_EQ(s.InfoName(), "Pirogram");
  EXPECT_EQ(s.InfoAuthor(), "Plotwright");
  EXPECT_EQ(s.InfoDescription(), "\xCF\xEE\xF1\xF2\xF0\xEE\xE5\xED\xE8\xE5 \xE4\xE8\xE0\xE3\xF0\xE0\xEC\xEC");
  ASSERT_EQ(s.Catalogue().size(), static_cast<std::size_t>(pg::plugin::kLastActionId) + 8);
  int headers = 0;
  for (const auto& r : s.Catalogue()) {
    if (r.id == 0) {
      ++headers;
      EXPECT_EQ(r.hint, "");
      EXPECT_EQ(r.count, 0);
      EXPECT_EQ(r.kinds, std::vector<int>{1});
    } else {
      EXPECT_EQ(r.kinds.size(), static_cast<std::size_t>(r.count)) << r.name;
    }
  }
  EXPECT_EQ(headers, 8);
  s.Close();
  EXPECT_EQ(s.Ledger().Allocated(), 3u);  // name, author and description
  EXPECT_EQ(s.Ledger().Live(), 0u);
  EXPECT_EQ(s.Ledger().BadFrees(), 0u);
}

TEST(ModuleBoundary, EveryChartActionReportsAMissingChartAndAnswersFalse) {
  pg::host::ModuleSession s(ModulePath());
  for (const auto& row : s.Catalogue()) {
    const int id = row.id;
    const bool framed = (id >= 3 && id <= 36) || id == 39 || id == 42 || id == 43 || id >= pg::plugin::kMarksLayoutId;
    if (!framed) continue;
    s.Variables().clear();
    std::vector<std::string> args(static_cast<std::size_t>(row.count), "x");
    args[0] = "Rect1";
    EXPECT_FALSE(s.Exec(id, args, static_cast<std::size_t>(row.count))) << row.name;
    EXPECT_EQ(s.Variables()["[LastError]"], kMissing + "Rect1.") << row.name;
  }
  // Ids outside the catalogue return false at once and write nothing.
  s.Variables().clear();
  for (int id : {0, pg::plugin::kLastActionId + 1, -1, 1000}) EXPECT_FALSE(s.Exec(id, {"Rect1", "x"}, 2));
  EXPECT_TRUE(s.Variables().empty());
  s.Close();
  EXPECT_EQ(s.Ledger().Live(), 0u);
}

TEST(ModuleBoundary, ChartCreationNeedsAHostWindowAndAFailedOneStillDeletesTheOld) {
  pg::host::ModuleSession s(ModulePath());
  auto& rect = s.AddRectangle("Rect1", 300, 200);
  EXPECT_TRUE(s.Exec(1, {"Rect1"}, 1));
  rect.answer7 = "abc";
  EXPECT_FALSE(s.Exec(1, {"Rect1"}, 1));
  EXPECT_FALSE(s.Exec(2, {"Rect1"}, 1));  // the failed creation removed the first chart
  rect.answer7 = "0";
  EXPECT_FALSE(s.Exec(1, {"Rect1"}, 1));
  rect.answer7.reset();
  EXPECT_TRUE(s.Exec(1, {"rect1"}, 1));
  EXPECT_TRUE(s.Exec(2, {"RECT1"}, 1));
  EXPECT_FALSE(s.Exec(2, {"Rect1"}, 1));
  EXPECT_TRUE(s.Exec(1, {"Rect1"}, 1));
  s.Message(2);
  s.Message(2);
  s.Message(7);
  EXPECT_FALSE(s.Exec(2, {"Rect1"}, 1));  // the shutdown message destroyed it
  EXPECT_TRUE(s.Variables().empty());     // none of these writes "[LastError]"
  s.Close();
  EXPECT_EQ(s.Ledger().Live(), 0u);
  EXPECT_EQ(s.Ledger().BadFrees(), 0u);
}

// A host may end without the shutdown message, its charts rolling, and load the
// module again: nothing crashes, and the new session's charts work.
TEST(ModuleBoundary, AHostUnloadsWithoutTheShutdownMessageAndLoadsAgain) {
  for (int round = 0; round < 2; ++round) {
    pg::host::ModuleSession s(ModulePath());
    const auto* roll = s.FindAction("pgChartRoll");
    ASSERT_TRUE(roll);
    s.AddRectangle("Rect1", 120, 90);
    s.AddRectangle("Rect2", 120, 90);
    EXPECT_TRUE(s.Exec(1, {"Rect1"}, 1));
    EXPECT_TRUE(s.Exec(1, {"Rect2"}, 1));
    EXPECT_FALSE(s.Exec(roll->id, {"Rect1", "True", "30", "10"}, 4));
    EXPECT_FALSE(s.Exec(roll->id, {"Rect2", "True", "30", "10"}, 4));
    EXPECT_TRUE(s.Variables().empty());
    pg::platform::RunMessagePeriod(320);
    EXPECT_TRUE(s.Exec(2, {"Rect2"}, 1));
    pg::platform::RunMessagePeriod(160);
    s.Close();
    // Ticks due after the unload find no timer of the module.
    pg::platform::RunMessagePeriod(320);
    EXPECT_EQ(s.Ledger().Live(), 0u);
    EXPECT_EQ(s.Ledger().BadFrees(), 0u);
  }
}

// A host that registered no callbacks at all must not bring the module down.
TEST(ModuleBoundary, UnregisteredCallbacksAreSkipped) {
  pg::host::ModuleSession s(ModulePath());
  void* module = pg::platform::LoadModule(ModulePath(), nullptr);
  ASSERT_NE(module, nullptr);
  auto reg = reinterpret_cast<pg::abi::RegisterPlugInFn>(pg::platform::ModuleSymbol(module, "nbRegisterPlugIn"));
  auto access =
      reinterpret_cast<pg::abi::RegisterInterfaceAccessFn>(pg::platform::ModuleSymbol(module, "nbRegisterInterfaceAccess"));
  auto init = reinterpret_cast<pg::abi::InitPlugInFn>(pg::platform::ModuleSymbol(module, "nbInitPlugIn"));
  reg(nullptr, nullptr, nullptr, nullptr);
  access(nullptr);
  init(0, nullptr, nullptr, nullptr);
  EXPECT_FALSE(s.Exec(40, {"clRed", "v"}, 2));
  EXPECT_FALSE(s.Exec(9, {"Rect1", "True"}, 2));
  EXPECT_FALSE(s.Exec(1, {"Rect1"}, 1));
  EXPECT_TRUE(s.Variables().empty());

  // Initialising again replaces blocks that the variables already hold.
  pg::abi::HostString vars[3] = {pg::host::ModuleSession::NewHostString("old"),
                                 pg::host::ModuleSession::NewHostString("old"), nullptr};
  init(1, &vars[0], &vars[1], &vars[2]);
  EXPECT_STREQ(vars[0], "Pirogram");
  EXPECT_STREQ(vars[1], "Plotwright");
  for (auto& v : vars) pg::host::ModuleSession::FreeHostString(v);
  pg::platform::UnloadModule(module);
  s.Close();
  EXPECT_EQ(s.Ledger().Live(), 0u);
  EXPECT_EQ(s.Ledger().BadFrees(), 0u);
}

}  // namespace

namespace {

// The version the build stamped into the module, read without calling it: the
// version resource on Windows, the version note on Linux.
TEST(ModuleBoundary, CarriesTheBuildsVersion) {
  pg::host::ModuleSession s(ModulePath());
  EXPECT_EQ(s.ModuleVersion(), PG_VERSION);
  EXPECT_EQ(pg::platform::ModuleVersion(nullptr), "");
}

}  // namespace
