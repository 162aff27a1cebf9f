#pragma once
// What every benchmark shares: the loaded module, and where to leave pictures
// of what the timed paints drew.
#include <string>

#include "module_driver.h"

namespace pg::bench {

ModuleDriver& Driver();
void SetDriver(ModuleDriver* driver);

// Saves what the rectangle shows as DIR/NAME.png when pictures were asked for.
void SavePicture(const std::string& rectangle, const std::string& name);
void SetPictureFolder(const std::string& folder);

// Registers the benchmarks in the order they run: paints, PNG files, the
// extreme-value sweep, actions, memory, large pictures, metafile pictures.
void RegisterPaintBenchmarks();
void RegisterPngBenchmarks();
void RegisterExportBenchmarks();
void RegisterMetafileCheckBenchmarks();
void RegisterSweepBenchmarks();
void RegisterActionBenchmarks();
void RegisterMemoryBenchmarks();
void RegisterPictureBenchmarks();
void RegisterMetafileBenchmarks();

}  // namespace pg::bench
