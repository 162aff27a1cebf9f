#pragma once
// Test files: a folder of its own for each test, removed afterwards, and the
// shipped test pictures.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace pg::testing {

inline std::string PictureData(const std::string& name) {
  return std::string(PG_TEST_DATA) + "/pictures/" + name;
}

struct ScratchDir {
  std::filesystem::path dir;
  explicit ScratchDir(const std::string& name) : dir(std::filesystem::temp_directory_path() / ("pg_" + name)) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string Path(const std::string& name) const { return (dir / name).string(); }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }
  std::string Copy(const std::string& from, const std::string& name) const {
    std::filesystem::copy_file(from, Path(name), std::filesystem::copy_options::overwrite_existing);
    return Path(name);
  }
  int Entries() const {
    return static_cast<int>(
        std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
  }
};

}  // namespace pg::testing
