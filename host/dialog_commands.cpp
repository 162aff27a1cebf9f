#include "dialog_commands.h"

#include <algorithm>
#include <cstdint>

#include "framework/font_spec.h"
#include "framework/params/colour_format.h"
#include "framework/text/ascii_text.h"
#include "framework/text/codepage.h"
#include "framework/text/int_parse.h"
#include "platform/dialog.h"
#include "platform/picture_file_io.h"
#include "script_line.h"

namespace pg::host {
namespace {

using Kind = platform::ScriptStep::Kind;

// One scripted user for the whole run, shared with the module through the platform.
platform::ScriptedUser& User() {
  static platform::ScriptedUser user;
  platform::SetScriptedUser(&user);
  return user;
}

int Row(const std::string& word) {
  const int row = ReadInt(word, "row");
  if (row < 1 || row > 5) throw ScriptError("a row is 1 to 5");
  return row;
}

void QueueDialogLine(const std::vector<std::string>& w, const std::vector<std::string>& utf8Words) {
  const std::string usage =
      "dialog type|keys|choose ROW \"TEXT\" | dialog chooser|color|font ROW | dialog show|ok|cancel|close | "
      "dialog snapshot FILE | dialog tooltip chooser|color|font ROW FILE";
  if (w.size() < 2) throw ScriptError("usage: " + usage);
  const std::string& what = w[1];
  auto& steps = User().steps;
  if ((what == "type" || what == "choose") && w.size() == 4) {
    steps.push_back({what == "type" ? Kind::kType : Kind::kChoose,
                     (what == "type" ? "edit" : "list") + std::to_string(Row(w[2])), w[3]});
  } else if (what == "keys" && w.size() == 4) {
    // Key presses carry the script's own characters, 1251 or not: the edit decides.
    const std::string typed = utf8Words.size() == w.size() ? utf8Words[3] : text::Cp1251ToUtf8(w[3]);
    steps.push_back({Kind::kKeys, "edit" + std::to_string(Row(w[2])), typed});
  } else if ((what == "chooser" || what == "color" || what == "font") && w.size() == 3) {
    const std::string name = what == "color" ? "colour" : what;
    steps.push_back({Kind::kPress, name + std::to_string(Row(w[2])), {}});
  } else if (what == "snapshot" && w.size() == 3) {
    steps.push_back({Kind::kSnapshot, {}, w[2]});
  } else if (what == "tooltip" && w.size() == 5 && (w[2] == "chooser" || w[2] == "color" || w[2] == "font")) {
    const std::string name = w[2] == "color" ? "colour" : w[2];
    steps.push_back({Kind::kTipSnapshot, name + std::to_string(Row(w[3])), w[4]});
  } else if (w.size() == 2 && (what == "ok" || what == "cancel")) {
    steps.push_back({Kind::kPress, what, {}});
  } else if (w.size() == 2 && what == "show") {
    steps.push_back({Kind::kShow, {}, {}});
  } else if (w.size() == 2 && what == "close") {
    steps.push_back({Kind::kClose, {}, {}});
  } else {
    throw ScriptError("usage: " + usage);
  }
}

// Style words as authors write them (bold) or as font descriptions hold them (fsBold).
void ReadFontStyles(const std::string& words, platform::Font& font) {
  font.weight = 400;
  for (const std::string& word : SplitScriptLine(words)) {
    const std::string style = word.size() > 2 && word.compare(0, 2, "fs") == 0 ? word.substr(2) : word;
    if (text::SameTextAsciiCase(style, "bold")) {
      font.weight = 700;
    } else if (text::SameTextAsciiCase(style, "italic")) {
      font.italic = true;
    } else if (text::SameTextAsciiCase(style, "underline")) {
      font.underline = true;
    } else if (text::SameTextAsciiCase(style, "strikeout")) {
      font.strikeOut = true;
    } else {
      throw ScriptError("unknown font style " + word);
    }
  }
}

std::optional<platform::FontChoice> ReadFontAnswer(const std::vector<std::string>& w) {
  if (w.size() == 2 && w[1] == "cancel") return std::nullopt;
  if (w.size() != 6) throw ScriptError("usage: fontdialog \"FACE\" SIZE \"STYLES\" \"COLOUR\" CHARSET | fontdialog cancel");
  platform::FontChoice f;
  f.font.face = w[1];
  f.points = ReadInt(w[2], "size");
  f.font.height = -(f.points * 96 + 36) / 72;
  ReadFontStyles(w[3], f.font);
  platform::Color c = 0;
  try {
    c = params::ReadColourText(w[4]);
  } catch (const std::exception&) {
    throw ScriptError("not a colour: " + w[4]);
  }
  // The system's dialog holds plain colours only: a system colour is picked as
  // the colour it stands for, and the top byte of any other value is dropped,
  // on both builds alike.
  f.color = platform::IsSysColor(c) ? platform::SysColor(static_cast<int>(c & 0xFF)) : (c & 0xFFFFFF);
  f.font.charset = ReadInt(w[5], "character set") & 0xFF;
  return f;
}

// The size a PNG file's header gives (0 x 0 when it is none).
void PngSize(const std::string& path, int& width, int& height) {
  constexpr std::size_t kMostBytes = 64u << 20;
  std::vector<std::uint8_t> head;
  if (!platform::ReadFileBytes(path, kMostBytes, head) || head.size() < 24 || head[1] != 'P' || head[2] != 'N' ||
      head[3] != 'G')
    return;
  auto big = [&](std::size_t at) {
    return static_cast<int>((std::uint32_t{head[at]} << 24) | (std::uint32_t{head[at + 1]} << 16) |
                            (std::uint32_t{head[at + 2]} << 8) | head[at + 3]);
  };
  width = big(16);
  height = big(20);
}

void Edit(ModuleSession& session, const std::vector<std::string>& w, const DialogPrintFn& print,
          const WroteFn& wrote) {
  if (w.size() < 2) throw ScriptError("usage: edit ACTION|ID \"p1\" ...");
  // A raw id of a catalogued action gets a block of that action's size, as a
  // host always passes; any other id gets just the given slots, which the
  // module must refuse without touching them.
  std::int32_t id = 0;
  std::size_t count = w.size() - 2;
  if (text::TryStrToInt(w[1], id)) {
    if (const ReceivedRow* row = session.FindActionById(id)) count = std::max(count, static_cast<std::size_t>(row->count));
  } else {
    const ReceivedRow* row = session.FindAction(w[1]);
    if (!row) throw ScriptError("no action " + w[1]);
    id = row->id;
    count = static_cast<std::size_t>(row->count);
    if (w.size() - 2 > count) throw ScriptError(w[1] + " takes " + std::to_string(count) + " parameter(s)");
  }
  std::vector<abi::ParamSlot> block(count + 1, nullptr);
  for (std::size_t i = 2; i < w.size(); ++i) block[i - 2] = ModuleSession::NewHostString(w[i]);

  auto& user = User();
  user.report = [&print](const std::string& text) {
    std::string t = text;
    if (!t.empty() && t.back() == '\n') t.pop_back();
    print(t);
  };
  std::vector<std::string> snapshots;
  user.wrote = [&snapshots](const std::string& path) { snapshots.push_back(path); };
  const auto allocated = session.Ledger().Allocated(), freed = session.Ledger().Freed();
  user.refusedKeys = 0;
  const bool result = session.Edit(id, block.data());
  user.report = nullptr;
  user.wrote = nullptr;
  for (const auto& path : snapshots) {
    int width = 0, height = 0;
    PngSize(path, width, height);
    wrote(path, width, height, "PNG");
  }
  print(std::string("edit -> ") + (result ? "true" : "false"));
  if (user.refusedKeys > 0) print("keys refused: " + std::to_string(user.refusedKeys));
  for (std::size_t k = 0; k < count; ++k)
    print("slot " + std::to_string(k + 1) + "=" + (block[k] ? std::string(block[k]) : std::string("(null)")));
  print("blocks: allocated +" + std::to_string(session.Ledger().Allocated() - allocated) + " freed +" +
        std::to_string(session.Ledger().Freed() - freed));
  for (auto& s : block) ModuleSession::FreeHostString(s);
}

}  // namespace

platform::ScriptedUser& ScriptedUserOfTheRun() { return User(); }

bool RunDialogCommand(ModuleSession& session, const std::vector<std::string>& w,
                      const std::vector<std::string>& utf8Words, const DialogPrintFn& print, const WroteFn& wrote) {
  const std::string& cmd = w[0];
  if (cmd == "dialog") {
    QueueDialogLine(w, utf8Words);
  } else if (cmd == "colordialog") {
    if (w.size() != 2) throw ScriptError("usage: colordialog \"R,G,B\" | colordialog cancel");
    if (w[1] == "cancel") {
      User().colourAnswers.push_back(std::nullopt);
    } else {
      try {
        User().colourAnswers.push_back(params::ReadColourTriple(w[1]));
      } catch (const std::exception&) {
        throw ScriptError("not a colour triple: " + w[1]);
      }
    }
  } else if (cmd == "fontdialog") {
    User().fontAnswers.push_back(ReadFontAnswer(w));
  } else if (cmd == "edit") {
    Edit(session, w, print, wrote);
  } else {
    return false;
  }
  return true;
}

}  // namespace pg::host
