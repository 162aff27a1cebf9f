#pragma once
// Base64 (RFC 4648, with padding), for pictures embedded in text formats.
#include <cstdint>
#include <span>
#include <string>

namespace pg::platform {

std::string Base64(std::span<const std::uint8_t> bytes);

}  // namespace pg::platform
