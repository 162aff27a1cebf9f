#pragma once
// The module's vocabulary as the host sees it: the actions under 8 group headers.
#include <array>
#include <cstdint>
#include <span>

namespace pg::plugin {

// The last action id.
inline constexpr std::int32_t kLastActionId = 49;
// The pie layout actions close the list, in this order: pgMarksLayout,
// pgOtherSlice, pgExplodeSlice, pgExplodeBiggest, pgSlicePatterns, pgPieCircled.
inline constexpr std::int32_t kMarksLayoutId = kLastActionId - 5;
inline constexpr std::int32_t kOtherSliceId = kMarksLayoutId + 1;
inline constexpr std::int32_t kExplodeSliceId = kMarksLayoutId + 2;
inline constexpr std::int32_t kExplodeBiggestId = kMarksLayoutId + 3;
inline constexpr std::int32_t kSlicePatternsId = kMarksLayoutId + 4;
inline constexpr std::int32_t kPieCircledId = kMarksLayoutId + 5;

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
// The row of an action id (1..kLastActionId), or null.
const CatalogueRow* FindAction(std::int32_t id);

// Hands every row to the host's add-action callback, in order.
void RegisterCatalogue();

}  // namespace pg::plugin
