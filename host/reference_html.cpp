// The action reference: every action in catalogue order under its group.
#include "reference_html.h"

namespace pg::host {
namespace {

std::string GroupId(std::size_t index) { return "group" + std::to_string(index + 1); }

std::string Cell(const Text& text) { return "<td>" + Both(text, "div") + "</td>"; }

std::string ParamRows(const ReferenceAction& a) {
  std::string out;
  for (std::size_t k = 0; k < a.params.size(); ++k) {
    const auto& p = a.params[k];
    std::string kind = Both(p.kind->kind, "div");
    if (!p.words.empty()) {
      kind += "<div class=\"words\">";
      for (std::size_t i = 0; i < p.words.size(); ++i)
        kind += (i ? " " : "") + ("<code>" + EscapeHtml(p.words[i]) + "</code>");
      kind += "</div>";
    }
    out += "<tr><td class=\"n\">" + std::to_string(k + 1) + "</td><td class=\"caption\" lang=\"ru\">" +
           EscapeHtml(p.caption) + "</td><td>" + kind + "</td>" + Cell(p.note.initial) + Cell(p.note.range) + "<td>" +
           Both(p.kind->rule, "div") + Both(p.note.ignored, "div", "extra") + "</td></tr>\n";
  }
  return out;
}

// One picture per word of a list or Boolean row.
std::string WordFigures(const ReferenceAction& a) {
  std::string out;
  for (std::size_t k = 0; k < a.params.size(); ++k) {
    const auto& p = a.params[k];
    if (p.figures.empty()) continue;
    out += "<div class=\"gallery\" data-row=\"" + std::to_string(k + 1) + "\">\n";
    out += "<h4><span class=\"ru\" lang=\"ru\">Строка " + std::to_string(k + 1) + " «" + EscapeHtml(p.caption) +
           "»: каждое слово</span><span class=\"en\" lang=\"en\">Row " + std::to_string(k + 1) +
           ": every word</span></h4>\n<div class=\"pictures\">\n";
    for (const auto& f : p.figures) {
      std::string caption = "<code>" + EscapeHtml(f.word) + "</code>";
      if (f.showsDefault) caption += Both({"as before: the value of a new chart", "как до действия: значение новой диаграммы"}, "span", "default");
      out += ShotFigure(f.shot, caption, a.name + " " + f.word, false,
                        " class=\"word" + std::string(f.showsDefault ? " default" : "") + "\" data-word=\"" + EscapeHtml(f.word) + "\"");
    }
    out += "</div>\n</div>\n";
  }
  return out;
}

// One numeric row at a few values, side by side.
// The export action's files side by side, each as its reader shows it.
std::string Formats(const ReferenceAction& a) {
  if (a.formats.empty()) return {};
  std::string out = "<div class=\"sweep\">\n<h4>" +
                    Both({"The standard chart in each format", "Стандартная диаграмма в каждом формате"}, "span") +
                    "</h4>\n<div class=\"pictures sweep-row\">\n";
  std::string emf;
  for (const auto& f : a.formats) {
    if (f.word == "emf") {
      // No browser draws EMF: a link, for Office and LibreOffice.
      emf = "<p class=\"remark\"><a href=\"" + EscapeHtml(f.shot.image) + "\"><code>.emf</code></a> " +
            Both({"EMF, for Office and LibreOffice (no browser draws it), written by the same script.",
                  "EMF для Office и LibreOffice (браузеры его не рисуют), записан тем же сценарием."}, "span") +
            "</p>\n";
      continue;
    }
    Text how = {"PNG: the chart's pixels", "PNG: точки диаграммы"};
    if (f.word == "svg") how = {"SVG, as the browser draws the file", "SVG, как его рисует браузер"};
    if (f.word == "pdf") how = {"PDF, as pdftoppm draws its page at 96 dpi", "PDF, как pdftoppm рисует страницу при 96 dpi"};
    if (f.word == "jpg") how = {"JPEG, quality 90", "JPEG, качество 90"};
    out += ShotFigure(f.shot, "<code>." + f.word + "</code>" + Both(how, "span"), a.name + " ." + f.word, false,
                      " class=\"value\"");
  }
  return out + "</div>\n" + emf + "</div>\n";
}

std::string Sweep(const ReferenceAction& a) {
  if (a.sweep.empty()) return {};
  std::string out = "<div class=\"sweep\">\n<h4>" +
                    Both({"The same chart at several values", "Одна и та же диаграмма при разных значениях"}, "span") +
                    "</h4>\n<div class=\"pictures sweep-row\">\n";
  for (const auto& f : a.sweep) {
    std::string caption = "<code>" + EscapeHtml(f.word) + "</code>";
    if (f.showsDefault) caption += Both({"a new chart's value", "значение новой диаграммы"}, "span", "default");
    out += ShotFigure(f.shot, caption, a.name + " " + f.word, false, " class=\"value\"");
  }
  return out + "</div>\n</div>\n";
}

// What the search box looks through: the name, the hint, the English line and
// the list words.
std::string SearchText(const ReferenceAction& a) {
  std::string text = a.name + " " + a.hint + " " + std::string(a.english.en) + " " + std::string(a.english.ru);
  for (const auto& p : a.params)
    for (const auto& w : p.words) text += " " + w;
  return EscapeHtml(text);
}

std::string Section(const ReferenceAction& a) {
  std::string out = "<section class=\"action\" id=\"" + a.name + "\" data-search=\"" + SearchText(a) + "\">\n";
  out += "<h3><code>" + a.name + "</code><span class=\"id\">id " + std::to_string(a.id) + "</span></h3>\n";
  out += "<p class=\"hint\" lang=\"ru\">" + EscapeHtml(a.hint) + "</p>\n";
  out += Both(a.english, "p", "line") + "\n";
  out += "<table class=\"params\">\n<tr><th>#</th>" + Both({"Editor row", "Строка редактора"}, "th") +
         Both({"Value", "Значение"}, "th") + Both({"Before any action", "У новой диаграммы"}, "th") +
         Both({"Unit, range, effect", "Единицы, диапазон, действие"}, "th") +
         Both({"Ignored silently", "Молча не действует"}, "th") + "</tr>\n" + ParamRows(a) + "</table>\n";
  out += Both(a.remark, "p", "remark");
  out += "<div class=\"pictures\">\n" + ShotFigure(a.editor, Both({"Editor", "Редактор"}, "span"), "The editor of " + a.name, a.after.image.empty());
  out += ShotFigure(a.before, Both({"Before", "До"}, "span"), a.name + ": the chart before", false, " class=\"before\"");
  out += ShotFigure(a.after, Both({"After the example", "После примера"}, "span"), a.name + ": the chart after", true, " class=\"after\"");
  out += "</div>\n" + WordFigures(a) + Sweep(a) + Formats(a);
  return out + "</section>\n";
}

}  // namespace

std::string ReferenceHtml(const Reference& ref) {
  std::string out = PageStart(ref, {"action reference", "справочник действий"}, "index.html");
  out += Both({"Every action of the module, in the order the host lists them, under its group: the hint the host "
               "shows, each parameter as the editor's row names it with its value on a new chart, its unit and "
               "range and what is ignored without a word, the editor, and for the actions that change the chart's "
               "look the chart before and after the example and one chart for every word of a list. Under every picture "
               "is the whole script that drew it, shipped as a file in examples/reference/ that runs as it is. Every action "
               "that works on a chart takes the rectangle's name first; all of them return false except a "
               "successful create or delete. New here? Start with the quick start.",
               "Все действия модуля в том порядке, в каком их показывает хост, по группам: подсказка хоста, каждый "
               "параметр под именем строки редактора — его значение у новой диаграммы, единицы и диапазон, что "
               "молча не действует, — окно редактора и, для действий, меняющих вид, диаграмма до и после примера и "
               "по рисунку на каждое слово списка. Под каждым рисунком — полный сценарий, который его нарисовал; он "
               "же лежит файлом в examples/reference/ и выполняется как есть. Все действия с диаграммой первым параметром берут имя "
               "прямоугольника; все возвращают false, кроме успешного создания или удаления. Впервые здесь? "
               "Начните с быстрого старта."},
              "p", "intro");
  out += "\n<p class=\"drawn\">Drawn by pirogram-host " + EscapeHtml(ref.hostVersion) + " from the module itself.</p>\n";
  out += "<nav class=\"groups\">\n";
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
    if (group.actions.empty())
      out += Both({"No actions under this header.", "В этой группе действий нет."}, "p", "empty") + "\n";
    for (const auto& a : group.actions) out += Section(a);
  }
  return out + PageEnd();
}

}  // namespace pg::host
