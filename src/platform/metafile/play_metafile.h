#pragma once
// Folder rule — platform/metafile: portable GDI metafile records, their check and their
// player, built into both backends; may include the platform interface and picture/, never
// a backend.
// Plays a metafile record by record onto a device context, the way GDI plays
// it: the picture's frame (EMF) or window (WMF) stretched onto dest. Records
// it does not know are skipped; it reads nothing outside a record, and stops
// once its work budget (records and points drawn) is spent.
#include <cstdint>
#include <span>

#include "platform/device_context.h"

namespace pg::platform::metafile {

constexpr long long kDefaultWorkBudget = 40'000'000;
// The context's pixels from (0, 0) that records drawn pixel by pixel (blends,
// gradients) may reach: the surface, which dest may far exceed.
constexpr TSize kAnySurface{32767, 32767};

// False when the bytes are not a metafile of that kind or the budget ran out
// (what was drawn until then stays).
bool PlayEmf(std::span<const std::uint8_t> bytes, DeviceContext& dc, const TRect& dest,
             long long budget = kDefaultWorkBudget, TSize surface = kAnySurface);
// The standard metafile, with or without its placeable header.
bool PlayWmf(std::span<const std::uint8_t> bytes, DeviceContext& dc, const TRect& dest,
             long long budget = kDefaultWorkBudget, TSize surface = kAnySurface);

}  // namespace pg::platform::metafile
