#include "platform/metafile/record_names.h"

#include <cstdio>

#include "platform/metafile/emf_records.h"
#include "platform/metafile/wmf_records.h"

namespace pg::platform::metafile {

std::string EmfRecordName(std::uint32_t type) {
  switch (type) {
    case emr::kHeader: return "EMR_HEADER";
    case emr::kPolyBezier: return "EMR_POLYBEZIER";
    case emr::kPolygon: return "EMR_POLYGON";
    case emr::kPolyline: return "EMR_POLYLINE";
    case emr::kPolyBezierTo: return "EMR_POLYBEZIERTO";
    case emr::kPolylineTo: return "EMR_POLYLINETO";
    case emr::kPolyPolyline: return "EMR_POLYPOLYLINE";
    case emr::kPolyPolygon: return "EMR_POLYPOLYGON";
    case emr::kSetWindowExtEx: return "EMR_SETWINDOWEXTEX";
    case emr::kSetWindowOrgEx: return "EMR_SETWINDOWORGEX";
    case emr::kSetViewportExtEx: return "EMR_SETVIEWPORTEXTEX";
    case emr::kSetViewportOrgEx: return "EMR_SETVIEWPORTORGEX";
    case emr::kSetBrushOrgEx: return "EMR_SETBRUSHORGEX";
    case emr::kEof: return "EMR_EOF";
    case emr::kSetPixelV: return "EMR_SETPIXELV";
    case emr::kSetMapperFlags: return "EMR_SETMAPPERFLAGS";
    case emr::kSetMapMode: return "EMR_SETMAPMODE";
    case emr::kSetBkMode: return "EMR_SETBKMODE";
    case emr::kSetPolyFillMode: return "EMR_SETPOLYFILLMODE";
    case emr::kSetRop2: return "EMR_SETROP2";
    case emr::kSetStretchBltMode: return "EMR_SETSTRETCHBLTMODE";
    case emr::kSetTextAlign: return "EMR_SETTEXTALIGN";
    case emr::kSetColorAdjustment: return "EMR_SETCOLORADJUSTMENT";
    case emr::kSetTextColor: return "EMR_SETTEXTCOLOR";
    case emr::kSetBkColor: return "EMR_SETBKCOLOR";
    case emr::kOffsetClipRgn: return "EMR_OFFSETCLIPRGN";
    case emr::kMoveToEx: return "EMR_MOVETOEX";
    case emr::kSetMetaRgn: return "EMR_SETMETARGN";
    case emr::kExcludeClipRect: return "EMR_EXCLUDECLIPRECT";
    case emr::kIntersectClipRect: return "EMR_INTERSECTCLIPRECT";
    case emr::kScaleViewportExtEx: return "EMR_SCALEVIEWPORTEXTEX";
    case emr::kScaleWindowExtEx: return "EMR_SCALEWINDOWEXTEX";
    case emr::kSaveDc: return "EMR_SAVEDC";
    case emr::kRestoreDc: return "EMR_RESTOREDC";
    case emr::kSetWorldTransform: return "EMR_SETWORLDTRANSFORM";
    case emr::kModifyWorldTransform: return "EMR_MODIFYWORLDTRANSFORM";
    case emr::kSelectObject: return "EMR_SELECTOBJECT";
    case emr::kCreatePen: return "EMR_CREATEPEN";
    case emr::kCreateBrushIndirect: return "EMR_CREATEBRUSHINDIRECT";
    case emr::kDeleteObject: return "EMR_DELETEOBJECT";
    case emr::kAngleArc: return "EMR_ANGLEARC";
    case emr::kEllipse: return "EMR_ELLIPSE";
    case emr::kRectangle: return "EMR_RECTANGLE";
    case emr::kRoundRect: return "EMR_ROUNDRECT";
    case emr::kArc: return "EMR_ARC";
    case emr::kChord: return "EMR_CHORD";
    case emr::kPie: return "EMR_PIE";
    case emr::kSelectPalette: return "EMR_SELECTPALETTE";
    case emr::kCreatePalette: return "EMR_CREATEPALETTE";
    case emr::kSetPaletteEntries: return "EMR_SETPALETTEENTRIES";
    case emr::kResizePalette: return "EMR_RESIZEPALETTE";
    case emr::kRealizePalette: return "EMR_REALIZEPALETTE";
    case emr::kExtFloodFill: return "EMR_EXTFLOODFILL";
    case emr::kLineTo: return "EMR_LINETO";
    case emr::kArcTo: return "EMR_ARCTO";
    case emr::kPolyDraw: return "EMR_POLYDRAW";
    case emr::kSetArcDirection: return "EMR_SETARCDIRECTION";
    case emr::kSetMiterLimit: return "EMR_SETMITERLIMIT";
    case emr::kBeginPath: return "EMR_BEGINPATH";
    case emr::kEndPath: return "EMR_ENDPATH";
    case emr::kCloseFigure: return "EMR_CLOSEFIGURE";
    case emr::kFillPath: return "EMR_FILLPATH";
    case emr::kStrokeAndFillPath: return "EMR_STROKEANDFILLPATH";
    case emr::kStrokePath: return "EMR_STROKEPATH";
    case emr::kFlattenPath: return "EMR_FLATTENPATH";
    case emr::kWidenPath: return "EMR_WIDENPATH";
    case emr::kSelectClipPath: return "EMR_SELECTCLIPPATH";
    case emr::kAbortPath: return "EMR_ABORTPATH";
    case emr::kGdiComment: return "EMR_GDICOMMENT";
    case emr::kFillRgn: return "EMR_FILLRGN";
    case emr::kFrameRgn: return "EMR_FRAMERGN";
    case emr::kInvertRgn: return "EMR_INVERTRGN";
    case emr::kPaintRgn: return "EMR_PAINTRGN";
    case emr::kExtSelectClipRgn: return "EMR_EXTSELECTCLIPRGN";
    case emr::kBitBlt: return "EMR_BITBLT";
    case emr::kStretchBlt: return "EMR_STRETCHBLT";
    case emr::kMaskBlt: return "EMR_MASKBLT";
    case emr::kPlgBlt: return "EMR_PLGBLT";
    case emr::kSetDiBitsToDevice: return "EMR_SETDIBITSTODEVICE";
    case emr::kStretchDiBits: return "EMR_STRETCHDIBITS";
    case emr::kExtCreateFontIndirectW: return "EMR_EXTCREATEFONTINDIRECTW";
    case emr::kExtTextOutA: return "EMR_EXTTEXTOUTA";
    case emr::kExtTextOutW: return "EMR_EXTTEXTOUTW";
    case emr::kPolyBezier16: return "EMR_POLYBEZIER16";
    case emr::kPolygon16: return "EMR_POLYGON16";
    case emr::kPolyline16: return "EMR_POLYLINE16";
    case emr::kPolyBezierTo16: return "EMR_POLYBEZIERTO16";
    case emr::kPolylineTo16: return "EMR_POLYLINETO16";
    case emr::kPolyPolyline16: return "EMR_POLYPOLYLINE16";
    case emr::kPolyPolygon16: return "EMR_POLYPOLYGON16";
    case emr::kPolyDraw16: return "EMR_POLYDRAW16";
    case emr::kCreateMonoBrush: return "EMR_CREATEMONOBRUSH";
    case emr::kCreateDibPatternBrushPt: return "EMR_CREATEDIBPATTERNBRUSHPT";
    case emr::kExtCreatePen: return "EMR_EXTCREATEPEN";
    case emr::kPolyTextOutA: return "EMR_POLYTEXTOUTA";
    case emr::kPolyTextOutW: return "EMR_POLYTEXTOUTW";
    case emr::kSetIcmMode: return "EMR_SETICMMODE";
    case emr::kCreateColorSpace: return "EMR_CREATECOLORSPACE";
    case emr::kSetColorSpace: return "EMR_SETCOLORSPACE";
    case emr::kDeleteColorSpace: return "EMR_DELETECOLORSPACE";
    case emr::kGlsRecord: return "EMR_GLSRECORD";
    case emr::kGlsBoundedRecord: return "EMR_GLSBOUNDEDRECORD";
    case emr::kPixelFormat: return "EMR_PIXELFORMAT";
    case emr::kDrawEscape: return "EMR_DRAWESCAPE";
    case emr::kExtEscape: return "EMR_EXTESCAPE";
    case emr::kSmallTextOut: return "EMR_SMALLTEXTOUT";
    case emr::kForceUfiMapping: return "EMR_FORCEUFIMAPPING";
    case emr::kNamedEscape: return "EMR_NAMEDESCAPE";
    case emr::kColorCorrectPalette: return "EMR_COLORCORRECTPALETTE";
    case emr::kSetIcmProfileA: return "EMR_SETICMPROFILEA";
    case emr::kSetIcmProfileW: return "EMR_SETICMPROFILEW";
    case emr::kAlphaBlend: return "EMR_ALPHABLEND";
    case emr::kSetLayout: return "EMR_SETLAYOUT";
    case emr::kTransparentBlt: return "EMR_TRANSPARENTBLT";
    case emr::kGradientFill: return "EMR_GRADIENTFILL";
    case emr::kSetLinkedUfis: return "EMR_SETLINKEDUFIS";
    case emr::kSetTextJustification: return "EMR_SETTEXTJUSTIFICATION";
    case emr::kColorMatchToTargetW: return "EMR_COLORMATCHTOTARGETW";
    case emr::kCreateColorSpaceW: return "EMR_CREATECOLORSPACEW";
    default: return "EMR_#" + std::to_string(type);
  }
}

std::string WmfRecordName(std::uint16_t function) {
  switch (function) {
    case wmr::kEof: return "META_EOF";
    case wmr::kSaveDc: return "META_SAVEDC";
    case wmr::kRealizePalette: return "META_REALIZEPALETTE";
    case wmr::kSetPalEntries: return "META_SETPALENTRIES";
    case wmr::kCreatePalette: return "META_CREATEPALETTE";
    case wmr::kSetBkMode: return "META_SETBKMODE";
    case wmr::kSetMapMode: return "META_SETMAPMODE";
    case wmr::kSetRop2: return "META_SETROP2";
    case wmr::kSetRelAbs: return "META_SETRELABS";
    case wmr::kSetPolyFillMode: return "META_SETPOLYFILLMODE";
    case wmr::kSetStretchBltMode: return "META_SETSTRETCHBLTMODE";
    case wmr::kSetTextCharExtra: return "META_SETTEXTCHAREXTRA";
    case wmr::kRestoreDc: return "META_RESTOREDC";
    case wmr::kInvertRegion: return "META_INVERTREGION";
    case wmr::kPaintRegion: return "META_PAINTREGION";
    case wmr::kSelectClipRegion: return "META_SELECTCLIPREGION";
    case wmr::kSelectObject: return "META_SELECTOBJECT";
    case wmr::kSetTextAlign: return "META_SETTEXTALIGN";
    case wmr::kResizePalette: return "META_RESIZEPALETTE";
    case wmr::kDibCreatePatternBrush: return "META_DIBCREATEPATTERNBRUSH";
    case wmr::kSetLayout: return "META_SETLAYOUT";
    case wmr::kDeleteObject: return "META_DELETEOBJECT";
    case wmr::kCreatePatternBrush: return "META_CREATEPATTERNBRUSH";
    case wmr::kSetBkColor: return "META_SETBKCOLOR";
    case wmr::kSetTextColor: return "META_SETTEXTCOLOR";
    case wmr::kSetTextJustification: return "META_SETTEXTJUSTIFICATION";
    case wmr::kSetWindowOrg: return "META_SETWINDOWORG";
    case wmr::kSetWindowExt: return "META_SETWINDOWEXT";
    case wmr::kSetViewportOrg: return "META_SETVIEWPORTORG";
    case wmr::kSetViewportExt: return "META_SETVIEWPORTEXT";
    case wmr::kOffsetWindowOrg: return "META_OFFSETWINDOWORG";
    case wmr::kOffsetViewportOrg: return "META_OFFSETVIEWPORTORG";
    case wmr::kLineTo: return "META_LINETO";
    case wmr::kMoveTo: return "META_MOVETO";
    case wmr::kOffsetClipRgn: return "META_OFFSETCLIPRGN";
    case wmr::kFillRegion: return "META_FILLREGION";
    case wmr::kSetMapperFlags: return "META_SETMAPPERFLAGS";
    case wmr::kSelectPalette: return "META_SELECTPALETTE";
    case wmr::kCreatePenIndirect: return "META_CREATEPENINDIRECT";
    case wmr::kCreateFontIndirect: return "META_CREATEFONTINDIRECT";
    case wmr::kCreateBrushIndirect: return "META_CREATEBRUSHINDIRECT";
    case wmr::kPolygon: return "META_POLYGON";
    case wmr::kPolyline: return "META_POLYLINE";
    case wmr::kScaleWindowExt: return "META_SCALEWINDOWEXT";
    case wmr::kScaleViewportExt: return "META_SCALEVIEWPORTEXT";
    case wmr::kExcludeClipRect: return "META_EXCLUDECLIPRECT";
    case wmr::kIntersectClipRect: return "META_INTERSECTCLIPRECT";
    case wmr::kEllipse: return "META_ELLIPSE";
    case wmr::kFloodFill: return "META_FLOODFILL";
    case wmr::kRectangle: return "META_RECTANGLE";
    case wmr::kSetPixel: return "META_SETPIXEL";
    case wmr::kFrameRegion: return "META_FRAMEREGION";
    case wmr::kAnimatePalette: return "META_ANIMATEPALETTE";
    case wmr::kTextOut: return "META_TEXTOUT";
    case wmr::kPolyPolygon: return "META_POLYPOLYGON";
    case wmr::kExtFloodFill: return "META_EXTFLOODFILL";
    case wmr::kRoundRect: return "META_ROUNDRECT";
    case wmr::kPatBlt: return "META_PATBLT";
    case wmr::kEscape: return "META_ESCAPE";
    case wmr::kCreateRegion: return "META_CREATEREGION";
    case wmr::kArc: return "META_ARC";
    case wmr::kPie: return "META_PIE";
    case wmr::kChord: return "META_CHORD";
    case wmr::kBitBlt: return "META_BITBLT";
    case wmr::kDibBitBlt: return "META_DIBBITBLT";
    case wmr::kExtTextOut: return "META_EXTTEXTOUT";
    case wmr::kStretchBlt: return "META_STRETCHBLT";
    case wmr::kDibStretchBlt: return "META_DIBSTRETCHBLT";
    case wmr::kSetDibToDev: return "META_SETDIBTODEV";
    case wmr::kStretchDib: return "META_STRETCHDIB";
    default: {
      char hex[8];
      std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(function));
      return std::string("META_#0x") + hex;
    }
  }
}

}  // namespace pg::platform::metafile
