#include "bench_context.h"

#include <stdexcept>

#include "module_session.h"
#include "platform/bitmap.h"

namespace pg::bench {

namespace {
ModuleDriver* g_driver = nullptr;
std::string g_pictures;
}  // namespace

ModuleDriver& Driver() {
  if (!g_driver) throw std::logic_error("no module loaded");
  return *g_driver;
}
void SetDriver(ModuleDriver* driver) { g_driver = driver; }

void SetPictureFolder(const std::string& folder) { g_pictures = folder; }

void SavePicture(const std::string& rectangle, const std::string& name) {
  if (g_pictures.empty()) return;
  const host::Rectangle* r = Driver().Session().FindRectangle(rectangle);
  if (!r) return;
  platform::DeliverPendingPaints();
  if (auto picture = platform::CaptureWindow(r->window)) picture->SavePng(g_pictures + "/" + name + ".png");
}

}  // namespace pg::bench
