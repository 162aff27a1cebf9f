// Picture files written whole or not at all: a write that fails leaves what was
// there and no temporary file (a failing write over a kept file: the bitmap
// action's test). A save respects what its target is; a read never waits on a
// file that is not a regular one. Names are code page 1251 bytes.
#include "support/scratch_dir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/text/codepage.h"
#include "platform/picture_file_io.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace pg::platform {
namespace {

namespace fs = std::filesystem;


std::string Content(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

TEST(PictureFileIo, WritesAndReplacesWhole) {
  pg::testing::ScratchDir s("file_io_replace");
  const std::string path = s.Path("pie.bmp");
  ASSERT_TRUE(WriteFileReplacing(path, Bytes("first")));
  EXPECT_EQ(Content(path), "first");
  ASSERT_TRUE(WriteFileReplacing(path, Bytes("second, longer")));
  EXPECT_EQ(Content(path), "second, longer");
  ASSERT_TRUE(WriteFileReplacing(path, Bytes("3")));
  EXPECT_EQ(Content(path), "3");
  EXPECT_EQ(s.Entries(), 1);

  std::vector<std::uint8_t> read;
  ASSERT_TRUE(ReadFileBytes(path, 1, read));
  EXPECT_EQ(read, Bytes("3"));
  EXPECT_FALSE(ReadFileBytes(path, 0, read));  // larger than allowed
  EXPECT_FALSE(ReadFileBytes(s.dir.string(), 100, read));
  EXPECT_FALSE(ReadFileBytes(s.Path("none"), 100, read));
}

TEST(PictureFileIo, FailuresLeaveWhatWasThere) {
  pg::testing::ScratchDir s("file_io_failures");
  EXPECT_FALSE(WriteFileReplacing(s.Path("no folder/pie.bmp"), Bytes("x")));
  fs::create_directories(s.dir / "taken.bmp" / "inner");
  EXPECT_FALSE(WriteFileReplacing(s.Path("taken.bmp"), Bytes("x")));
  EXPECT_TRUE(fs::is_directory(s.dir / "taken.bmp" / "inner"));
  EXPECT_EQ(s.Entries(), 1);
  EXPECT_FALSE(WriteFileReplacing("", Bytes("x")));
}

TEST(PictureFileIo, ASaveRespectsWhatItsTargetIs) {
  pg::testing::ScratchDir s("file_io_targets");
  // A write-protected file is refused, whoever runs the save.
  const std::string protectedFile = s.Write("ro.bmp", "kept");
  fs::permissions(protectedFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(WriteFileReplacing(protectedFile, Bytes("new")));
  EXPECT_EQ(Content(protectedFile), "kept");
  fs::permissions(protectedFile, fs::perms::owner_write, fs::perm_options::add);

  // Every name of a hard-linked file sees the new content.
  const std::string linked = s.Write("linked.bmp", "old");
  fs::create_hard_link(linked, s.Path("other name.bmp"));
  ASSERT_TRUE(WriteFileReplacing(linked, Bytes("new content")));
  EXPECT_EQ(Content(s.Path("other name.bmp")), "new content");
  EXPECT_EQ(s.Entries(), 3);

#ifndef _WIN32
  // A symbolic link keeps pointing at its target, which gets the content.
  const std::string target = s.Write("target.bmp", "old");
  fs::create_symlink("target.bmp", s.Path("link.bmp"));
  ASSERT_TRUE(WriteFileReplacing(s.Path("link.bmp"), Bytes("through the link")));
  EXPECT_TRUE(fs::is_symlink(s.Path("link.bmp")));
  EXPECT_EQ(Content(target), "through the link");
  // A link to a file yet to be made creates that file.
  fs::create_symlink("made.bmp", s.Path("ahead.bmp"));
  ASSERT_TRUE(WriteFileReplacing(s.Path("ahead.bmp"), Bytes("made")));
  EXPECT_EQ(Content(s.Path("made.bmp")), "made");
  EXPECT_TRUE(fs::is_symlink(s.Path("ahead.bmp")));

  // The file's mode stays; a base name near the system's limit is saved.
  const std::string modeFile = s.Write("mode.bmp", "old");
  ::chmod(modeFile.c_str(), 0640);
  ASSERT_TRUE(WriteFileReplacing(modeFile, Bytes("new")));
  struct stat st {};
  ASSERT_EQ(::stat(modeFile.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  const std::string longName = s.Path(std::string(248, 'n') + ".bmp");
  ASSERT_TRUE(WriteFileReplacing(longName, Bytes("long")));
  EXPECT_EQ(Content(longName), "long");
  EXPECT_EQ(s.Entries(), 9);
#endif
}

TEST(PictureFileIo, CyrillicNamesReachTheFileSystem) {
  pg::testing::ScratchDir s("file_io_cyrillic");
  // Joined as bytes: the library's own path conversion would not keep them.
  const std::string path = s.dir.string() + "/" + text::Utf8ToCp1251("диаграмма.bmp");
  ASSERT_TRUE(WriteFileReplacing(path, Bytes("pie")));
  std::vector<std::uint8_t> read;
  ASSERT_TRUE(ReadFileBytes(path, 100, read));
  EXPECT_EQ(read, Bytes("pie"));
  // The folder holds the name as its own file system spells it.
  EXPECT_TRUE(fs::exists(s.dir / fs::path(u8"диаграмма.bmp")));
  EXPECT_EQ(s.Entries(), 1);
}

#ifndef _WIN32
// Another user's file in a folder anyone may write: a rename would replace it,
// a plain write would be refused. Root makes the file and saves as "nobody".
TEST(PictureFileIo, AnotherUsersFileIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a file that another user then may not write";
  pg::testing::ScratchDir s("file_io_other_user");
  fs::permissions(s.dir, fs::perms::all);
  const std::string file = s.Write("theirs.bmp", "kept");
  ::chmod(file.c_str(), 0644);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
    ::_exit(WriteFileReplacing(file, Bytes("new")) ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the save went through, 2: could not become nobody";
  EXPECT_EQ(Content(file), "kept");
  EXPECT_EQ(s.Entries(), 1);
}

TEST(PictureFileIo, AFifoIsRefusedWithoutWaiting) {
  pg::testing::ScratchDir s("file_io_fifo");
  ASSERT_EQ(::mkfifo(s.Path("pipe.bmp").c_str(), 0600), 0);
  std::vector<std::uint8_t> read;
  EXPECT_FALSE(ReadFileBytes(s.Path("pipe.bmp"), 100, read));
  EXPECT_FALSE(WriteFileReplacing(s.Path("pipe.bmp"), Bytes("x")));
  EXPECT_EQ(s.Entries(), 1);
}
#endif

}  // namespace
}  // namespace pg::platform
