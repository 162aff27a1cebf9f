// Where the editors' controls stand: client sizes, the row grid, the button
// columns, the description panel and the bottom line, and the tab order.
#include <gtest/gtest.h>

#include <sstream>

#include "dialogs/editor_layout.h"
#include "platform/bitmap.h"

namespace {

using pg::platform::ControlKind;
using pg::platform::DialogTemplate;
using pg::platform::TRect;

const pg::platform::DialogControl& Named(const DialogTemplate& d, const std::string& name) {
  for (const auto& c : d.controls)
    if (c.name == name) return c;
  throw std::runtime_error("no control " + name);
}

DialogTemplate Window(int id) {
  return pg::dialogs::BuildEditorWindow(*pg::dialogs::FindEditor(id), "pgX", std::vector<std::string>(5, "v"));
}

TEST(EditorLayout, ClientSizesAndBottomLinePerWindow) {
  struct Expect {
    int id, w, h, descTop, okTop, descText;
  };
  for (const Expect& e : {Expect{1, 402, 198, 73, 162, 27}, Expect{8, 402, 262, 136, 228, 26},
                          Expect{29, 423, 325, 198, 290, 26}, Expect{3, 419, 386, 260, 350, 27},
                          Expect{21, 419, 447, 318, 410, 27}}) {
    const auto d = Window(e.id);
    EXPECT_EQ(d.clientWidth, e.w) << e.id;
    EXPECT_EQ(d.clientHeight, e.h) << e.id;
    EXPECT_EQ(Named(d, "descriptionPanel").bounds, (TRect{8, e.descTop, 393, e.descTop + 79})) << e.id;
    EXPECT_EQ(Named(d, "title").bounds.left, 40);
    EXPECT_EQ(Named(d, "title").bounds.top, e.descTop + 5);
    EXPECT_EQ(Named(d, "description").bounds.top, e.descTop + e.descText) << e.id;
    EXPECT_EQ(Named(d, "ok").bounds, (TRect{239, e.okTop, 309, e.okTop + 25})) << e.id;
    EXPECT_EQ(Named(d, "cancel").bounds, (TRect{323, e.okTop, 393, e.okTop + 25})) << e.id;
    EXPECT_EQ(Named(d, "ok").modalResult, 1);
    EXPECT_EQ(Named(d, "cancel").modalResult, 2);
    EXPECT_TRUE(Named(d, "ok").isDefault);
  }
}

TEST(EditorLayout, RowsFollowTheGridAndButtonsTheirColumns) {
  const auto margin = Window(21);
  const int editTops[5] = {42, 104, 166, 228, 290};
  for (int k = 1; k <= 5; ++k) {
    const auto& edit = Named(margin, "edit" + std::to_string(k));
    EXPECT_EQ(edit.bounds, (TRect{21, editTops[k - 1], 346, editTops[k - 1] + 19})) << k;
    EXPECT_EQ(Named(margin, "chooser" + std::to_string(k)).bounds.left, 360);
    EXPECT_EQ(Named(margin, "panel" + std::to_string(k)).bounds.top, 8 + 62 * (k - 1));
  }
  const auto title = Window(3);  // row 3 has chooser and font picker, row 4 is a list
  EXPECT_EQ(Named(title, "chooser3").bounds, (TRect{360, 162, 386, 186}));
  EXPECT_EQ(Named(title, "font3").bounds.left, 390);
  EXPECT_EQ(Named(title, "list4").bounds, (TRect{16, 227, 161, 248}));
  EXPECT_EQ(Named(Window(29), "colour2").bounds.left, 392);
  EXPECT_EQ(Named(Window(10), "colour2").bounds, (TRect{362, 100, 388, 124}));
  EXPECT_EQ(Named(Window(2), "chooser1").bounds.left, 362);
}

TEST(EditorLayout, TabOrderRunsThroughTheRowsThenOkThenCancel) {
  const auto d = Window(3);
  std::vector<std::string> order;
  for (const auto& c : d.controls)
    if (c.kind == ControlKind::kEdit || c.kind == ControlKind::kList || c.kind == ControlKind::kButton)
      order.push_back(c.name);
  EXPECT_EQ(order, (std::vector<std::string>{"edit1", "edit2", "edit3", "list4", "ok", "cancel"}));
  // A list starts with its words and no selection; edits start with the parameter.
  EXPECT_EQ(Named(d, "list4").items, (std::vector<std::string>{"Left", "Center", "Right"}));
  EXPECT_EQ(Named(d, "edit2").text, "v");
}

// The description panel shows each line as it is, unwrapped: a line wider than
// the panel lost its end ("*.bmp)." of the export action's description).
TEST(EditorLayout, EveryDescriptionLineFitsInsideItsPanel) {
  pg::platform::Bitmap measure(1, 1);
  for (int id = 1; id <= pg::dialogs::kEditorCount; ++id) {
    const auto d = Window(id);
    const auto& panel = Named(d, "descriptionPanel").bounds;
    const auto& text = Named(d, "description");
    measure.Dc().SetFont(text.font);
    std::istringstream lines(text.text);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
      EXPECT_LE(text.bounds.left + measure.Dc().TextExtent(line).cx, panel.right - 8) << id << ": " << line;
    const int lineHeight = measure.Dc().GetFontMetrics().height;
    EXPECT_LE(text.bounds.top + count * lineHeight, panel.bottom) << id;
  }
}

}  // namespace
