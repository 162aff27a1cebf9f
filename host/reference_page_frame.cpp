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

constexpr std::array<PageLink, 6> kPages = {{
    {"quickstart.html", {"Quick start", "Быстрый старт"}},
    {"tasks.html", {"By task", "По задачам"}},
    {"index.html", {"Actions", "Действия"}},
    {"formats.html", {"Colours, fonts, values", "Цвета, шрифты, значения"}},
    {"host.html", {"The reference host", "Справочный хост"}},
    {"gallery.html", {"Gallery", "Галерея"}},
}};

// The language switch works by style alone (radio buttons and :has); the script
// only remembers the choice from page to page and filters the actions as the
// search box is typed into. Without it every page shows both languages and the
// search box leads to the actions page.
constexpr const char* kLanguageSwitch =
    "<div class=\"lang\" role=\"radiogroup\" aria-label=\"Язык / Language\">"
    "<input type=\"radio\" name=\"lang\" id=\"lang-both\" value=\"both\" checked><label for=\"lang-both\">Рус + Eng</label>"
    "<input type=\"radio\" name=\"lang\" id=\"lang-ru\" value=\"ru\"><label for=\"lang-ru\">Русский</label>"
    "<input type=\"radio\" name=\"lang\" id=\"lang-en\" value=\"en\"><label for=\"lang-en\">English</label></div>\n";

constexpr const char* kSearchBox =
    "<form class=\"search\" action=\"index.html\" role=\"search\"><input type=\"search\" name=\"q\" id=\"search\" "
    "placeholder=\"Поиск: действие, подсказка, слово списка / Search\" aria-label=\"Поиск / Search\">"
    "<span id=\"found\" aria-live=\"polite\"></span></form>\n";

constexpr const char* kPageScript = R"(<script>
(function () {
  var store = null;
  try { store = window.localStorage; } catch (e) {}
  var radios = document.querySelectorAll('input[name=lang]');
  var saved = store ? store.getItem('pirogram-lang') : null;
  radios.forEach(function (r) {
    if (r.value === saved) r.checked = true;
    r.addEventListener('change', function () { if (store) store.setItem('pirogram-lang', r.value); });
  });
  var box = document.getElementById('search');
  var sections = document.querySelectorAll('section.action');
  if (!box || sections.length === 0) return;
  var found = document.getElementById('found');
  function filter() {
    var q = box.value.trim().toLowerCase(), shown = 0;
    sections.forEach(function (s) {
      var hit = q === '' || s.getAttribute('data-search').toLowerCase().indexOf(q) >= 0;
      s.hidden = !hit;
      if (hit) shown++;
    });
    document.querySelectorAll('h2.group-header').forEach(function (h) {
      var any = false;
      for (var n = h.nextElementSibling; n && !n.matches('h2.group-header'); n = n.nextElementSibling)
        if (n.matches('section.action') && !n.hidden) any = true;
      h.hidden = q !== '' && !any;
    });
    document.querySelectorAll('p.empty').forEach(function (p) { p.hidden = q !== ''; });
    found.textContent = q === '' ? '' : shown + ' / ' + sections.length;
  }
  box.form.addEventListener('submit', function (e) { e.preventDefault(); filter(); });
  box.addEventListener('input', filter);
  var q = new URLSearchParams(location.search).get('q');
  if (q) { box.value = q; filter(); }
})();
</script>
)";

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
                    "</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n" + kLanguageSwitch + "<header>\n";
  out += "<h1>Pirogram " + EscapeHtml(ref.moduleVersion) + " — " + Both(title, "span", "title") + "</h1>\n";
  out += "<p class=\"module\" lang=\"ru\">" + EscapeHtml(ref.moduleName) + ": " + EscapeHtml(ref.moduleDescription) + "</p>\n";
  out += "<nav class=\"pages\">";
  for (const auto& link : kPages) {
    const bool here = page == link.file;
    out += std::string("<a href=\"") + link.file + "\"" + (here ? " class=\"here\"" : "") + ">" + Both(link.name, "span") + "</a>";
  }
  return out + "</nav>\n" + kSearchBox;
}

std::string PageEnd() { return std::string("</main>\n") + kPageScript + "</body>\n</html>\n"; }

std::string ShotFigure(const ReferenceShot& shot, const std::string& caption, const std::string& alt, bool open,
                       const std::string& attributes) {
  if (shot.image.empty()) return {};
  std::string out = "<figure" + attributes + "><img src=\"" + EscapeHtml(shot.image) + "\" alt=\"" + EscapeHtml(alt) + "\">";
  if (!caption.empty()) out += "<figcaption>" + caption + "</figcaption>";
  out += std::string("<details class=\"script\"") + (open ? " open" : "") + "><summary><code>examples/" +
         EscapeHtml(shot.file) + "</code></summary><pre>" + EscapeHtml(shot.script) + "</pre></details>";
  return out + "</figure>\n";
}

}  // namespace pg::host
