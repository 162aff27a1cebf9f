#pragma once
// Every picture of the reference is drawn by a whole script that an author can
// run as it is: the script is written to DIR/examples/reference/<stem>.pgs
// first, and that file is what runs, from DIR/img, where its save lands. So a
// shipped script and its picture cannot disagree.
#include <filesystem>
#include <sstream>
#include <string>

#include "module_session.h"
#include "reference_model.h"
#include "script_runner.h"

namespace pg::host {

// The folder of the shipped scripts inside the reference folder, and the name
// they carry beside the other examples.
inline constexpr const char* kShotFolder = "examples/reference";

class ShotTaker {
 public:
  // `dir` is the reference folder; the example pictures (examplesDir/pictures)
  // are copied beside the scripts, where "../pictures/…" finds them.
  ShotTaker(ModuleSession& session, const std::filesystem::path& dir, const std::filesystem::path& examplesDir);

  // A chart in "Rect1" of w × h: `comment` heads the script, `body` creates and
  // styles the chart; the shot adds the save of <stem>.png and, after the
  // run, deletes the chart so that nothing carries over to the next one.
  ReferenceShot Chart(const std::string& stem, const std::string& comment, const std::string& body, int w = 420,
                      int h = 280);
  // A script that saves <stem>.png by itself (an editor's snapshot, say).
  ReferenceShot Take(const std::string& stem, const std::string& script);
  // Lines the reference needs but does not ship.
  void Run(const std::string& script);

  std::string Path(const std::string& relative) const { return (dir_ / relative).string(); }

 private:
  std::filesystem::path dir_;
  std::ostringstream log_;
  ScriptRunner runner_;
};

}  // namespace pg::host
