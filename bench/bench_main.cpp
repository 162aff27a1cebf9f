// pg_bench: loads the module as the reference host does and runs the
// benchmarks against it.
//   pg_bench [--module PATH] [--pictures DIR] [benchmark flags...]
#include <benchmark/benchmark.h>

#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "bench_context.h"

int main(int argc, char** argv) {
  std::string modulePath = PG_MODULE_PATH;
  std::vector<char*> rest{argv[0]};
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--module") == 0 && i + 1 < argc) {
      modulePath = argv[++i];
    } else if (std::strcmp(argv[i], "--pictures") == 0 && i + 1 < argc) {
      pg::bench::SetPictureFolder(argv[++i]);
    } else {
      rest.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(rest.size());
  benchmark::Initialize(&count, rest.data());
  if (benchmark::ReportUnrecognizedArguments(count, rest.data())) return 2;
  try {
    pg::bench::ModuleDriver driver(modulePath);
    pg::bench::SetDriver(&driver);
    pg::bench::RegisterPaintBenchmarks();
    pg::bench::RegisterPngBenchmarks();
    pg::bench::RegisterExportBenchmarks();
    pg::bench::RegisterMetafileCheckBenchmarks();
    pg::bench::RegisterSweepBenchmarks();
    pg::bench::RegisterActionBenchmarks();
    pg::bench::RegisterMemoryBenchmarks();
    pg::bench::RegisterPictureBenchmarks();
    pg::bench::RegisterMetafileBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    driver.Session().Message(2);
    driver.Session().Close();
    pg::bench::SetDriver(nullptr);
    const auto& ledger = driver.Session().Ledger();
    if (ledger.Live() != 0 || ledger.BadFrees() != 0) {
      std::cerr << "pg_bench: " << ledger.Live() << " host string block(s) leaked, " << ledger.BadFrees()
                << " freed twice\n";
      return 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "pg_bench: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
