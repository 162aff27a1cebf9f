// What the reference host says about an action that took no effect, and about
// the files a script writes: the module's own reasons, each on its line.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "module_session.h"
#include "platform/host_program.h"
#include "reference_notes.h"
#include "script_line.h"
#include "script_runner.h"
#include "support/module_path.h"
#include "support/scratch_dir.h"

namespace {

using pg::host::ModuleSession;
using pg::host::RunOptions;
using pg::host::ScriptRunner;

const std::string kExamples = std::string(PG_TEST_DATA) + "/../../examples";
const std::string kSetup =
    "rect R 240 180\n"
    "pgChartCreate \"R\"\n"
    "pgAddSeriesChart \"R\" \"40\" \"A\" \"255,0,0\"\n"
    "pgAddSeriesChart \"R\" \"60\" \"B\" \"0,0,255\"\n";

// Runs a UTF-8 script in a scratch folder; what the host says beside its output.
struct ScriptOutput {
  std::string notes, out, error;
};

ScriptOutput RunScript(const std::string& script, bool strict = false) {
  pg::testing::ScratchDir dir("action_notes");
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.dir);
  ScriptOutput run;
  std::ostringstream notes, out;
  {
    ModuleSession session(pg::testing::ModulePath());
    RunOptions options;
    options.notes = &notes;
    options.strict = strict;
    ScriptRunner runner(session, out, options);
    std::istringstream in(script);
    try {
      runner.Run(in);
    } catch (const pg::host::ScriptError& e) {
      run.error = e.what();
    }
    session.Close();
  }
  std::filesystem::current_path(cwd);
  run.notes = notes.str();
  run.out = out.str();
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

int LineCount(const std::string& script) { return static_cast<int>(Lines(script).size()); }

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

std::string Quoted(const std::string& word) { return "\"" + Replace(word, "\"", "\"\"") + "\""; }

// Values of each kind of parameter that the module does not take.
const std::map<char, std::vector<std::string>> kBadValues = {
    {'N', {"Nowhere"}}, {'X', {"Nowhere"}}, {'R', {"Nowhere"}},
    {'I', {"12 ", "twelve"}}, {'D', {"12,5"}}, {'B', {"TRUE", ""}},
    {'C', {"255,0"}}, {'c', {"red"}}, {'F', {"Arial|red|12||204"}},
    {'W', {"nonsense", ""}}, {'P', {"no-such-picture.bmp"}}, {'S', {"no-such-folder/chart"}},
    {'K', {"reddish"}}, {'Q', {"1,2"}},
};

// Values the notes of an action name as ignored beyond what their kind refuses.
struct Extra {
  int id;
  std::size_t param;  // counted from 1
  std::string value;
};
const std::vector<Extra> kRangeCases = {
    {3, 4, "center"}, {4, 4, "center"},  {6, 2, "0"},   {6, 2, "3"},  {20, 2, "0"},  {20, 2, "101"},
    {24, 2, "Arial|clRed|12"}, {26, 2, "-1"}, {26, 2, "101"}, {31, 2, "label"}, {36, 2, "dash"},
};

struct Case {
  const pg::host::ActionNote* note;
  std::string name;
  std::vector<std::string> words;  // the parameters after the action's name
};

// The action with the parameters of its example in the reference, the
// rectangle first; the dialogs' actions (which show a dialog) are left out.
std::vector<Case> ExampleCases(const ModuleSession& session) {
  std::vector<Case> cases;
  for (const auto& note : pg::host::ActionNotes()) {
    if (note.kinds == "O") continue;
    const auto* row = session.FindActionById(note.id);
    if (!row) continue;
    Case c{&note, row->name, {}};
    if (note.kinds[0] == 'N' || note.kinds[0] == 'X' || note.kinds[0] == 'R') c.words.push_back("R");
    for (auto& w : pg::host::SplitScriptLine(Replace(std::string(note.example), "{examples}", kExamples)))
      c.words.push_back(w);
    for (std::size_t k = 0; k < c.words.size() && k < note.kinds.size(); ++k)
      if (note.kinds[k] == 'S') {  // written into the test's folder, with the example's extension
        const auto dot = c.words[k].find_last_of('.');
        c.words[k] = "chart" + (dot == std::string::npos ? std::string() : c.words[k].substr(dot));
      }
    cases.push_back(std::move(c));
  }
  return cases;
}

std::string ScriptOf(const Case& c, const std::vector<std::string>& words) {
  std::string script = kSetup + Replace(std::string(c.note->setup), "{rect}", "\"R\"");
  if (!c.note->setup.empty()) script += "\n";
  script += c.name;
  for (const auto& w : words) script += " " + Quoted(w);
  return script + "\n";
}

// The notes of the script's last line that give a reason (not a written file).
std::vector<std::string> ReasonsOfLastLine(const std::string& script, const ScriptOutput& run) {
  std::vector<std::string> reasons;
  const std::string prefix = "line " + std::to_string(LineCount(script)) + ": ";
  for (const auto& line : Lines(run.notes))
    if (line.rfind(prefix, 0) == 0) reasons.push_back(line.substr(prefix.size()));
  return reasons;
}

TEST(ActionNotes, EveryExampleRunsWithoutAReason) {
  ModuleSession session(pg::testing::ModulePath());
  const auto cases = ExampleCases(session);
  session.Close();
  ASSERT_GE(cases.size(), 41u);  // every action with an example, the export included
  for (const auto& c : cases) {
    const std::string script = ScriptOf(c, c.words);
    const ScriptOutput run = RunScript(script);
    EXPECT_EQ(run.error, "") << script;
    EXPECT_TRUE(ReasonsOfLastLine(script, run).empty()) << script << run.notes;
  }
}

// Every kind of value that is ignored silently, in every action that takes it,
// gives one line naming the action and the parameter.
TEST(ActionNotes, EverySilentlyIgnoredValueGivesItsLine) {
  ModuleSession session(pg::testing::ModulePath());
  const auto cases = ExampleCases(session);
  session.Close();
  int checked = 0;
  auto check = [&](const Case& c, std::size_t k, const std::string& bad) {
    auto words = c.words;
    words.resize(std::max(words.size(), k + 1));
    words[k] = bad;
    const std::string script = ScriptOf(c, words);
    const ScriptOutput run = RunScript(script);
    const auto reasons = ReasonsOfLastLine(script, run);
    const std::string expected = c.name + ": parameter " + std::to_string(k + 1) + " \"" + bad + "\" ";
    ASSERT_EQ(reasons.size(), 1u) << script << run.notes;
    EXPECT_EQ(reasons[0].rfind(expected, 0), 0u) << reasons[0];
    ++checked;
  };
  for (const auto& c : cases) {
    for (std::size_t k = 0; k < c.note->kinds.size(); ++k) {
      const auto bad = kBadValues.find(c.note->kinds[k]);
      if (bad == kBadValues.end()) continue;
      for (const auto& value : bad->second) {
        SCOPED_TRACE(c.name + " parameter " + std::to_string(k + 1) + " \"" + value + "\"");
        check(c, k, value);
      }
    }
  }
  for (const auto& extra : kRangeCases) {
    for (const auto& c : cases) {
      if (c.note->id != extra.id) continue;
      SCOPED_TRACE(c.name + " \"" + extra.value + "\"");
      check(c, extra.param - 1, extra.value);
    }
  }
  EXPECT_GT(checked, 100);
}

TEST(ActionNotes, TheLineSaysWhatTookEffect) {
  const std::string script = kSetup +
                             "pgAddSeriesChart \"R\" \"12,5\" \"\xD0\xAE\xD0\xB3\" \"0,0,255\"\n"  // "Юг"
                             "pgChartMargin \"R\" \"10\" \"x\" \"4\" \"4\"\n"
                             "pgChartMargin \"R\" \"10\" \"x\" \"4\" \"4\"\n"
                             "pgSetTitleChart \"R\" \"Sales\" \"Arial|red|12||204\" \"Center\"\n"
                             "pgChartGradient \"R\" \"255,0,0\" \"0,0,255\" \"Diagonal\"\n"
                             "pgChartPicture \"R\" \"yes\" \"" + kExamples + "/pictures/hills.jpg\" \"Stretch\"\n"
                             "pgDeleteSeries \"R\" \"7\"\n"
                             "pgColorToRGB \"reddish\" \"[RGB]\"\n";
  const ScriptOutput run = RunScript(script);
  EXPECT_EQ(run.notes,
            "line 5: pgAddSeriesChart: parameter 2 \"12,5\" is not a number (decimal separator \".\"); nothing changed\n"
            "line 6: pgChartMargin: parameter 3 \"x\" is not a whole 32-bit number; the action stopped there; what "
            "came before it took effect\n"
            // The left margin is 10 already: the same failure now changes nothing.
            "line 7: pgChartMargin: parameter 3 \"x\" is not a whole 32-bit number; nothing changed\n"
            "line 8: pgSetTitleChart: parameter 3 \"Arial|red|12||204\" field 2 (colour) is not a colour name or a "
            "whole number; the action stopped there; what came before it took effect\n"
            "line 9: pgChartGradient: parameter 4 \"Diagonal\" is not one of TopBottom, BottomTop, LeftRight, "
            "RightLeft, FromCenter, FromTopLeft, FromBottomLeft, FromTopRight or FromBottomRight; ignored; the rest "
            "took effect\n"
            "line 10: pgChartPicture: parameter 2 \"yes\" is not True, true, False or false; ignored; the rest took "
            "effect\n"
            "line 11: pgDeleteSeries: parameter 2 \"7\" is not a record number (1 to 2); nothing changed\n"
            "line 12: pgColorToRGB: parameter 1 \"reddish\" is not a colour name or a whole number; nothing changed\n");
}

TEST(ActionNotes, StrictStopsAtTheFirstReasonAndWrittenFilesAreNamed) {
  const std::string script = kSetup +
                             "save R first.png\n"
                             "pgChartBitmap \"R\" \"second\"\n"
                             "pgChartColor \"R\" \"red\"\n"
                             "print after\n";
  const ScriptOutput loose = RunScript(script);
  EXPECT_EQ(loose.notes,
            "wrote first.png (240 \u00D7 180, PNG)\n"
            "wrote second.bmp (240 \u00D7 180, BMP)\n"
            "line 7: pgChartColor: parameter 2 \"red\" is not a colour R,G,B (three whole numbers); nothing changed\n");
  EXPECT_EQ(loose.out, "after is not set\n");
  const ScriptOutput strict = RunScript(script, true);
  EXPECT_EQ(strict.error,
            "line 7: pgChartColor: parameter 2 \"red\" is not a colour R,G,B (three whole numbers); nothing changed");
  EXPECT_EQ(strict.out, "");
}

// The module listens only to a program that declares where its notes go; this
// test program declares it, as the reference host does.
TEST(ActionNotes, OnlyADeclaringProgramIsHeard) {
  EXPECT_EQ(pg::platform::HostProgramText("PirogramNotesVariable", 64), pg::host::kNotesVariable);
  EXPECT_EQ(pg::platform::HostProgramText("PirogramNoSuchDeclaration", 64), "");
}

}  // namespace
