// What every page of the reference shares: escaping, the two languages, the
// head and the links between the pages.
#include <array>

#include "reference_html.h"

namespace pg::host {
namespace {

struct PageLink {
  const char* file;
  Text name;
};

constexpr std::array<PageLink, 4> kPages = {{
    {"quickstart.html", {"Quick start", "Быстрый старт"}},
    {"tasks.html", {"By task", "По задачам"}},
    {"index.html", {"Actions", "Действия"}},
    {"formats.html", {"Colours, fonts, values", "Цвета, шрифты, значения"}},
}};

}  // namespace

std::string EscapeHtml(std::string_view text) {
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

std::string EscapeHtml(const std::string& text) { return EscapeHtml(std::string_view(text)); }

std::string Both(const Text& text, const std::string& tag, const std::string& cls) {
  if (text.Empty()) return {};
  std::string out = "<" + tag + " class=\"bi" + (cls.empty() ? "" : " " + cls) + "\">";
  if (!text.ru.empty()) out += "<span class=\"ru\" lang=\"ru\">" + EscapeHtml(text.ru) + "</span>";
  if (!text.en.empty()) out += "<span class=\"en\" lang=\"en\">" + EscapeHtml(text.en) + "</span>";
  return out + "</" + tag + ">";
}

std::string PageStart(const Reference& ref, const Text& title, const std::string& page) {
  const std::string full = "Pirogram " + ref.moduleVersion + " — " + std::string(title.ru) + " / " + std::string(title.en);
  std::string out = "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + EscapeHtml(full) +
                    "</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n<header>\n";
  out += "<h1>Pirogram " + EscapeHtml(ref.moduleVersion) + " — " + Both(title, "span", "title") + "</h1>\n";
  out += "<p class=\"module\" lang=\"ru\">" + EscapeHtml(ref.moduleName) + ": " + EscapeHtml(ref.moduleDescription) + "</p>\n";
  out += "<nav class=\"pages\">";
  for (const auto& link : kPages) {
    const bool here = page == link.file;
    out += std::string("<a href=\"") + link.file + "\"" + (here ? " class=\"here\"" : "") + ">" + Both(link.name, "span") + "</a>";
  }
  return out + "</nav>\n";
}

std::string PageEnd() { return "</main>\n</body>\n</html>\n"; }

}  // namespace pg::host
