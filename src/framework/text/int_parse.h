#pragma once
// Integer parameters: decimal, or hexadecimal after "$", "x", "X", "0x", "0X".
#include <cstdint>
#include <string_view>

namespace pg::text {

// Reads the whole text as a 32-bit signed integer; throws pg::ConvertError
// "'<text>' is not a valid integer value" when it is not one.
std::int32_t StrToInt(std::string_view text);

// As StrToInt, but reports failure by returning false (value left unchanged).
bool TryStrToInt(std::string_view text, std::int32_t& value);

}  // namespace pg::text
