// The record check that every metafile passes before it plays: what it costs
// to refuse the two slow files of the report (60 000 nested saved states, to be
// refused within 50 ms; 200 polygons of 4 000 points, 3.2 MB).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "bench_context.h"
#include "platform/picture/picture_headers.h"

namespace pg::bench {

namespace {

void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A standard metafile (no placeable header) with its window set, then n
// saved states, then the end record.
std::vector<std::uint8_t> DeepSaves(int n) {
  std::vector<std::uint8_t> b;
  for (const std::uint32_t w : {1u, 9u, 0x0300u, 0u, 0u, 16u, 5u, 0u, 0u}) Put16(b, w);
  Put32(b, 5), Put16(b, 0x020C), Put16(b, 24), Put16(b, 48);  // SETWINDOWEXT
  for (int i = 0; i < n; ++i) Put32(b, 3), Put16(b, 0x001E);   // SAVEDC
  Put32(b, 3), Put16(b, 0);
  return b;
}

// An enhanced metafile of `polygons` 16-bit polygons of `points` points each.
std::vector<std::uint8_t> ManyPoints(int polygons, int points) {
  std::vector<std::uint8_t> b;
  const std::uint32_t header[] = {1, 88, 0, 0, 523, 245, 0, 0, 13864, 6509, 0x464D4520, 0x10000, 0, 0, 8, 0, 0, 0,
                                  1000, 1000, 100, 100};
  for (const std::uint32_t v : header) Put32(b, v);
  for (int p = 0; p < polygons; ++p) {
    Put32(b, 86), Put32(b, 28 + 4 * static_cast<std::uint32_t>(points));
    for (const std::uint32_t v : {0u, 0u, 523u, 245u}) Put32(b, v);
    Put32(b, static_cast<std::uint32_t>(points));
    for (int i = 0; i < points; ++i) Put16(b, static_cast<std::uint32_t>(i * 37 % 524)), Put16(b, static_cast<std::uint32_t>(i * 91 % 246));
  }
  for (const std::uint32_t v : {14u, 20u, 0u, 16u, 20u}) Put32(b, v);
  return b;
}

void BM_RefuseDeepSaves(benchmark::State& state) {
  const auto bytes = DeepSaves(60'000);
  for (auto _ : state)
    if (platform::ReadWmfLayout(bytes)) state.SkipWithError("60 000 saved states were accepted");
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

void BM_RefuseManyPoints(benchmark::State& state) {
  const auto bytes = ManyPoints(200, 4000);
  for (auto _ : state)
    if (platform::ReadEmfExtent(bytes)) state.SkipWithError("200 polygons of 4 000 points were accepted");
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

}  // namespace

void RegisterMetafileCheckBenchmarks() {
  benchmark::RegisterBenchmark("metafile_check/refuse_60000_saves", BM_RefuseDeepSaves)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("metafile_check/refuse_200x4000_points", BM_RefuseManyPoints)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace pg::bench
