// The system's colour and font dialogs, owned by the active window (the
// editor that opened them). A scripted user fills them in like a person.
// Unicode dialogs, as the editors are: a face name in code page 1251 reads
// the same on every system code page.
#include <windows.h>
#include <commdlg.h>

#include <cwchar>

#include "platform/dialog.h"
#include "platform/win32/text/wide_text.h"

namespace pg::platform {
std::optional<Color> ChooseColourDialog(Color initial) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = ::GetActiveWindow();
  cc.rgbResult = initial & 0xFFFFFF;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT;
  if (!::ChooseColorW(&cc)) return std::nullopt;
  return static_cast<Color>(cc.rgbResult);
}

std::optional<FontChoice> ChooseFontDialog(const FontChoice& initial) {
  LOGFONTW lf{};
  lf.lfHeight = initial.font.height;
  lf.lfWeight = initial.font.weight;
  lf.lfItalic = initial.font.italic;
  lf.lfUnderline = initial.font.underline;
  lf.lfStrikeOut = initial.font.strikeOut;
  lf.lfCharSet = static_cast<BYTE>(initial.font.charset);
  const std::wstring face = win32::Wide(initial.font.face);
  std::wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof(cf);
  cf.hwndOwner = ::GetActiveWindow();
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  // System colours are indices, not RGB: the dialog gets what they stand for.
  const Color c = initial.color;
  cf.rgbColors = IsSysColor(c) ? ::GetSysColor(static_cast<int>(c & 0xFF)) : (c & 0xFFFFFF);
  if (!::ChooseFontW(&cf)) return std::nullopt;
  FontChoice out;
  out.font.face = win32::Narrow(lf.lfFaceName);
  out.font.height = lf.lfHeight;
  out.font.weight = lf.lfWeight;
  out.font.italic = lf.lfItalic != 0;
  out.font.underline = lf.lfUnderline != 0;
  out.font.strikeOut = lf.lfStrikeOut != 0;
  out.font.charset = lf.lfCharSet;
  out.color = static_cast<Color>(cf.rgbColors);
  out.points = cf.iPointSize / 10;
  return out;
}

}  // namespace pg::platform
