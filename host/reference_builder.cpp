#include "reference_builder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "framework/text/codepage.h"
#include "platform/dialog.h"
#include "reference_facts.h"
#include "reference_html.h"
#include "reference_pages.h"
#include "reference_script.h"
#include "script_line.h"
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
// Large enough for the pie to be read beside its marks and legend.
constexpr const char* kPictureSize = "420 280";

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool IsListed(std::string_view list, const std::string& word) {
  std::istringstream words{std::string(list)};
  for (std::string w; words >> w;)
    if (w == word) return true;
  return false;
}

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
    const auto run = [this](const std::string& script) { Run(script); };
    CollectFacts(ref, session_, run, dir_);
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
    a.english = note->line;
    a.remark = note->remark;
    const bool onChart = note->kinds.front() == 'N' || note->kinds.front() == 'X' || note->kinds.front() == 'R';
    // The page shows the example as an author would write it beside the examples
    // folder; the pictures load the file from where it is now.
    const std::string shown = ReplaceAll(std::string(note->example), "{examples}", "examples");
    a.example = a.name + (onChart ? " \"Rect1\"" : "") + (shown.empty() ? "" : " " + shown);
    a.params = EditorRows(a, *note);
    if (note->pictures && onChart) DrawPictures(a, *note);
    return a;
  }

  // Opens the action's editor on the example, photographs it and reads its rows.
  std::vector<ReferenceParam> EditorRows(ReferenceAction& a, const ActionNote& note) {
    a.editorImage = "img/" + a.name + "-editor.png";
    Run("dialog snapshot " + QuoteWord(Path(a.editorImage)) + "\ndialog show\ndialog cancel\n");
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
      params[k].kind = ValueKindOf(note.kinds[k]);
      if (!params[k].kind) throw std::runtime_error("unknown kind letter for " + a.name);
      if (params[k].kind->letter == 'W' && params[k].words.empty())
        throw std::runtime_error("row " + std::to_string(k + 1) + " of " + a.name + " is no list");
      params[k].note = note.params[k];
    }
    return params;
  }

  // The chart before and after the example, then one chart per word of each
  // list or Boolean row, the example's other parameters kept. A picture that
  // matches the chart before must be one the notes call the default, and no
  // other: what the reference says is what the module draws.
  void DrawPictures(ReferenceAction& a, const ActionNote& note) {
    const std::vector<std::string> args = SplitScriptLine(ReplaceAll(std::string(note.example), "{examples}", examples_));
    if (args.size() + 1 != note.kinds.size()) throw std::runtime_error("the example of " + a.name + " has the wrong size");
    a.beforeImage = "img/" + a.name + "-before.png";
    a.afterImage = "img/" + a.name + "-after.png";
    Draw(a.name, note, nullptr, a.beforeImage);
    Draw(a.name, note, &args, a.afterImage);
    const std::string before = ReadBytes(Path(a.beforeImage));
    if (ReadBytes(Path(a.afterImage)) == before) throw std::runtime_error("the example of " + a.name + " changes nothing");
    for (std::size_t k = 1; k < a.params.size(); ++k) {
      ReferenceParam& p = a.params[k];
      const char letter = p.kind->letter;
      if (letter != 'W' && letter != 'B') continue;
      const std::vector<std::string> words = letter == 'W' ? p.words : std::vector<std::string>{"True", "False"};
      for (const auto& word : words) {
        std::vector<std::string> varied = args;
        varied[k - 1] = word;
        ReferenceFigure f{word, a.afterImage, false};
        if (varied != args) {
          f.image = "img/" + a.name + "-" + std::to_string(k + 1) + "-" + word + ".png";
          Draw(a.name, note, &varied, f.image);
        }
        f.showsDefault = ReadBytes(Path(f.image)) == before;
        if (f.showsDefault != IsListed(note.defaultWords, word))
          throw std::runtime_error(a.name + " with " + word + (f.showsDefault ? " draws" : " does not draw") +
                                   " the chart as it was before, unlike its note");
        p.figures.push_back(std::move(f));
      }
    }
  }

  // One chart in a rectangle of its own, so that nothing carries over: without
  // args the chart before the action.
  void Draw(const std::string& name, const ActionNote& note, const std::vector<std::string>* args,
            const std::string& image) {
    std::string script = std::string("rect {rect} ") + kPictureSize + "\n" + kStandardChart;
    if (!note.setup.empty()) script += std::string(note.setup) + "\n";
    if (args) {
      script += name + " {rect}" + (args->empty() ? "" : " " + QuoteWords(*args)) + "\n";
      if (!note.extra.empty()) script += std::string(note.extra) + "\n";
    }
    script += "save {rect} " + QuoteWord(Path(image)) + "\npgChartDelete {rect}\n";
    Run(ReplaceAll(script, "{rect}", "Chart" + std::to_string(note.id)));
    if (!std::filesystem::exists(Path(image))) throw std::runtime_error("the picture " + image + " was not drawn");
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
  const std::filesystem::path folder(dir);
  const std::pair<const char*, std::string> files[] = {
      {"index.html", ReferenceHtml(ref)},          {"quickstart.html", QuickStartHtml(ref)},
      {"tasks.html", TasksHtml(ref)},              {"formats.html", FormatsHtml(ref)},
      {"style.css", ReferenceCss()},
  };
  for (const auto& [name, content] : files) {
    std::ofstream out(folder / name, std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + std::string(name) + " in " + dir);
  }
}

}  // namespace pg::host
