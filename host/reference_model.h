#pragma once
// The reference as read from a loaded module: its catalogue in order, each
// action's editor rows and the pictures drawn for it, and what the author's
// pages show. Texts are UTF-8.
#include <string>
#include <vector>

#include "reference_notes.h"

namespace pg::host {

// A chart drawn with one word of a list or Boolean row.
struct ReferenceFigure {
  std::string word;
  std::string image;          // relative to the reference folder
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
  std::string example;  // the parameters the pictures use, as a script line
  std::string editorImage, beforeImage, afterImage;  // relative to the reference folder; "" for none
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

struct Reference {
  std::string moduleVersion, hostVersion, moduleName, moduleDescription;
  std::vector<ReferenceGroup> groups;
  std::string quickStartImage;
  std::vector<ReferenceColour> colours;
  std::vector<ReferenceOutput> outputs;
  std::string charsetImage;  // one title drawn with charset 204 and with 0
};

}  // namespace pg::host
