#include "script_runner.h"

#include <istream>
#include <iterator>
#include <ostream>

#include "framework/text/codepage.h"
#include "framework/text/int_parse.h"
#include "dialog_commands.h"
#include "memory_report.h"
#include "picture_paths.h"
#include "script_line.h"
#include "script_text.h"
#include "window_commands.h"

namespace pg::host {

ScriptRunner::ScriptRunner(ModuleSession& session, std::ostream& out, RunOptions options)
    : session_(session), out_(out), options_(options) {}

void ScriptRunner::Print(const std::string& cp1251Text) { out_ << text::Cp1251ToUtf8(cp1251Text) << '\n'; }

void ScriptRunner::Run(std::istream& script) {
  const std::string bytes{std::istreambuf_iterator<char>(script), std::istreambuf_iterator<char>()};
  Run(DecodeScript(bytes).lines);
}

void ScriptRunner::Run(const std::vector<std::string>& cp1251Lines) {
  int number = 0;
  for (const auto& line : cp1251Lines) {
    ++number;
    try {
      const auto words = SplitScriptLine(line);
      if (!words.empty()) RunCommand(words);
    } catch (const ScriptError& e) {
      throw ScriptError("line " + std::to_string(number) + ": " + e.what());
    }
    out_.flush();
  }
}

void ScriptRunner::RunCommand(const std::vector<std::string>& w) {
  const std::string& cmd = w[0];
  if (cmd == "catalogue") {
    NeedWords(w, 1, "catalogue");
    int n = 0;
    for (const auto& r : session_.Catalogue()) {
      std::string kinds;
      for (std::size_t i = 0; i < r.kinds.size(); ++i) kinds += (i ? "," : "") + std::to_string(r.kinds[i]);
      Print("row " + std::to_string(++n) + ": id=" + std::to_string(r.id) + " name=" + r.name + " hint=" + r.hint +
            " kinds=" + kinds + " count=" + std::to_string(r.count));
    }
  } else if (cmd == "info") {
    NeedWords(w, 1, "info");
    Print(session_.InfoName());
    Print(session_.InfoAuthor());
    Print(session_.InfoDescription());
  } else if (cmd == "print") {
    NeedWords(w, 2, "print VAR");
    const auto& vars = session_.Variables();
    const auto it = vars.find(w[1]);
    Print(it == vars.end() ? w[1] + " is not set" : w[1] + "=" + it->second);
  } else if (cmd == "set") {
    NeedWords(w, 3, "set VAR \"value\"");
    session_.Variables()[w[1]] = w[2];
  } else if (cmd == "rect") {
    NeedWords(w, 4, "rect NAME W H");
    const int width = ReadInt(w[2], "width"), height = ReadInt(w[3], "height");
    if (width <= 0 || height <= 0) throw ScriptError("a rectangle needs a positive size");
    session_.AddRectangle(w[1], width, height);
  } else if (cmd == "answer7") {
    NeedWords(w, 3, "answer7 NAME \"TEXT\"");
    Rectangle* r = session_.FindRectangle(w[1]);
    if (!r) throw ScriptError("no rectangle " + w[1]);
    r->answer7 = w[2];
  } else if (cmd == "message") {
    NeedWords(w, 2, "message CODE");
    session_.Message(ReadInt(w[1], "message code"));
  } else if (cmd == "option") {
    // One character of the script: one byte in code page 1251 (a no-break space too).
    const std::string c = w.size() == 3 ? w[2] : std::string();
    if (c.size() == 1 && c[0] != '\0' && w[1] == "decimal-separator") {
      session_.SetDecimalSeparator(c[0]);
    } else if (c.size() == 1 && c[0] != '\0' && w[1] == "group-separator") {
      session_.SetGroupSeparator(c[0]);
    } else if (w.size() == 3 && w[1] == "jpeg-quality") {
      const int q = ReadInt(w[2], "JPEG quality");
      if (q < 1 || q > 100) throw ScriptError("JPEG quality must be between 1 and 100");
      session_.SetJpegQuality(q);
    } else {
      throw ScriptError("usage: option decimal-separator C | option group-separator C | option jpeg-quality N");
    }
  } else if (cmd == "memory") {
    NeedWords(w, 2, "memory LABEL");
    Print(MemoryReport(w[1]));
  } else if (cmd == "pick") {
    NeedWords(w, 2, "pick \"NAME\" | pick cancel");
    session_.Picks().push_back(w[1] == "cancel" ? std::nullopt : std::optional<std::string>(w[1]));
  } else if (const ReceivedRow* row = session_.FindAction(cmd)) {
    std::vector<std::string> args(w.begin() + 1, w.end());
    if (args.size() > static_cast<std::size_t>(row->count))
      throw ScriptError(cmd + " takes " + std::to_string(row->count) + " parameter(s)");
    // The one action that reads a file the script names: its picture.
    constexpr std::size_t kPictureParam = 2;
    if (cmd == "pgChartPicture" && args.size() > kPictureParam)
      args[kPictureParam] = ResolvePicturePath(args[kPictureParam], options_.scriptFolder);
    const bool result = session_.Exec(row->id, args, static_cast<std::size_t>(row->count));
    if (options_.printResults) Print(cmd + (result ? " -> true" : " -> false"));
  } else if (RunDialogCommand(session_, w, [this](const std::string& t) { Print(t); })) {
    // queued for the next dialog, or an editor run
  } else if (!RunWindowCommand(session_, w, [this](const std::string& t) { Print(t); })) {
    throw ScriptError("unknown command " + cmd);
  }
}

}  // namespace pg::host
