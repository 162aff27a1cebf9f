#include "reference_builder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "framework/text/codepage.h"
#include "dialog_commands.h"
#include "platform/dialog.h"
#include "reference_facts.h"
#include "reference_gallery.h"
#include "reference_html.h"
#include "reference_pages.h"
#include "reference_script.h"
#include "reference_shots.h"
#include "script_line.h"
#include "script_runner.h"

namespace pg::host {
namespace {

// The chart every "before" picture shows.
constexpr const char* kStandardChart =
    "pgChartCreate \"Rect1\"\n"
    "pgAddSeriesChart \"Rect1\" \"40\" \"Север\" \"220,80,60\"\n"
    "pgAddSeriesChart \"Rect1\" \"25\" \"Юг\" \"70,130,200\"\n"
    "pgAddSeriesChart \"Rect1\" \"20\" \"Запад\" \"90,170,90\"\n"
    "pgAddSeriesChart \"Rect1\" \"15\" \"Восток\" \"230,190,60\"\n";

bool IsListed(std::string_view list, const std::string& word) {
  std::istringstream words{std::string(list)};
  for (std::string w; words >> w;)
    if (w == word) return true;
  return false;
}

// A note's script words as a shipped script writes them: the example pictures
// lie in ../pictures beside examples/reference.
std::string Shipped(std::string_view words) { return ReplaceAll(std::string(words), "{examples}", ".."); }

class Builder {
 public:
  Builder(ModuleSession& session, const std::string& dir, const std::string& examplesDir)
      : session_(session), shots_(session, dir, examplesDir) {}

  Reference Build() {
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
    CollectFacts(ref, session_, shots_);
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
    const std::string example = Shipped(note->example);
    const std::string line = a.name + (onChart ? " \"Rect1\"" : "") + (example.empty() ? "" : " " + example);
    a.params = EditorRows(a, *note, line);
    if (note->pictures && onChart) DrawPictures(a, *note);
    if (a.name == "pgChartExport") DrawExports(a);
    return a;
  }

  std::string Stem(const ReferenceAction& a) { return a.name + "-" + std::to_string(++shotCount_); }

  // Opens the action's editor on the example, photographs it and reads its rows.
  std::vector<ReferenceParam> EditorRows(ReferenceAction& a, const ActionNote& note, const std::string& line) {
    shotCount_ = 0;
    const std::string stem = Stem(a);
    std::vector<ReferenceParam> params(note.kinds.size());
    bool shown = false;
    ScriptedUserOfTheRun().inspect = [&](const platform::DialogTemplate& dialog) {
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
    a.editor = shots_.Take(stem, "# The editor of " + a.name + ", opened on the example: its picture, its rows printed, then Cancel\n"
                                 "dialog snapshot " + QuoteWord(stem + ".png") + "\ndialog show\ndialog cancel\nedit " + line + "\n");
    ScriptedUserOfTheRun().inspect = nullptr;
    if (!shown) throw std::runtime_error("the editor of " + a.name + " did not open");
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
  // list or Boolean row, the example's other parameters kept, and the sweep.
  // A picture that matches the chart before must be one the notes call the
  // default, and no other: what the reference says is what the module draws.
  void DrawPictures(ReferenceAction& a, const ActionNote& note) {
    const std::vector<std::string> args = SplitScriptLine(Shipped(note.example));
    if (args.size() + 1 != note.kinds.size()) throw std::runtime_error("the example of " + a.name + " has the wrong size");
    a.before = Draw(a, note, nullptr, a.name + ": the chart before the action");
    a.after = Draw(a, note, &args, a.name + ": the example");
    const std::string before = ReadBytes(shots_.Path(a.before.image));
    if (ReadBytes(shots_.Path(a.after.image)) == before) throw std::runtime_error("the example of " + a.name + " changes nothing");
    for (std::size_t k = 1; k < a.params.size(); ++k) {
      ReferenceParam& p = a.params[k];
      const char letter = p.kind->letter;
      if (letter != 'W' && letter != 'B') continue;
      const std::vector<std::string> words = letter == 'W' ? p.words : std::vector<std::string>{"True", "False"};
      for (const auto& word : words) {
        std::vector<std::string> varied = args;
        varied[k - 1] = word;
        ReferenceFigure f{word, a.after, false};
        if (varied != args)
          f.shot = Draw(a, note, &varied, a.name + ", row " + std::to_string(k + 1) + ": " + word);
        f.showsDefault = ReadBytes(shots_.Path(f.shot.image)) == before;
        if (f.showsDefault != IsListed(note.defaultWords, word))
          throw std::runtime_error(a.name + " with " + word + (f.showsDefault ? " draws" : " does not draw") +
                                   " the chart as it was before, unlike its note");
        p.figures.push_back(std::move(f));
      }
    }
    for (const auto words : note.sweep) {
      if (words.empty()) continue;
      const std::vector<std::string> values = SplitScriptLine(std::string(words));
      if (values.size() + 1 != note.kinds.size()) throw std::runtime_error("a sweep value of " + a.name + " has the wrong size");
      std::string label;
      for (const auto& v : values) label += (label.empty() ? "" : " ") + v;
      ReferenceFigure f{label, Draw(a, note, &values, a.name + " " + label), false};
      f.showsDefault = ReadBytes(shots_.Path(f.shot.image)) == before;
      a.sweep.push_back(std::move(f));
    }
  }

  // The standard chart written in every format the export action knows, by
  // one shipped script. SVG, PNG and JPEG are shown as the browser draws the
  // files themselves; a PDF page is shown as pdftoppm draws it at 96 dpi (the
  // build turns img/*.pdf into img/*.pdf.png after the reference is written).
  void DrawExports(ReferenceAction& a) {
    const std::string stem = Stem(a);
    std::string body = kStandardChart;
    for (const char* ext : {"svg", "pdf", "emf", "jpg"})
      body += "pgChartExport \"Rect1\" " + QuoteWord(stem + "." + ext) + "\n";
    const ReferenceShot shot = shots_.Chart(stem, a.name + ": the standard chart in every format", body);
    for (const char* ext : {"svg", "pdf", "emf", "jpg", "png"}) {
      ReferenceFigure f{ext, shot, false};
      const std::string file = "img/" + stem + "." + ext;
      if (std::string(ext) != "png" && !std::filesystem::exists(shots_.Path(file)))
        throw std::runtime_error(a.name + " wrote no " + ext + " file");
      f.shot.image = std::string(ext) == "pdf" ? file + ".png" : file;
      a.formats.push_back(std::move(f));
    }
  }

  // The standard chart, the note's set-up and, with args, the action and the
  // lines after it.
  ReferenceShot Draw(const ReferenceAction& a, const ActionNote& note, const std::vector<std::string>* args,
                     const std::string& comment) {
    std::string body = kStandardChart;
    if (!note.setup.empty()) body += std::string(note.setup) + "\n";
    if (args) {
      body += a.name + " \"Rect1\"" + (args->empty() ? "" : " " + QuoteWords(*args)) + "\n";
      if (!note.extra.empty()) body += std::string(note.extra) + "\n";
    }
    return shots_.Chart(Stem(a), comment, ReplaceAll(body, "{rect}", "\"Rect1\""));
  }

  ModuleSession& session_;
  ShotTaker shots_;
  int shotCount_ = 0;
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
      {"host.html", HostHtml(ref)},                {"gallery.html", GalleryHtml(ref)},
      {"style.css", ReferenceCss()},
  };
  for (const auto& [name, content] : files) {
    std::ofstream out(folder / name, std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + std::string(name) + " in " + dir);
  }
}

}  // namespace pg::host
