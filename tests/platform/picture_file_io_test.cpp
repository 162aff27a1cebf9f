// Picture files written whole or not at all: a write that fails leaves what was
// there and no temporary file (a failing write over a kept file: the bitmap
// action's test; full disks and killed saves: scripts/save-faults.sh). A save respects what its target is; a read never waits on a
// file that is not a regular one. Names are code page 1251 bytes.
#include "support/scratch_dir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/text/codepage.h"
#include "platform/picture_file_io.h"
#include "platform/files/temporary_names.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
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

  // The saved name of a hard-linked file gets the new picture, whole; the other
  // name keeps the old one (rewriting in place could tear both).
  const std::string linked = s.Write("linked.bmp", "old");
  fs::create_hard_link(linked, s.Path("other name.bmp"));
  ASSERT_TRUE(WriteFileReplacing(linked, Bytes("new content")));
  EXPECT_EQ(Content(linked), "new content");
  EXPECT_EQ(Content(s.Path("other name.bmp")), "old");
  EXPECT_EQ(fs::hard_link_count(linked), 1u);
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

// Strays of saves that died go with the next save into their folder, once they
// are old enough not to be another save's work in progress; nothing else does.
TEST(PictureFileIo, ASaveRemovesStaleStraysOfOursAndNothingElse) {
  pg::testing::ScratchDir s("file_io_strays");
  const auto old = fs::file_time_type::clock::now() - kStaleTemporaryAge - std::chrono::minutes(1);
  const std::vector<std::string> strays = {".pg.AbC123", ".pg.000000", "pg1a2b.tmp", "PG7F.TMP"};
  const std::vector<std::string> kept = {".pg.AbC12", ".pg.AbC1234", ".pg.AbC-12", "pg1a2g.tmp", "pg.tmp",
                                         "pg12345.tmp", "chart.bmp"};
  for (const auto& name : strays) fs::last_write_time(s.Write(name, "stray"), old);
  for (const auto& name : kept) fs::last_write_time(s.Write(name, "keep"), old);
  const std::string young = s.Write(TemporaryName(12345), "another save at work");
  fs::create_directory(s.dir / ".pg.folder");
  std::error_code agedFolder;  // Wine cannot set a folder's time
  fs::last_write_time(s.dir / ".pg.folder", old, agedFolder);
#ifdef _WIN32
  const bool oldWindowsNames = true;
#else
  const bool oldWindowsNames = false;
#endif

  ASSERT_TRUE(WriteFileReplacing(s.Path("pie.bmp"), Bytes("pie")));
  for (const auto& name : strays) {
    // The names of earlier Windows builds are looked for only on Windows.
    const bool ours = name.starts_with(".pg.") || oldWindowsNames;
    EXPECT_NE(fs::exists(s.dir / name), ours) << name;
  }
  for (const auto& name : kept) EXPECT_TRUE(fs::exists(s.dir / name)) << name;
  EXPECT_TRUE(fs::exists(young));
  EXPECT_TRUE(fs::is_directory(s.dir / ".pg.folder"));
  EXPECT_EQ(Content(s.Path("pie.bmp")), "pie");
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

// Under a file-size limit (ulimit -f) a save past it is a refusal like any
// failed write: the host lives on with its signal handling as it had it, the
// old file stays and nothing is left beside it; a save within it goes through.
TEST(PictureFileIo, AFileSizeLimitIsARefusal) {
  pg::testing::ScratchDir s("file_io_size_limit");
  const std::string file = s.Write("pie.bmp", "old");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{1000, 1000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 || ::signal(SIGXFSZ, SIG_DFL) == SIG_ERR) ::_exit(2);
    if (WriteFileReplacing(file, std::vector<std::uint8_t>(1001, 'x'))) ::_exit(3);
    struct sigaction after {};
    if (::sigaction(SIGXFSZ, nullptr, &after) != 0 || after.sa_handler != SIG_DFL) ::_exit(4);
    ::_exit(WriteFileReplacing(s.Path("small.bmp"), std::vector<std::uint8_t>(1000, 'y')) ? 0 : 5);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "3: saved past the limit, 4: signal handling changed, 5: a save within failed";
  EXPECT_EQ(Content(file), "old");
  EXPECT_EQ(fs::file_size(s.Path("small.bmp")), 1000u);
  EXPECT_EQ(s.Entries(), 2);
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
