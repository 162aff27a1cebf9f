#pragma once
// The handlers of the actions that run in the chart action frame, by group.
#include "charts/chart_action.h"

namespace pg::charts {

// Titles (title_actions.cpp)
void SetTitleChart(TChartImageForm& w, const ActionParams& p);  // 3 pgSetTitleChart
void SetFootChart(TChartImageForm& w, const ActionParams& p);   // 4 pgSetFootChart
// Records (record_actions.cpp)
void AddSeriesChart(TChartImageForm& w, const ActionParams& p);  // 5 pgAddSeriesChart
void DeleteSeries(TChartImageForm& w, const ActionParams& p);    // 6 pgDeleteSeries
void ClearSeries(TChartImageForm& w, const ActionParams& p);     // 7 pgClearSeries
// The window (window_actions.cpp)
void ChartVisible(TChartImageForm& w, const ActionParams& p);  // 8 pgChartVisible
void ChartRoll(TChartImageForm& w, const ActionParams& p);     // 42 pgChartRoll
// Panel appearance (appearance_actions.cpp)
void ChartMonochrome(TChartImageForm& w, const ActionParams& p);   // 9 pgChartMonochrome
void ChartColor(TChartImageForm& w, const ActionParams& p);        // 10 pgChartColor
void ChartGradient(TChartImageForm& w, const ActionParams& p);     // 11 pgChartGradient
void ChartPicture(TChartImageForm& w, const ActionParams& p);      // 12 pgChartPicture
void ChartMargin(TChartImageForm& w, const ActionParams& p);       // 21 pgChartMargin
void ChartBorderWidth(TChartImageForm& w, const ActionParams& p);  // 22 pgChartBorderWidth
// 3D view (view3d_actions.cpp)
void View3DPicture(TChartImageForm& w, const ActionParams& p);      // 13
void View3DPerspective(TChartImageForm& w, const ActionParams& p);  // 14
void View3DRotation(TChartImageForm& w, const ActionParams& p);     // 15
void View3DElevation(TChartImageForm& w, const ActionParams& p);    // 16
void View3DHoriz(TChartImageForm& w, const ActionParams& p);        // 17
void View3DZoom(TChartImageForm& w, const ActionParams& p);         // 18
void View3DVert(TChartImageForm& w, const ActionParams& p);         // 19
void View3DDepth(TChartImageForm& w, const ActionParams& p);        // 20
// Legend (legend_actions.cpp)
void LegendVisible(TChartImageForm& w, const ActionParams& p);     // 23 pgLegendVisible
void SetLegendFont(TChartImageForm& w, const ActionParams& p);     // 24 pgSetLegendFont
void LegendColor(TChartImageForm& w, const ActionParams& p);       // 25 pgLegendColor
void LegendColorWidth(TChartImageForm& w, const ActionParams& p);  // 26 pgLegendColorWidth
void LegendInverted(TChartImageForm& w, const ActionParams& p);    // 27 pgLegendInverted
void LegendResize(TChartImageForm& w, const ActionParams& p);      // 28 pgLegendResize
void LegendShadow(TChartImageForm& w, const ActionParams& p);      // 29 pgLegendShadow
// Marks (marks_actions.cpp)
void MarksVisible(TChartImageForm& w, const ActionParams& p);      // 30 pgMarksVisible
void MarksStyle(TChartImageForm& w, const ActionParams& p);        // 31 pgMarksStyle
void MarksTransparent(TChartImageForm& w, const ActionParams& p);  // 32 pgMarksTransparent
void MarksFontColor(TChartImageForm& w, const ActionParams& p);    // 33 pgMarksFontColor
void MarksFrame(TChartImageForm& w, const ActionParams& p);        // 34 pgMarksFrame
void MarksFrVisible(TChartImageForm& w, const ActionParams& p);    // 35 pgMarksFrVisible
void MarksFrStyle(TChartImageForm& w, const ActionParams& p);      // 36 pgMarksFrStyle
void MarksLayout(TChartImageForm& w, const ActionParams& p);       // pgMarksLayout
// The pie's slices (pie_actions.cpp)
void OtherSlice(TChartImageForm& w, const ActionParams& p);      // pgOtherSlice
void ExplodeSlice(TChartImageForm& w, const ActionParams& p);    // pgExplodeSlice
void ExplodeBiggest(TChartImageForm& w, const ActionParams& p);  // pgExplodeBiggest
void SlicePatterns(TChartImageForm& w, const ActionParams& p);   // pgSlicePatterns
void PieCircled(TChartImageForm& w, const ActionParams& p);      // pgPieCircled
// Export (bitmap_action.cpp)
void ChartBitmap(TChartImageForm& w, const ActionParams& p);  // 39 pgChartBitmap
void ChartExport(TChartImageForm& w, const ActionParams& p);  // 43 pgChartExport

}  // namespace pg::charts
