#include "standard_chart.h"

#include <array>
#include <stdexcept>

#include "framework/text/codepage.h"

namespace pg::bench {

namespace {
constexpr std::array<const char*, 12> kMonths = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                                 "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
constexpr std::array<int, 12> kValues = {31, 28, 35, 40, 52, 61, 66, 63, 50, 41, 33, 30};
}  // namespace

std::string SliceLabel(int i) {
  const std::string month = kMonths[static_cast<std::size_t>(i % 12)];
  return i < 12 ? month : month + " " + std::to_string(i / 12 + 1);
}

int SliceValue(int i) { return kValues[static_cast<std::size_t>(i % 12)] + i % 7; }

platform::WindowHandle BuildChart(ModuleDriver& driver, const std::string& rectangle, const ChartLook& look) {
  driver.Rectangle(rectangle, kChartWidth, kChartHeight);
  if (!driver.Run("pgChartCreate", {rectangle})) throw std::runtime_error("pgChartCreate refused " + rectangle);
  driver.Run("pgSetTitleChart", {rectangle, "Продажи за год", "Arial|clNavy|12|fsBold |204", "Center"});
  driver.Run("pgSetFootChart", {rectangle, "Источник: годовой отчёт", "Arial|clBlack|8||204", "Right"});
  driver.Run("pgChartGradient", {rectangle, "255,255,255", "150,180,240", "TopBottom"});
  driver.Run("pgView3DPicture", {rectangle, look.view3D ? "True" : "False"});
  // Prepared texts: building a 10 000-slice chart should not cost more than its paint.
  const auto add = driver.Find("pgAddSeriesChart");
  const std::string name = text::Utf8ToCp1251(rectangle);
  for (int i = 0; i < look.slices; ++i)
    driver.Run(add, {name, std::to_string(SliceValue(i)), text::Utf8ToCp1251(SliceLabel(i)), ""});
  const std::string error = driver.TakeLastError();
  if (!error.empty()) throw std::runtime_error("building the chart in " + rectangle + ": " + error);
  platform::DeliverPendingPaints();
  const auto chart = driver.ChartWindow(rectangle);
  if (!chart) throw std::runtime_error("no chart window in " + rectangle);
  return chart;
}

}  // namespace pg::bench
