// A picture path naming a pipe is refused at once: a read from it would wait
// for a writer that never comes.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/picture_file_io.h"

namespace pg::platform {
namespace {

TEST(PictureFileIoWin32, APipeIsRefusedWithoutWaiting) {
  const char* name = "\\\\.\\pipe\\pg_picture_pipe.bmp";
  HANDLE server = ::CreateNamedPipeA(name, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 64, 64, 0, nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);
  std::vector<std::uint8_t> bytes;
  EXPECT_FALSE(ReadFileBytes(name, 100, bytes));
  EXPECT_FALSE(ReadFileBytes("CON", 100, bytes));
  ::CloseHandle(server);
}

}  // namespace
}  // namespace pg::platform
