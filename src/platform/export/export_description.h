#pragma once
// What a chart says in words, for readers that cannot see it: a title and one
// item per slice ("label: value (percent)"). Texts are in the module's code page
// (1251); each file format converts them to its own encoding.
#include <string>
#include <vector>

namespace pg::platform {

struct ExportDescription {
  std::string title;
  std::vector<std::string> items;
};

// The items one after another, "; " between them.
std::string DescriptionText(const ExportDescription& d);

}  // namespace pg::platform
