#pragma once
#include <memory>

#include "platform/bitmap.h"
#include "platform/soft/soft_device_context.h"
#include "platform/soft/surface.h"

namespace pg::platform {

struct Bitmap::Impl {
  std::unique_ptr<soft::Surface> surface;
  std::unique_ptr<soft::SoftDeviceContext> context;
};

}  // namespace pg::platform
