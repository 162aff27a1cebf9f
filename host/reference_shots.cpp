#include "reference_shots.h"

#include <fstream>
#include <stdexcept>

#include "reference_script.h"

namespace pg::host {
namespace {

namespace fs = std::filesystem;

// Runs in another folder and comes back, whatever happens.
class InFolder {
 public:
  explicit InFolder(const fs::path& folder) : back_(fs::current_path()) { fs::current_path(folder); }
  ~InFolder() {
    std::error_code ignored;
    fs::current_path(back_, ignored);
  }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  fs::path back_;
};

}  // namespace

ShotTaker::ShotTaker(ModuleSession& session, const fs::path& dir, const fs::path& examplesDir)
    : dir_(fs::absolute(dir)),
      runner_(session, log_, RunOptions{false, (fs::absolute(dir) / kShotFolder).string()}) {
  fs::create_directories(dir_ / "img");
  fs::create_directories(dir_ / kShotFolder);
  const fs::path pictures = fs::absolute(examplesDir) / "pictures";
  fs::create_directories(dir_ / "examples" / "pictures");
  if (fs::is_directory(pictures))
    fs::copy(pictures, dir_ / "examples" / "pictures", fs::copy_options::overwrite_existing | fs::copy_options::recursive);
}

ReferenceShot ShotTaker::Take(const std::string& stem, const std::string& script) {
  ReferenceShot shot{"img/" + stem + ".png", script, "reference/" + stem + ".pgs"};
  const fs::path file = dir_ / kShotFolder / (stem + ".pgs");
  {
    std::ofstream out(file, std::ios::binary);
    out << script;
    if (!out) throw std::runtime_error("cannot write " + file.string());
  }
  fs::remove(Path(shot.image));
  {
    InFolder there(dir_ / "img");
    std::ifstream in(file, std::ios::binary);
    runner_.Run(in);
  }
  if (!fs::exists(Path(shot.image))) throw std::runtime_error("the script " + shot.file + " drew no picture");
  return shot;
}

ReferenceShot ShotTaker::Chart(const std::string& stem, const std::string& comment, const std::string& body, int w,
                               int h) {
  const std::string script = "# " + comment + "\nrect Rect1 " + std::to_string(w) + " " + std::to_string(h) + "\n" + body +
                             "save Rect1 " + QuoteWord(stem + ".png") + "\n";
  ReferenceShot shot = Take(stem, script);
  Run("pgChartDelete \"Rect1\"\n");
  return shot;
}

void ShotTaker::Run(const std::string& script) {
  std::istringstream in(script);
  runner_.Run(in);
}

}  // namespace pg::host
