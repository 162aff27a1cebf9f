#pragma once
// Whether a Windows metafile's drawing maps from its logical window alone. GDI
// converts a metafile to an enhanced one through a viewport in whole pixels of
// a reference device before stretching it, and each of the two roundings moves
// some lines a pixel; a metafile that keeps to its window can instead be
// played straight onto the destination, window to destination in one mapping,
// as the module's player maps it.
#include <cstdint>
#include <span>

namespace pg::platform::metafile {

// True when the standard metafile (from its 18-byte header, without the
// placeable header) sets no viewport, no mapping mode but the anisotropic one,
// no region (regions are kept in device pixels) and restores no saved state by
// its absolute number (which would reach states saved around the playing).
bool KeepsToItsWindow(std::span<const std::uint8_t> standard);

}  // namespace pg::platform::metafile
