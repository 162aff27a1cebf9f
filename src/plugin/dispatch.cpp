#include "plugin/dispatch.h"

#include <array>

#include "charts/actions/chart_actions.h"
#include "framework/notes/action_notes.h"
#include "plugin/action_notes_delivery.h"
#include "plugin/actions/plain_actions.h"
#include "plugin/catalogue/catalogue.h"

namespace pg::plugin {

namespace {

// Indexed by id - 1.
constexpr std::array<ActionEntry, kLastActionId> kActions = {{
    {1, nullptr, &ChartCreateAction},  // 1 pgChartCreate
    {1, nullptr, &ChartDeleteAction},  // 2 pgChartDelete
    {4, &charts::SetTitleChart, nullptr},  // 3 pgSetTitleChart
    {4, &charts::SetFootChart, nullptr},  // 4 pgSetFootChart
    {4, &charts::AddSeriesChart, nullptr},  // 5 pgAddSeriesChart
    {2, &charts::DeleteSeries, nullptr},  // 6 pgDeleteSeries
    {1, &charts::ClearSeries, nullptr},  // 7 pgClearSeries
    {2, &charts::ChartVisible, nullptr},  // 8 pgChartVisible
    {2, &charts::ChartMonochrome, nullptr},  // 9 pgChartMonochrome
    {2, &charts::ChartColor, nullptr},  // 10 pgChartColor
    {4, &charts::ChartGradient, nullptr},  // 11 pgChartGradient
    {4, &charts::ChartPicture, nullptr},  // 12 pgChartPicture
    {2, &charts::View3DPicture, nullptr},  // 13 pgView3DPicture
    {2, &charts::View3DPerspective, nullptr},  // 14 pgView3DPerspective
    {2, &charts::View3DRotation, nullptr},  // 15 pgView3DRotation
    {2, &charts::View3DElevation, nullptr},  // 16 pgView3DElevation
    {2, &charts::View3DHoriz, nullptr},  // 17 pgView3DHoriz
    {2, &charts::View3DZoom, nullptr},  // 18 pgView3DZoom
    {2, &charts::View3DVert, nullptr},  // 19 pgView3DVert
    {2, &charts::View3DDepth, nullptr},  // 20 pgView3DDepth
    {5, &charts::ChartMargin, nullptr},  // 21 pgChartMargin
    {2, &charts::ChartBorderWidth, nullptr},  // 22 pgChartBorderWidth
    {2, &charts::LegendVisible, nullptr},  // 23 pgLegendVisible
    {2, &charts::SetLegendFont, nullptr},  // 24 pgSetLegendFont
    {2, &charts::LegendColor, nullptr},  // 25 pgLegendColor
    {2, &charts::LegendColorWidth, nullptr},  // 26 pgLegendColorWidth
    {2, &charts::LegendInverted, nullptr},  // 27 pgLegendInverted
    {2, &charts::LegendResize, nullptr},  // 28 pgLegendResize
    {3, &charts::LegendShadow, nullptr},  // 29 pgLegendShadow
    {2, &charts::MarksVisible, nullptr},  // 30 pgMarksVisible
    {2, &charts::MarksStyle, nullptr},  // 31 pgMarksStyle
    {2, &charts::MarksTransparent, nullptr},  // 32 pgMarksTransparent
    {3, &charts::MarksFontColor, nullptr},  // 33 pgMarksFontColor
    {3, &charts::MarksFrame, nullptr},  // 34 pgMarksFrame
    {2, &charts::MarksFrVisible, nullptr},  // 35 pgMarksFrVisible
    {2, &charts::MarksFrStyle, nullptr},  // 36 pgMarksFrStyle
    {1, nullptr, &ColourBoxAction},    // 37 pgColorBox
    {1, nullptr, &FontDialogAction},   // 38 pgFontDialog
    {2, &charts::ChartBitmap, nullptr},  // 39 pgChartBitmap
    {2, nullptr, &ColourToRgbAction},  // 40 pgColorToRGB
    {2, nullptr, &RgbToColourAction},  // 41 pgRGBToColor
    {4, &charts::ChartRoll, nullptr},  // 42 pgChartRoll
    {2, &charts::ChartExport, nullptr},  // 43 pgChartExport
    {2, &charts::MarksLayout, nullptr},     // pgMarksLayout
    {4, &charts::OtherSlice, nullptr},      // pgOtherSlice
    {3, &charts::ExplodeSlice, nullptr},    // pgExplodeSlice
    {2, &charts::ExplodeBiggest, nullptr},  // pgExplodeBiggest
    {2, &charts::SlicePatterns, nullptr},   // pgSlicePatterns
    {2, &charts::PieCircled, nullptr},      // pgPieCircled
}};

}  // namespace

const ActionEntry* ActionFor(std::int32_t id) {
  if (id < 1 || id > static_cast<std::int32_t>(kActions.size())) return nullptr;
  if (id < 1 || id > kLastActionId) return nullptr;
  return &kActions[static_cast<std::size_t>(id - 1)];
}

bool DispatchAction(std::int32_t id, abi::ParamBlock block) {
  const ActionEntry* entry = ActionFor(id);
  if (!entry) return false;
  const Params params = CopyParams(block, entry->slots);
  notes::Take();  // nothing left over from an action that threw past its handler
  const bool result = entry->plain ? entry->plain(params) : RunChartAction(params, entry->chart);
  DeliverActionNotes(id);
  return result;
}

}  // namespace pg::plugin
