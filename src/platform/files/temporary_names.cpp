#include "platform/files/temporary_names.h"

#include <random>

namespace pg::platform {

namespace {

constexpr std::string_view kPrefix = ".pg.";
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLetters = 6;

bool IsLetterOrDigit(char c) { return kLetters.find(c) != std::string_view::npos; }

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }

bool SameAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
  return true;
}

}  // namespace

std::string TemporaryName(std::uint64_t random) {
  std::string name(kPrefix);
  for (std::size_t i = 0; i < kRandomLetters; ++i) {
    name += kLetters[random % kLetters.size()];
    random /= kLetters.size();
  }
  return name;
}

std::string NewTemporaryName() {
  static std::mt19937_64 numbers{std::random_device{}()};
  return TemporaryName(numbers());
}

bool IsTemporaryName(std::string_view name) {
  if (name.size() != kPrefix.size() + kRandomLetters || name.substr(0, kPrefix.size()) != kPrefix) return false;
  for (const char c : name.substr(kPrefix.size()))
    if (!IsLetterOrDigit(c)) return false;
  return true;
}

bool IsOldWindowsTemporaryName(std::string_view name) {
  if (name.size() < 7 || name.size() > 10 || !SameAsciiCase(name.substr(0, 2), "pg") ||
      !SameAsciiCase(name.substr(name.size() - 4), ".tmp"))
    return false;
  for (const char c : name.substr(2, name.size() - 6))
    if (!IsHexDigit(c)) return false;
  return true;
}

}  // namespace pg::platform
