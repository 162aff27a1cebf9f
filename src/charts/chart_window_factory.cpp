#include "charts/chart_window_factory.h"

#include <memory>

#include "charts/chart_image_form.h"
#include "charts/chart_registry.h"

namespace pg::charts {

bool CreateChartWindow(const std::string& rectangleName, std::int32_t hostWindow) {
  auto form = std::make_unique<TChartImageForm>(rectangleName);
  if (!form->SetParentWindow(hostWindow)) return false;
  form->FitToParent();
  form->Show();
  AppendChartWindow(std::move(form));
  return true;
}

}  // namespace pg::charts
