// The quick start: one whole chart, in the host's action editor and as a
// script for the reference host.
#include <array>

#include "reference_html.h"
#include "reference_pages.h"

namespace pg::host {
namespace {

constexpr std::string_view kScript =
    "# Rect1 stands for the rectangle on the page; the reference host makes its window\n"
    "rect Rect1 420 280\n"
    "pgChartCreate \"Rect1\"\n"
    "pgAddSeriesChart \"Rect1\" \"40\" \"Север\" \"220,80,60\"\n"
    "pgAddSeriesChart \"Rect1\" \"25\" \"Юг\" \"70,130,200\"\n"
    "pgAddSeriesChart \"Rect1\" \"20\" \"Запад\" \"\"\n"
    "pgAddSeriesChart \"Rect1\" \"15\" \"Восток\" \"\"\n"
    "pgSetTitleChart \"Rect1\" \"Продажи, 2026\" \"Arial|clNavy|14|fsBold |204\" \"Center\"\n"
    "pgChartGradient \"Rect1\" \"205,220,245\" \"255,255,255\" \"TopBottom\"\n"
    "pgMarksStyle \"Rect1\" \"LabelPercent\"\n"
    "pgChartBitmap \"Rect1\" \"sales\"\n";

constexpr std::array<Text, 6> kEditorSteps = {{
    {"Draw a rectangle on the page, here named Rect1: the chart fills it and follows its size.",
     "Нарисуйте на странице прямоугольник, здесь он называется Rect1: диаграмма заполняет его и следует его размеру."},
    {"In the script that runs when the page opens, insert the action pgChartCreate (group “Диаграмма (мин. настройки)”). In its editor, press the gear button of the row “Rectangle для отображения диаграммы:”, pick Rect1 and press OK.",
     "В сценарий, который выполняется при открытии страницы, вставьте действие pgChartCreate (группа «Диаграмма (мин. настройки)»). В его редакторе нажмите кнопку с шестерёнкой в строке «Rectangle для отображения диаграммы:», выберите Rect1 и нажмите OK."},
    {"Insert pgAddSeriesChart once for each slice: the rectangle, “Численное значение в диаграмме:” 40, “Описание значения:” Север, and in “Цвет сектора…” a colour from the colour button — or nothing, for the palette's colour (the third slice yellow, the fourth blue).",
     "Вставьте pgAddSeriesChart для каждого сектора: прямоугольник, «Численное значение в диаграмме:» 40, «Описание значения:» Север, в «Цвет сектора…» — цвет с кнопки выбора цвета или ничего: тогда цвет из палитры (третий сектор жёлтый, четвёртый синий)."},
    {"Style it: pgSetTitleChart (the font from the T button; choose the alignment in the list — left unchosen, the alignment stays), pgChartGradient, pgMarksStyle. Each list must get a word chosen every time the editor is opened again.",
     "Оформите: pgSetTitleChart (шрифт — кнопкой T; выравнивание выберите в списке — если не выбрать, оно не изменится), pgChartGradient, pgMarksStyle. Слово в списке нужно выбирать заново при каждом открытии редактора."},
    {"Save it: pgChartBitmap with a path without extension in “Путь и имя для сохранения в файл:”; “.bmp” is added.",
     "Сохраните: pgChartBitmap, в строке «Путь и имя для сохранения в файл:» путь без расширения; «.bmp» добавляется."},
    {"Run the page: the actions run in order and the chart repaints after each. When nothing seems to happen, look at the column “Ignored silently” of the action: only a missing chart is reported, in [LastError].",
     "Запустите страницу: действия выполняются по порядку, диаграмма перерисовывается после каждого. Если ничего не происходит, смотрите столбец «Молча не действует»: сообщается только отсутствие диаграммы — в [LastError]."},
}};

}  // namespace

std::string_view QuickStartScript() { return kScript; }

std::string QuickStartHtml(const Reference& ref) {
  std::string out = PageStart(ref, {"quick start", "быстрый старт"}, "quickstart.html") + "</header>\n<main>\n";
  out += Both({"One whole chart: create it, add its records, style it, save it. The same steps twice: in the host's "
               "action editor, and as a script for pirogram-host.",
               "Одна диаграмма целиком: создать, добавить записи, оформить, сохранить. Одни и те же шаги дважды: в "
               "редакторе действий хоста и сценарием для pirogram-host."},
              "p", "intro");
  out += "\n<div class=\"pictures\">" +
         ShotFigure(ref.quickStart, Both({"The chart this page builds", "Диаграмма с этой страницы"}, "span"), "The quick start's chart") +
         "</div>\n";
  out += "<h2>" + Both({"In the host's action editor", "В редакторе действий хоста"}, "span") + "</h2>\n<ol class=\"steps\">\n";
  for (const auto& step : kEditorSteps) out += Both(step, "li") + "\n";
  out += "</ol>\n<h2>" + Both({"With the reference host", "В справочном хосте"}, "span") + "</h2>\n";
  out += Both({"Save these lines as quickstart.pgs (UTF-8), or take examples/reference/quickstart.pgs, and run "
               "pirogram-host quickstart.pgs: sales.bmp (pgChartBitmap) and quickstart.png (the host's save) land in "
               "the folder you run it from. Each line is one action with its parameters in the editor's row order; "
               "rect and save are the reference host's own commands (see The reference host).",
               "Сохраните эти строки в quickstart.pgs (UTF-8) или возьмите examples/reference/quickstart.pgs и "
               "выполните pirogram-host quickstart.pgs: файлы sales.bmp (pgChartBitmap) и quickstart.png (save хоста) "
               "появятся в текущей папке. Каждая строка — одно действие с параметрами в порядке строк редактора; rect "
               "и save — собственные команды справочного хоста (см. «Справочный хост»)."},
              "p");
  out += "\n<pre class=\"script\">" + EscapeHtml(ref.quickStart.script) + "</pre>\n";
  out += Both({"Next: the page By task finds the action for what you want to do; Actions lists every parameter.",
               "Дальше: страница «По задачам» подскажет нужное действие; «Действия» описывают каждый параметр."},
              "p");
  return out + "\n" + PageEnd();
}

}  // namespace pg::host
