#pragma once
// The two text forms of a colour: the triple "r,g,b" and the colour text (a
// colour-table name or an integer).
#include <array>
#include <string>
#include <string_view>

#include "framework/colour.h"

namespace pg::params {

struct ColourName {
  std::string_view name;
  TColor value;
};

// The named colours in the order in which names are looked up and written.
inline constexpr std::array<ColourName, 52> kColourTable = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clActiveBorder", clActiveBorder},
    {"clActiveCaption", clActiveCaption},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clBackground", clBackground},
    {"clBtnFace", clBtnFace},
    {"clBtnHighlight", clBtnHighlight},
    {"clBtnShadow", clBtnShadow},
    {"clBtnText", clBtnText},
    {"clCaptionText", clCaptionText},
    {"clDefault", clDefault},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clGrayText", clGrayText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clHotLight", clHotLight},
    {"clInactiveBorder", clInactiveBorder},
    {"clInactiveCaption", clInactiveCaption},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clInfoBk", clInfoBk},
    {"clInfoText", clInfoText},
    {"clMenu", clMenu},
    {"clMenuBar", clMenuBar},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuText", clMenuText},
    {"clNone", clNone},
    {"clScrollBar", clScrollBar},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clWindowText", clWindowText},
}};

// "255, 128, 0": items 0-2 of the comma list as integers, each cut to its low
// byte; further items are ignored. Throws pg::ListIndexError with fewer than
// three items and pg::ConvertError for an item that is not an integer.
TColor ReadColourTriple(std::string_view text);

// "255,0,0": the low three bytes in decimal, red first, no blanks.
std::string ColourTripleText(TColor colour);

// A table name (ASCII case ignored) or an integer; throws pg::ConvertError.
TColor ReadColourText(std::string_view text);

// The first table name with this value, else "$" and eight upper-case hex digits.
std::string ColourToText(TColor colour);

}  // namespace pg::params
