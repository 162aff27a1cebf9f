#pragma once
// A Windows metafile converted from an enhanced one (GDI's GetWinMetaFileBits,
// and LibreOffice's writer) carries the whole enhanced metafile in comment
// records ("WMFC" pieces), and Windows plays that instead of the records, which
// only approximate it. Both builds take it from here, so they decide alike.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/metafile/record_check.h"

namespace pg::platform::metafile {

// The enhanced metafile the standard metafile (from its 18-byte header, without
// the placeable header) carries, when its pieces are all there and agree: each
// piece says it is one of the same count, of the same total, in order, its
// size and what remains adding up to that total; the first piece's checksum
// holds; and the enhanced metafile passes the record check like any other.
// Empty when there are no pieces or they do not hold together: the file's own
// records are played then.
std::optional<std::vector<std::uint8_t>> EmbeddedEmf(std::span<const std::uint8_t> standard,
                                                     const WorkLimits& limits = {});

// The standard metafile without its pieces (comments that draw nothing), for a
// player that would otherwise take them by a rule of its own: GDI under Wine
// takes pieces this check refuses, and then draws nothing.
std::vector<std::uint8_t> WithoutEmbeddedPieces(std::span<const std::uint8_t> standard);

}  // namespace pg::platform::metafile
