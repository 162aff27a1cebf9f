#include "charts/chart_registry.h"

#include <optional>
#include <vector>

#include "framework/text/ascii_text.h"

namespace pg::charts {

namespace {

std::optional<std::vector<std::unique_ptr<TChartImageForm>>>& Registry() {
  static std::optional<std::vector<std::unique_ptr<TChartImageForm>>> registry;
  return registry;
}

}  // namespace

TChartImageForm* FindChartWindow(std::string_view rectangleName) {
  auto& reg = Registry();
  if (!reg) return nullptr;
  for (auto& w : *reg)
    if (text::SameTextAsciiCase(w->RectangleName(), rectangleName)) return w.get();
  return nullptr;
}

void AppendChartWindow(std::unique_ptr<TChartImageForm> window) {
  auto& reg = Registry();
  if (!reg) reg.emplace();
  reg->push_back(std::move(window));
}

bool DeleteChartWindow(std::string_view rectangleName) {
  auto& reg = Registry();
  if (!reg) return false;
  for (auto it = reg->begin(); it != reg->end(); ++it) {
    if (text::SameTextAsciiCase((*it)->RectangleName(), rectangleName)) {
      // Take it out first so that nothing finds a window being destroyed.
      auto doomed = std::move(*it);
      reg->erase(it);
      doomed.reset();
      return true;
    }
  }
  return false;
}

void DestroyChartRegistry() {
  auto& reg = Registry();
  if (!reg) return;
  auto windows = std::move(*reg);
  reg.reset();
  for (auto& w : windows) w.reset();
}

bool ChartRegistryExists() { return Registry().has_value(); }

}  // namespace pg::charts
