#pragma once
// The module's vocabulary as the host sees it: 43 actions under 8 group headers.
#include <array>
#include <cstdint>
#include <span>

namespace pg::plugin {

enum ParamKind : std::uint8_t { kInput = 1, kOutput = 6 };

struct CatalogueRow {
  std::int32_t id;    // 0 for a group header
  const char* name;   // code page 1251
  const char* hint;   // code page 1251; empty for headers
  std::int32_t count; // parameters; 0 for headers
  std::array<std::uint8_t, 5> kinds;
  std::uint8_t kindCount;  // headers pass a one-element array
};

std::span<const CatalogueRow> Catalogue();
// The row of an action id (1..43), or null.
const CatalogueRow* FindAction(std::int32_t id);

// Hands every row to the host's add-action callback, in order.
void RegisterCatalogue();

}  // namespace pg::plugin
