// The running program's own file: what the host looks for its module beside.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/module_loader.h"

namespace pg::platform {
namespace {

TEST(ProgramPath, NamesThisProgramsFile) {
  const std::filesystem::path path(ProgramPath());
  EXPECT_TRUE(path.is_absolute()) << path;
  EXPECT_EQ(path.stem().string(), "pg_tests");
  EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
}

}  // namespace
}  // namespace pg::platform
