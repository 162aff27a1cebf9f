#include "charts/chart_registry.h"

#include <vector>

#include "framework/text/ascii_text.h"

namespace pg::charts {

namespace {

using Windows = std::vector<std::unique_ptr<TChartImageForm>>;

// Made by the first window, destroyed only by the shutdown message. A host that
// unloads the module without that message leaves its windows as they are: they
// must not be destroyed while the module unloads, when windows and timers may
// already be gone or must not be touched (on Windows, inside DllMain).
Windows*& Registry() {
  static Windows* registry = nullptr;
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
  if (!reg) reg = new Windows;
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
  const std::unique_ptr<Windows> windows(reg);
  reg = nullptr;
  for (auto& w : *windows) w.reset();
}

bool ChartRegistryExists() { return Registry() != nullptr; }

}  // namespace pg::charts
