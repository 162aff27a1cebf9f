#pragma once
// Actions outside the chart action frame.
#include "plugin/action_params.h"

namespace pg::plugin {

bool ChartCreateAction(const Params& p);    // pgChartCreate
bool ChartDeleteAction(const Params& p);    // pgChartDelete
bool ColourBoxAction(const Params& p);      // pgColorBox
bool FontDialogAction(const Params& p);     // pgFontDialog
bool ColourToRgbAction(const Params& p);    // pgColorToRGB
bool RgbToColourAction(const Params& p);    // pgRGBToColor

}  // namespace pg::plugin
