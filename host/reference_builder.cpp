#include "reference_builder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "framework/text/codepage.h"
#include "platform/dialog.h"
#include "reference_html.h"
#include "reference_notes.h"
#include "script_runner.h"

namespace pg::host {
namespace {

// The chart every "before" picture shows.
constexpr const char* kStandardChart =
    "pgChartCreate {rect}\n"
    "pgAddSeriesChart {rect} \"40\" \"Север\" \"220,80,60\"\n"
    "pgAddSeriesChart {rect} \"25\" \"Юг\" \"70,130,200\"\n"
    "pgAddSeriesChart {rect} \"20\" \"Запад\" \"90,170,90\"\n"
    "pgAddSeriesChart {rect} \"15\" \"Восток\" \"230,190,60\"\n";
constexpr const char* kPictureSize = "260 180";

std::string Replace(std::string text, const std::string& what, const std::string& with) {
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

std::string Quote(const std::string& text) { return "\"" + Replace(text, "\"", "\"\"") + "\""; }

class Builder {
 public:
  Builder(ModuleSession& session, const std::string& dir, const std::string& examplesDir)
      : session_(session), dir_(dir), examples_(examplesDir), runner_(session, log_, RunOptions{}) {}

  Reference Build() {
    std::filesystem::create_directories(std::filesystem::path(dir_) / "img");
    Reference ref;
    ref.moduleVersion = session_.ModuleVersion();
    ref.hostVersion = PG_VERSION;
    ref.moduleName = text::Cp1251ToUtf8(session_.InfoName());
    ref.moduleDescription = text::Cp1251ToUtf8(session_.InfoDescription());
    const auto headers = HeaderNotes();
    for (const auto& row : session_.Catalogue()) {
      if (row.id == 0) {
        if (ref.groups.size() >= headers.size()) throw std::runtime_error("more group headers than notes");
        ref.groups.push_back({text::Cp1251ToUtf8(row.name), std::string(headers[ref.groups.size()]), {}});
        continue;
      }
      if (ref.groups.empty()) throw std::runtime_error("an action before the first group header");
      ref.groups.back().actions.push_back(Action(row));
    }
    return ref;
  }

 private:
  ReferenceAction Action(const ReceivedRow& row) {
    const ActionNote* note = FindActionNote(row.id);
    if (!note || note->kinds.size() != static_cast<std::size_t>(row.count))
      throw std::runtime_error("no fitting note for action " + row.name);
    ReferenceAction a;
    a.id = row.id;
    a.name = row.name;
    a.hint = text::Cp1251ToUtf8(row.hint);
    a.english = note->english;
    const bool onChart = note->kinds.front() == 'N' || note->kinds.front() == 'X' || note->kinds.front() == 'R';
    // The page shows the example as an author would write it beside the examples
    // folder; the pictures load the file from where it is now.
    const std::string shown = Replace(std::string(note->example), "{examples}", "examples");
    a.example = a.name + (onChart ? " \"Rect1\"" : "") + (shown.empty() ? "" : " " + shown);
    a.params = EditorRows(a, *note);
    const std::string run = Replace(std::string(note->example), "{examples}", examples_);
    if (note->pictures) DrawPictures(a, *note, onChart ? run : "");
    return a;
  }

  // Opens the action's editor on the example, photographs it and reads its rows.
  std::vector<ReferenceParam> EditorRows(ReferenceAction& a, const ActionNote& note) {
    a.editorImage = "img/" + a.name + "-editor.png";
    Run("dialog snapshot " + Quote(Path(a.editorImage)) + "\ndialog show\ndialog cancel\n");
    std::vector<ReferenceParam> params(note.kinds.size());
    bool shown = false;
    platform::CurrentScriptedUser()->inspect = [&](const platform::DialogTemplate& dialog) {
      shown = true;
      for (const auto& c : dialog.controls) {
        const auto digit = c.name.find_first_of("0123456789");
        if (digit == std::string::npos) continue;
        const auto n = static_cast<std::size_t>(std::stoi(c.name.substr(digit)));
        if (n < 1 || n > params.size()) continue;
        const std::string base = c.name.substr(0, digit);
        if (base == "caption") params[n - 1].caption = text::Cp1251ToUtf8(c.text);
        if (base == "list")
          for (const auto& w : c.items) params[n - 1].words.push_back(text::Cp1251ToUtf8(w));
      }
    };
    Run("edit " + a.example + "\n");
    platform::CurrentScriptedUser()->inspect = nullptr;
    if (!shown || !std::filesystem::exists(Path(a.editorImage)))
      throw std::runtime_error("the editor of " + a.name + " did not open");
    for (std::size_t k = 0; k < params.size(); ++k) {
      const ValueKind* kind = ValueKindOf(note.kinds[k]);
      if (!kind) throw std::runtime_error("unknown kind letter for " + a.name);
      if (kind->letter == 'W' && params[k].words.empty())
        throw std::runtime_error("row " + std::to_string(k + 1) + " of " + a.name + " is no list");
      params[k].kind = kind->kind;
      params[k].rule = kind->rule;
    }
    return params;
  }

  // A chart before and after the action, in a rectangle of its own.
  void DrawPictures(ReferenceAction& a, const ActionNote& note, const std::string& example) {
    a.beforeImage = "img/" + a.name + "-before.png";
    a.afterImage = "img/" + a.name + "-after.png";
    std::string script = std::string("rect {rect} ") + kPictureSize + "\n" + kStandardChart;
    script += "save {rect} " + Quote(Path(a.beforeImage)) + "\n";
    script += a.name + " {rect}" + (example.empty() ? "" : " " + example) + "\n";
    if (!note.extra.empty()) script += std::string(note.extra) + "\n";
    script += "save {rect} " + Quote(Path(a.afterImage)) + "\npgChartDelete {rect}\n";
    // Each action draws in a rectangle of its own, so that nothing carries over.
    Run(Replace(script, "{rect}", "Chart" + std::to_string(a.id)));
    if (!std::filesystem::exists(Path(a.beforeImage)) || !std::filesystem::exists(Path(a.afterImage)))
      throw std::runtime_error("the pictures of " + a.name + " were not drawn");
  }

  void Run(const std::string& script) {
    std::istringstream in(script);
    runner_.Run(in);
  }

  std::string Path(const std::string& relative) const { return (std::filesystem::path(dir_) / relative).string(); }

  ModuleSession& session_;
  std::string dir_, examples_;
  std::ostringstream log_;
  ScriptRunner runner_;
};

}  // namespace

Reference BuildReference(ModuleSession& session, const std::string& dir, const std::string& examplesDir) {
  return Builder(session, dir, examplesDir).Build();
}

void WriteReference(ModuleSession& session, const std::string& dir, const std::string& examplesDir) {
  const Reference ref = BuildReference(session, dir, examplesDir);
  std::ofstream html(std::filesystem::path(dir) / "index.html", std::ios::binary);
  html << ReferenceHtml(ref);
  std::ofstream css(std::filesystem::path(dir) / "style.css", std::ios::binary);
  css << ReferenceCss();
  if (!html || !css) throw std::runtime_error("cannot write the reference in " + dir);
}

}  // namespace pg::host
