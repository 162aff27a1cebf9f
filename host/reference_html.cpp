#include "reference_html.h"

namespace pg::host {
namespace {

std::string GroupId(std::size_t index) { return "group" + std::to_string(index + 1); }

std::string Figure(const std::string& image, const std::string& caption, const std::string& alt) {
  if (image.empty()) return {};
  return "<figure><img src=\"" + EscapeHtml(image) + "\" alt=\"" + EscapeHtml(alt) + "\"><figcaption>" + caption +
         "</figcaption></figure>\n";
}

std::string ParamRows(const ReferenceAction& a) {
  std::string out;
  for (std::size_t k = 0; k < a.params.size(); ++k) {
    const auto& p = a.params[k];
    std::string kind = EscapeHtml(p.kind);
    if (!p.words.empty()) {
      kind += ":<br>";
      for (std::size_t i = 0; i < p.words.size(); ++i) kind += (i ? " " : "") + ("<code>" + EscapeHtml(p.words[i]) + "</code>");
    }
    out += "<tr><td class=\"n\">" + std::to_string(k + 1) + "</td><td class=\"caption\" lang=\"ru\">" +
           EscapeHtml(p.caption) + "</td><td>" + kind + "</td><td>" + EscapeHtml(p.rule) + "</td></tr>\n";
  }
  return out;
}

std::string Section(const ReferenceAction& a) {
  std::string out = "<section class=\"action\" id=\"" + a.name + "\">\n";
  out += "<h3><code>" + a.name + "</code><span class=\"id\">id " + std::to_string(a.id) + "</span></h3>\n";
  out += "<p class=\"hint\" lang=\"ru\">" + EscapeHtml(a.hint) + "</p>\n";
  out += "<p class=\"en\" lang=\"en\">" + EscapeHtml(a.english) + "</p>\n";
  out += "<table class=\"params\">\n<tr><th>#</th><th>Editor row</th><th>Value</th><th>Malformed value</th></tr>\n" +
         ParamRows(a) + "</table>\n";
  out += "<p class=\"example\">Example: <code>" + EscapeHtml(a.example) + "</code></p>\n";
  out += "<div class=\"pictures\">\n" + Figure(a.editorImage, "Editor", "The editor of " + a.name);
  out += Figure(a.beforeImage, "Before", a.name + ": the chart before");
  out += Figure(a.afterImage, "After", a.name + ": the chart after");
  return out + "</div>\n</section>\n";
}

}  // namespace

std::string EscapeHtml(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string ReferenceHtml(const Reference& ref) {
  const std::string title = "Pirogram " + ref.moduleVersion + " — action reference";
  std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                    EscapeHtml(title) + "</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n";
  out += "<header>\n<h1>" + EscapeHtml(title) + "</h1>\n";
  out += "<p lang=\"ru\" class=\"module\">" + EscapeHtml(ref.moduleName) + ": " + EscapeHtml(ref.moduleDescription) +
         "</p>\n";
  out += "<p>Every action of the module, in the order the host lists them, under its group. For each: the hint "
         "the host shows, the parameters as the editor's rows name them, what a malformed value does, the editor, "
         "and for the actions that change the chart's look a chart before and after the example. Every action "
         "that works on a chart takes the rectangle's name first; all of them return false except a successful "
         "create or delete. Drawn by pirogram-host " +
         EscapeHtml(ref.hostVersion) + " from the module itself.</p>\n";
  out += "<nav>\n";
  for (std::size_t g = 0; g < ref.groups.size(); ++g) {
    const auto& group = ref.groups[g];
    out += "<div><a href=\"#" + GroupId(g) + "\" lang=\"ru\">" + EscapeHtml(group.caption) + "</a>";
    for (const auto& a : group.actions) out += " <a href=\"#" + a.name + "\"><code>" + a.name + "</code></a>";
    out += "</div>\n";
  }
  out += "</nav>\n</header>\n<main>\n";
  for (std::size_t g = 0; g < ref.groups.size(); ++g) {
    const auto& group = ref.groups[g];
    out += "<h2 class=\"group-header\" id=\"" + GroupId(g) + "\"><span lang=\"ru\">" + EscapeHtml(group.caption) +
           "</span><span class=\"en\" lang=\"en\">" + EscapeHtml(group.english) + "</span></h2>\n";
    if (group.actions.empty()) out += "<p class=\"empty\">No actions under this header.</p>\n";
    for (const auto& a : group.actions) out += Section(a);
  }
  return out + "</main>\n</body>\n</html>\n";
}

std::string ReferenceCss() {
  return R"(body { margin: 0; font: 15px/1.45 "DejaVu Sans", "Liberation Sans", Arial, sans-serif; color: #1d2430; background: #f6f4ef; }
header { background: #23395d; color: #f3f1ea; padding: 18px 32px 14px; }
header h1 { margin: 0 0 6px; font-size: 26px; }
header p { max-width: 70em; margin: 6px 0; }
header .module { color: #ffd98a; }
nav { margin-top: 12px; font-size: 13px; }
nav div { margin: 3px 0; }
nav a { color: #cfe0ff; text-decoration: none; margin-right: 6px; }
nav a:first-child { color: #ffd98a; font-weight: bold; }
main { padding: 8px 32px 40px; }
h2.group-header { margin: 34px 0 8px; padding: 6px 12px; background: #d9e3f1; border-left: 6px solid #23395d; font-size: 20px; }
h2 .en { margin-left: 14px; font-size: 15px; font-weight: normal; color: #4a5568; }
section.action { background: #fff; border: 1px solid #d8d4c8; border-radius: 6px; margin: 14px 0; padding: 10px 18px 14px; }
section.action h3 { margin: 4px 0; font-size: 18px; }
h3 .id { margin-left: 12px; font-size: 13px; font-weight: normal; color: #6b7280; }
p.hint { margin: 4px 0 0; font-size: 16px; }
p.en { margin: 0 0 8px; color: #4a5568; font-style: italic; }
p.empty { color: #6b7280; font-style: italic; }
table.params { border-collapse: collapse; width: 100%; font-size: 14px; }
table.params th { text-align: left; background: #eef1f6; }
table.params th, table.params td { border: 1px solid #dde1e8; padding: 4px 8px; vertical-align: top; }
td.n { width: 1.5em; color: #6b7280; }
td.caption { width: 30%; }
code { font-family: "DejaVu Sans Mono", "Liberation Mono", monospace; font-size: 13px; }
td code { background: #f1efe8; padding: 0 3px; border-radius: 3px; }
p.example { font-size: 13px; color: #374151; }
div.pictures { display: flex; flex-wrap: wrap; gap: 16px; align-items: flex-start; }
figure { margin: 0; }
figure img { display: block; border: 1px solid #c9c4b6; }
figcaption { font-size: 12px; color: #6b7280; margin-top: 2px; }
)";
}

}  // namespace pg::host
