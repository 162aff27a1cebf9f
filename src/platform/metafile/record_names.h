#pragma once
// Record types by the names GDI's documentation gives them, for messages that
// say which record a file was refused for.
#include <cstdint>
#include <string>

namespace pg::platform::metafile {

// "EMR_POLYLINE16", or "EMR_#n" for a type this list lacks.
std::string EmfRecordName(std::uint32_t type);
// "META_CREATEBRUSHINDIRECT", or "META_#0xnnnn" for a function this list lacks.
std::string WmfRecordName(std::uint16_t function);

}  // namespace pg::platform::metafile
