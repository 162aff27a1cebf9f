#include "extreme_sweep.h"

#include <functional>

#include "framework/text/codepage.h"
#include "platform/window.h"

namespace pg::bench {

namespace {

struct Property {
  std::function<SweepStep(const std::string& value)> set;
  SweepStep restore;
  bool tick = false;
};

// Font descriptions with the standard chart's faces and colours at `size`.
std::string Font(const std::string& colour, const std::string& size, const std::string& styles,
                 const std::string& charset) {
  return "Arial|" + colour + "|" + size + "|" + styles + "|" + charset;
}

void Run(ModuleDriver& driver, const SweepStep& step) {
  std::vector<std::string> cp1251;
  for (const auto& a : step.args) cp1251.push_back(text::Utf8ToCp1251(a));
  driver.Run(driver.Find(step.action), cp1251);
}

}  // namespace

std::vector<SweepCase> ExtremeSweepCases(const std::string& r) {
  const std::string title = "Продажи за год", foot = "Источник: годовой отчёт";
  const std::vector<Property> properties = {
      {[&](const std::string& v) { return SweepStep{"pgChartBorderWidth", {r, v}}; },
       {"pgChartBorderWidth", {r, "0"}}},
      {[&](const std::string& v) { return SweepStep{"pgChartMargin", {r, v, "3", "4", "4"}}; },
       {"pgChartMargin", {r, "3", "3", "4", "4"}}},
      {[&](const std::string& v) { return SweepStep{"pgChartMargin", {r, "3", v, "4", "4"}}; },
       {"pgChartMargin", {r, "3", "3", "4", "4"}}},
      {[&](const std::string& v) { return SweepStep{"pgChartMargin", {r, "3", "3", v, "4"}}; },
       {"pgChartMargin", {r, "3", "3", "4", "4"}}},
      {[&](const std::string& v) { return SweepStep{"pgChartMargin", {r, "3", "3", "4", v}}; },
       {"pgChartMargin", {r, "3", "3", "4", "4"}}},
      {[&](const std::string& v) { return SweepStep{"pgMarksFrame", {r, "0,0,0", v}}; },
       {"pgMarksFrame", {r, "0,0,0", "1"}}},
      {[&](const std::string& v) { return SweepStep{"pgLegendShadow", {r, "0,0,0", v}}; },
       {"pgLegendShadow", {r, "0,0,0", "3"}}},
      {[&](const std::string& v) { return SweepStep{"pgView3DZoom", {r, v}}; }, {"pgView3DZoom", {r, "100"}}},
      {[&](const std::string& v) { return SweepStep{"pgView3DHoriz", {r, v}}; }, {"pgView3DHoriz", {r, "0"}}},
      {[&](const std::string& v) { return SweepStep{"pgView3DVert", {r, v}}; }, {"pgView3DVert", {r, "0"}}},
      {[&](const std::string& v) { return SweepStep{"pgView3DPerspective", {r, v}}; },
       {"pgView3DPerspective", {r, "0"}}},
      {[&](const std::string& v) { return SweepStep{"pgView3DRotation", {r, v}}; },
       {"pgView3DRotation", {r, "360"}}},
      {[&](const std::string& v) { return SweepStep{"pgView3DElevation", {r, v}}; },
       {"pgView3DElevation", {r, "315"}}},
      {[&](const std::string& v) { return SweepStep{"pgView3DDepth", {r, v}}; }, {"pgView3DDepth", {r, "15"}}},
      {[&](const std::string& v) {
         return SweepStep{"pgSetTitleChart", {r, title, Font("clNavy", v, "fsBold ", "204"), "Center"}};
       },
       {"pgSetTitleChart", {r, title, Font("clNavy", "12", "fsBold ", "204"), "Center"}}},
      {[&](const std::string& v) {
         return SweepStep{"pgSetFootChart", {r, foot, Font("clBlack", v, "", "204"), "Right"}};
       },
       {"pgSetFootChart", {r, foot, Font("clBlack", "8", "", "204"), "Right"}}},
      {[&](const std::string& v) { return SweepStep{"pgSetLegendFont", {r, Font("clBlack", v, "", "1")}}; },
       {"pgSetLegendFont", {r, Font("clBlack", "8", "", "1")}}},
      {[&](const std::string& v) {
         return SweepStep{"pgMarksFontColor", {r, "255,255,128", Font("clBlack", v, "", "1")}};
       },
       {"pgMarksFontColor", {r, "255,255,128", Font("clBlack", "8", "", "1")}}},
      {[&](const std::string& v) { return SweepStep{"pgChartRoll", {r, "True", "30", v}}; },
       {"pgChartRoll", {r, "False", "30", "10"}},
       true},
      {[&](const std::string& v) { return SweepStep{"pgChartRoll", {r, "True", v, "10"}}; },
       {"pgChartRoll", {r, "False", "30", "10"}},
       true},
  };
  const std::vector<std::string> values = {"-2147483648", "-1",     "0",        "2147483647",
                                           "5000",        "100000", "50000000", "-100000"};
  std::vector<SweepCase> cases;
  for (const auto& p : properties)
    for (const auto& v : values) {
      SweepStep set = p.set(v);
      std::string name = set.action;
      for (std::size_t i = 1; i < set.args.size(); ++i) name += " " + set.args[i];
      cases.push_back(SweepCase{name, std::move(set), p.restore, p.tick});
    }
  return cases;
}

void PaintSweepCase(ModuleDriver& driver, const SweepCase& c) {
  Run(driver, c.set);
  if (c.tick)
    platform::RunMessagePeriod(150);
  else
    platform::DeliverPendingPaints();
}

void RestoreSweepCase(ModuleDriver& driver, const SweepCase& c) {
  Run(driver, c.restore);
  platform::DeliverPendingPaints();
}

}  // namespace pg::bench
