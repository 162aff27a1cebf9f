// Picture files written whole or not at all: a write that fails leaves what was
// there and no temporary file (a failing write over a kept file: the bitmap
// action's test).
#include "support/scratch_dir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/picture_file_io.h"

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

}  // namespace
}  // namespace pg::platform
