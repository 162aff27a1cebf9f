#pragma once
// Runs an action script against a loaded module, one command a line.
#include <iosfwd>
#include <string>
#include <vector>

#include "module_session.h"
#include "script_line.h"
#include "script_text.h"

namespace pg::host {

// Stops the run at the first note of an action under --strict (exit status 1).
struct StrictError : ScriptError {
  using ScriptError::ScriptError;
};

struct RunOptions {
  bool printResults = false;  // print "ACTION -> true|false" after each action
  // Where the actions' notes go, each as "line N: ..." (why a parameter took no
  // effect, which file was written); null drops them.
  std::ostream* notes = nullptr;
  // The first reason an action gives ends the run with StrictError.
  bool strict = false;
  // The script's folder, where relative picture paths are looked for after the
  // current folder (see picture_paths.h); "" looks in the current folder only.
  std::string scriptFolder;
};

class ScriptRunner {
 public:
  ScriptRunner(ModuleSession& session, std::ostream& out, RunOptions options);
  // Runs the script's lines. Throws ScriptError("line N: ...") at a malformed line.
  void Run(const std::vector<std::string>& cp1251Lines);
  // The same for a decoded script; its UTF-8 lines give key presses their
  // characters outside code page 1251.
  void Run(const ScriptText& script);
  // The same for a script in UTF-8 (or anything DecodeScript reads).
  void Run(std::istream& script);
  // One line, already split into words in code page 1251.
  void RunCommand(const std::vector<std::string>& words);
  // With the line's words in UTF-8 as well (empty: taken from the 1251 words).
  void RunCommand(const std::vector<std::string>& words, const std::vector<std::string>& utf8Words);

 private:
  void Print(const std::string& cp1251Text);
  // The notes the module left for the action that just ran (see ModuleSession).
  void ReportActionNotes();
  void ReportWritten(const std::string& path, int width, int height, const std::string& format);

  ModuleSession& session_;
  std::ostream& out_;
  RunOptions options_;
  int line_ = 0;
};

}  // namespace pg::host
