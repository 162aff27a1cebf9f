// The index by task: what an author wants to do, and the actions that do it.
#include <array>

#include "reference_html.h"
#include "reference_pages.h"

namespace pg::host {
namespace {

struct Task {
  Text what, how;
  std::array<std::string_view, 8> actions;
};

constexpr std::array<Task, 18> kTasks = {{
    {{"Make a chart", "Создать диаграмму"},
     {"Create it in a rectangle, then add one record per slice.", "Создайте её в прямоугольнике и добавьте по записи на сектор."},
     {"pgChartCreate", "pgAddSeriesChart"}},
    {{"Colour the slices", "Раскрасить секторы"},
     {"The fourth parameter of each record: R,G,B, or empty for the palette's colour by position. Black and white for the whole chart: pgChartMonochrome.",
      "Четвёртый параметр каждой записи: R,G,B или пусто — цвет палитры по номеру. Чёрно-белая диаграмма целиком: pgChartMonochrome."},
     {"pgAddSeriesChart", "pgChartMonochrome"}},
    {{"Change or remove slices", "Изменить или убрать секторы"},
     {"A record cannot be changed: delete it by its number and add it again (it goes to the end), or clear all and add them anew.",
      "Запись не изменить: удалите её по номеру и добавьте заново (она станет последней) или очистите все и добавьте снова."},
     {"pgDeleteSeries", "pgClearSeries", "pgAddSeriesChart"}},
    {{"A title and a foot line", "Заголовок и нижняя строка"},
     {"One line each, with font and alignment.", "По одной строке, со шрифтом и выравниванием."},
     {"pgSetTitleChart", "pgSetFootChart"}},
    {{"A background colour or gradient", "Цвет или градиент фона"},
     {"A colour turns the gradient off; the gradient's words decide where each colour goes.", "Цвет выключает градиент; слово градиента решает, где какой цвет."},
     {"pgChartColor", "pgChartGradient", "pgChartBorderWidth"}},
    {{"A picture behind the chart", "Рисунок за диаграммой"},
     {"True covers the whole panel; False only the plot, and only on a flat chart. Nothing removes it but re-creating the chart.",
      "True — на всю панель; False — только область построения и только у плоской диаграммы. Убрать рисунок можно только пересозданием диаграммы."},
     {"pgChartPicture", "pgView3DPicture"}},
    {{"Flat or 3D; turn and tilt", "Плоская или объёмная; поворот и наклон"},
     {"The angles are degrees and act only in 3D.", "Углы — в градусах и действуют только в 3D."},
     {"pgView3DPicture", "pgView3DRotation", "pgView3DElevation", "pgView3DPerspective", "pgView3DDepth"}},
    {{"Make the pie larger, smaller or move it", "Увеличить, уменьшить или сдвинуть диаграмму"},
     {"Margins are percentages of the panel; zoom and shifts act in 3D only.", "Поля — в процентах панели; масштаб и сдвиги — только в 3D."},
     {"pgChartMargin", "pgView3DZoom", "pgView3DHoriz", "pgView3DVert", "pgMarksVisible", "pgLegendVisible"}},
    {{"The legend", "Легенда"},
     {"Hide it, set its font, colour, markers, order, shadow, and whether the pie keeps out of its way.", "Скрыть, задать шрифт, цвет, маркеры, порядок, тень и уступает ли ей место диаграмма."},
     {"pgLegendVisible", "pgSetLegendFont", "pgLegendColor", "pgLegendColorWidth", "pgLegendInverted", "pgLegendResize", "pgLegendShadow"}},
    {{"What the slice labels say", "Что пишут подписи секторов"},
     {"Label, value, percent or combinations; or no marks at all.", "Подпись, значение, процент или их сочетания; или без маркеров."},
     {"pgMarksStyle", "pgMarksVisible"}},
    {{"How the slice labels look", "Как выглядят подписи секторов"},
     {"Background, font, frame colour, width and style.", "Фон, шрифт, цвет, толщина и стиль рамки."},
     {"pgMarksTransparent", "pgMarksFontColor", "pgMarksFrame", "pgMarksFrVisible", "pgMarksFrStyle"}},
    {{"Many small slices", "Много мелких секторов"},
     {"Group the smallest into one “Other” slice, stack the labels beside the pie so that none covers another, pull out the slice that matters; a flat pie can be kept round. The gallery has a finished chart.",
      "Объедините самые малые в сектор «Прочие», выстройте подписи у диаграммы, чтобы они не закрывали друг друга, выдвиньте главный сектор; плоскую диаграмму можно оставить круглой. Готовая диаграмма — в галерее."},
     {"pgOtherSlice", "pgMarksLayout", "pgExplodeSlice", "pgExplodeBiggest", "pgPieCircled", "pgMarksStyle"}},
    {{"Let the chart rock", "Покачивание диаграммы"},
     {"Bound and step in degrees, a step every 150 ms; 3D only.", "Предел и шаг в градусах, шаг каждые 150 мс; только в 3D."},
     {"pgChartRoll"}},
    {{"Hide, show or delete the chart", "Скрыть, показать или удалить диаграмму"},
     {"Hidden, it keeps all its settings; deleted, they are gone.", "Скрытая сохраняет настройки; удалённая — нет."},
     {"pgChartVisible", "pgChartDelete"}},
    {{"Save the chart", "Сохранить диаграмму"},
     {"A BMP file of the chart window's size; “.bmp” is added to the path.", "Файл BMP размером с окно диаграммы; к пути добавляется «.bmp»."},
     {"pgChartBitmap"}},
    {{"Print in black and white", "Напечатать в чёрно-белом виде"},
     {"Hatch the slices: six patterns in the slices' colours, in the legend too (widen its colour boxes to see them), tell the slices apart in grey or for a colour-blind reader. pgChartMonochrome draws the whole chart in black and white.",
      "Заштрихуйте секторы: шесть узоров в цветах секторов, и в легенде тоже (расширьте её цветовые маркеры, чтобы их было видно), различают секторы в сером и для читателя, не различающего цвета. pgChartMonochrome рисует всю диаграмму чёрно-белой."},
     {"pgSlicePatterns", "pgLegendColorWidth", "pgChartMonochrome", "pgChartBitmap"}},
    {{"Let the user pick a colour or a font", "Дать пользователю выбрать цвет или шрифт"},
     {"The dialog writes R,G,B or a font description into a variable; colour and font parameters take these texts as they are.",
      "Диалог записывает в переменную R,G,B или описание шрифта; параметры цвета и шрифта принимают эти тексты как есть."},
     {"pgColorBox", "pgFontDialog"}},
    {{"Convert a colour between name and R,G,B", "Перевести цвет между именем и R,G,B"},
     {"clRed ↔ 255,0,0; see the colour table.", "clRed ↔ 255,0,0; см. таблицу цветов."},
     {"pgColorToRGB", "pgRGBToColor"}},
}};

}  // namespace

std::string TasksHtml(const Reference& ref) {
  std::string out = PageStart(ref, {"by task", "по задачам"}, "tasks.html") + "</header>\n<main>\n";
  out += Both({"What you want to do, and the actions that do it. Each name leads to its entry in the action reference.",
               "Что нужно сделать и какие действия это делают. Каждое имя ведёт к описанию действия."},
              "p", "intro");
  out += "\n<table class=\"tasks\">\n<tr>" + Both({"Task", "Задача"}, "th") + Both({"How", "Как"}, "th") +
         Both({"Actions", "Действия"}, "th") + "</tr>\n";
  for (const auto& t : kTasks) {
    out += "<tr><td>" + Both(t.what, "div", "task") + "</td><td>" + Both(t.how, "div") + "</td><td>";
    for (const auto name : t.actions)
      if (!name.empty()) out += "<a href=\"index.html#" + std::string(name) + "\"><code>" + std::string(name) + "</code></a> ";
    out += "</td></tr>\n";
  }
  out += "</table>\n";
  out += Both({"Values: colour names, font descriptions, character sets and what the dialogs write are on the page "
               "Colours, fonts, values.",
               "Значения: имена цветов, описания шрифтов, наборы символов и что пишут диалоги — на странице «Цвета, "
               "шрифты, значения»."},
              "p");
  return out + "\n" + PageEnd();
}

}  // namespace pg::host
