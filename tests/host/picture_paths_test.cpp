// Relative picture paths: the current folder first (a script loads what it has
// just saved there), then the script's own folder (examples shipped beside their
// pictures run from anywhere).
#include "support/scratch_dir.h"
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/text/codepage.h"
#include "picture_paths.h"

namespace pg::host {
namespace {

namespace fs = std::filesystem;

// Runs the test from a folder of its own and goes back afterwards.
struct InFolder {
  fs::path before = fs::current_path();
  explicit InFolder(const fs::path& dir) { fs::current_path(dir); }
  ~InFolder() { fs::current_path(before); }
};

#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif

TEST(PicturePaths, CurrentFolderFirstThenTheScripts) {
  pg::testing::ScratchDir s("picture_paths");
  fs::create_directories(s.dir / "script" / "pictures");
  fs::create_directories(s.dir / "run");
  s.Write("script/pictures/dots.bmp", "BM");
  s.Write("script/both.bmp", "BM");
  s.Write("run/both.bmp", "BM");
  std::ofstream(s.dir / "script" / fs::path(u8"рисунок.bmp"), std::ios::binary) << "BM";
  const std::string folder = (s.dir / "script").string();
  InFolder run(s.dir / "run");

  EXPECT_EQ(ResolvePicturePath("pictures/dots.bmp", folder), folder + kSep + "pictures/dots.bmp");
  EXPECT_EQ(ResolvePicturePath("both.bmp", folder), "both.bmp");
  EXPECT_EQ(ResolvePicturePath("nowhere.bmp", folder), "nowhere.bmp");
  EXPECT_EQ(ResolvePicturePath("pictures/dots.bmp", ""), "pictures/dots.bmp");
  EXPECT_EQ(ResolvePicturePath("", folder), "");
  const std::string cyrillic = text::Utf8ToCp1251("рисунок.bmp");
  EXPECT_EQ(ResolvePicturePath(cyrillic, folder), folder + kSep + cyrillic);
}

TEST(PicturePaths, AbsolutePathsStayAsTheyAre) {
  EXPECT_TRUE(IsAbsolutePath("/usr/share/pictures/a.bmp"));
  EXPECT_FALSE(IsAbsolutePath("pictures/a.bmp"));
  EXPECT_FALSE(IsAbsolutePath("../a.bmp"));
#ifdef _WIN32
  EXPECT_TRUE(IsAbsolutePath("C:\\pictures\\a.bmp"));
  EXPECT_TRUE(IsAbsolutePath("d:a.bmp"));
  EXPECT_TRUE(IsAbsolutePath("\\\\server\\share\\a.bmp"));
#else
  EXPECT_FALSE(IsAbsolutePath("C:\\pictures\\a.bmp"));
#endif
  EXPECT_EQ(ResolvePicturePath("/no/such/a.bmp", "/tmp"), "/no/such/a.bmp");
}

}  // namespace
}  // namespace pg::host
