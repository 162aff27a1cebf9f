// A dialog's snapshot shows the window as the author sees it: the frame and the
// caption around the client area (the reference's editor pictures are these).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "framework/text/codepage.h"
#include "platform/dialog.h"

namespace {

using namespace pg::platform;

std::string Snapshot(const std::string& captionUtf8, const std::string& path) {
  DialogTemplate t;
  t.caption = pg::text::Utf8ToCp1251(captionUtf8);
  t.clientWidth = 220;
  t.clientHeight = 90;
  DialogControl label;
  label.kind = ControlKind::kLabel;
  label.name = "caption1";
  label.bounds = {8, 8, 200, 24};
  label.text = pg::text::Utf8ToCp1251("Строка редактора:");
  t.controls.push_back(label);
  DialogControl ok;
  ok.kind = ControlKind::kButton;
  ok.name = "ok";
  ok.text = "OK";
  ok.bounds = {140, 56, 210, 81};
  ok.modalResult = kMrOk;
  ok.isDefault = true;
  t.controls.push_back(ok);

  ScriptedUser user;
  user.steps.push_back({ScriptStep::Kind::kSnapshot, {}, path});
  user.steps.push_back({ScriptStep::Kind::kPress, "ok", {}});
  SetScriptedUser(&user);
  const DialogOutcome outcome = RunModalDialog(t);
  SetScriptedUser(nullptr);
  EXPECT_EQ(outcome.modalResult, kMrOk);
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

int BigEndian32(const std::string& d, std::size_t at) {
  return static_cast<int>((static_cast<unsigned char>(d[at]) << 24) | (static_cast<unsigned char>(d[at + 1]) << 16) |
                          (static_cast<unsigned char>(d[at + 2]) << 8) | static_cast<unsigned char>(d[at + 3]));
}

TEST(DialogSnapshot, ShowsTheFrameAndTheCaptionAroundTheClientArea) {
  const std::string dir = ::testing::TempDir();
  const std::string first = Snapshot("pgChartPicture Свойства", dir + "snapshot_caption1.png");
  const std::string second = Snapshot("pgChartRoll Свойства", dir + "snapshot_caption2.png");
  for (const std::string* png : {&first, &second}) {
    ASSERT_GT(png->size(), 24u);
    ASSERT_EQ(png->substr(1, 3), "PNG");
    // IHDR: width and height, wider than the client by the frame, taller by the caption too.
    EXPECT_GT(BigEndian32(*png, 16), 220);
    EXPECT_GE(BigEndian32(*png, 20), 90 + 15);
  }
  // Only the captions differ, so the caption's text is in the picture.
  EXPECT_NE(first, second);
}

}  // namespace
