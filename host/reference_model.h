#pragma once
// The reference as read from a loaded module: its catalogue in order, each
// action's editor rows and the pictures drawn for it, and what the author's
// pages show. Texts are UTF-8.
#include <string>
#include <vector>

#include "reference_notes.h"

namespace pg::host {

// A picture and the whole script that drew it. The script is shipped as
// examples/reference/<stem>.pgs and saves <stem>.png where it is run.
struct ReferenceShot {
  std::string image;   // relative to the reference folder; "" for none
  std::string script;  // the script as shipped (UTF-8)
  std::string file;    // its name beside the other examples: reference/<stem>.pgs
};

// A chart drawn with one word of a list or Boolean row, or one value of a sweep.
struct ReferenceFigure {
  std::string word;
  ReferenceShot shot;
  bool showsDefault = false;  // the same picture as the chart before the action
};

struct ReferenceParam {
  std::string caption;             // the editor's row caption
  const ValueKind* kind = nullptr;
  ParamNote note;
  std::vector<std::string> words;  // a list row's words
  std::vector<ReferenceFigure> figures;  // one per word of a list or Boolean row
};

struct ReferenceAction {
  int id = 0;
  std::string name, hint;
  Text english, remark;
  std::vector<ReferenceParam> params;
  ReferenceShot editor, before, after;
  std::vector<ReferenceFigure> sweep;  // one numeric row through a few values
  // The export action's files, one figure a format: word is the extension,
  // shot.image the picture shown for it.
  std::vector<ReferenceFigure> formats;
};

struct ReferenceGroup {
  std::string caption, english;
  std::vector<ReferenceAction> actions;
};

// A value the module itself wrote into a variable, for the formats page.
struct ReferenceOutput {
  std::string script;  // the lines that wrote it
  std::string value;
};

struct ReferenceColour {
  std::string name, triple;  // triple as pgColorToRGB writes it
  Text kind;                 // empty for a plain colour: a system colour, or no colour at all
};

// One title drawn in one spelling of a face.
struct ReferenceFace {
  std::string face;
  ReferenceShot shot;
  Text caption;
};

// A finished chart for the gallery page.
struct ReferenceGalleryChart {
  Text title, about;
  ReferenceShot shot;
};

struct Reference {
  std::string moduleVersion, hostVersion, moduleName, moduleDescription;
  std::vector<ReferenceGroup> groups;
  ReferenceShot quickStart;
  std::vector<ReferenceColour> colours;
  std::vector<ReferenceOutput> outputs;
  ReferenceShot charsets;  // one title drawn with charset 204 and with 0
  std::vector<ReferenceFace> faces;  // a face with blanks, without them, and the fallback
  std::vector<ReferenceGalleryChart> gallery;
};

}  // namespace pg::host
