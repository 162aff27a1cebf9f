// The utility pickers' form: every form starts from the initial colour and font,
// and the font it returns is also kept in its label.
#include <gtest/gtest.h>

#include "dialogs/form_color_text.h"
#include "editor_support.h"
#include "framework/colour.h"
#include "platform/graphics.h"

namespace {

TEST(PickerForm, EachFormStartsFromBlackAndTheInitialFont) {
  pg::test::ScriptScope script;
  script.user.colourAnswers = {pg::platform::Rgb(1, 2, 3), pg::platform::Rgb(9, 9, 9)};
  pg::platform::FontChoice courier;
  courier.font.face = "Courier New";
  courier.font.italic = true;
  courier.points = 14;
  courier.font.charset = 204;
  script.user.fontAnswers = {courier, courier};
  {
    pg::dialogs::TFormColorText form;
    EXPECT_EQ(form.RunColorDialog2(), "1,2,3");
    EXPECT_EQ(form.RunColorDialog2(), "9,9,9");
    EXPECT_EQ(*script.user.colourOpenedOn, pg::platform::Rgb(1, 2, 3));
    EXPECT_EQ(form.RunFontDialog2(), "Courier New|clBlack|14|fsItalic |204");
    EXPECT_EQ(form.Label1Font().font.face, "Courier New");
  }
  pg::dialogs::TFormColorText fresh;
  EXPECT_EQ(fresh.RunColorDialog2(), std::nullopt);  // no answer left: cancelled
  EXPECT_EQ(*script.user.colourOpenedOn, 0u);
  EXPECT_TRUE(fresh.RunFontDialog2());
  const auto& initial = *script.user.fontOpenedOn;
  EXPECT_EQ(initial.font.face, "MS Sans Serif");
  EXPECT_EQ(initial.font.height, -11);
  // A real dialog shows the colour a system colour stands for.
  EXPECT_EQ(pg::platform::ColorToRgb(initial.color), pg::platform::ColorToRgb(pg::clWindowText));
  EXPECT_FALSE(initial.font.italic || initial.font.underline || initial.font.weight > 400);
}

}  // namespace
