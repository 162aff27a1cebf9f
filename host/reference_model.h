#pragma once
// The reference as read from a loaded module: its catalogue in order, each
// action's editor rows and the pictures drawn for it. Texts are UTF-8.
#include <string>
#include <vector>

namespace pg::host {

struct ReferenceParam {
  std::string caption;  // the editor's row caption
  std::string kind;     // the kind of value
  std::string rule;     // what a malformed value does
  std::vector<std::string> words;  // a list row's words
};

struct ReferenceAction {
  int id = 0;
  std::string name, hint, english;
  std::vector<ReferenceParam> params;
  std::string example;  // the parameters the pictures use, as a script line
  std::string editorImage, beforeImage, afterImage;  // relative to the reference folder; "" for none
};

struct ReferenceGroup {
  std::string caption, english;
  std::vector<ReferenceAction> actions;
};

struct Reference {
  std::string moduleVersion, hostVersion, moduleName, moduleDescription;
  std::vector<ReferenceGroup> groups;
};

}  // namespace pg::host
