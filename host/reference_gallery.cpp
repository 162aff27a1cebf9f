// The gallery's charts are whole scripts written as an author would: one a
// row, drawn and shipped like every other picture of the reference.
#include "reference_gallery.h"

#include <array>
#include <filesystem>

#include "reference_html.h"

namespace pg::host {
namespace {

struct GalleryNote {
  Text title, about;
  std::string_view body;     // the lines after "rect Rect1 W H", before the save
  int width, height;
  std::string_view written;  // a file the script writes besides its picture, "" for none
};

constexpr std::array<GalleryNote, 3> kGallery = {{
    {{"A chart for a publication", "Диаграмма для публикации"},
     {"Tilted, with a soft panel, a title and a source line; the marks carry the names and shares, so the legend goes.",
      "Наклонная, на мягком фоне, с заголовком и строкой источника; подписи несут имена и доли, поэтому легенда не нужна."},
     "pgChartCreate \"Rect1\"\n"
     "pgAddSeriesChart \"Rect1\" \"42\" \"Москва\" \"38,84,124\"\n"
     "pgAddSeriesChart \"Rect1\" \"23\" \"Санкт-Петербург\" \"94,140,186\"\n"
     "pgAddSeriesChart \"Rect1\" \"15\" \"Казань\" \"240,138,56\"\n"
     "pgAddSeriesChart \"Rect1\" \"11\" \"Новосибирск\" \"250,190,110\"\n"
     "pgAddSeriesChart \"Rect1\" \"9\" \"Другие\" \"170,170,170\"\n"
     "pgSetTitleChart \"Rect1\" \"Продажи по городам, 2026\" \"Tahoma|$00503020|15|fsBold |204\" \"Left\"\n"
     "pgSetFootChart \"Rect1\" \"Источник: отдел продаж\" \"Tahoma|clGray|9|fsItalic |204\" \"Right\"\n"
     "pgChartGradient \"Rect1\" \"255,255,255\" \"236,241,248\" \"TopBottom\"\n"
     "pgLegendVisible \"Rect1\" \"False\"\n"
     "pgMarksStyle \"Rect1\" \"LabelPercent\"\n"
     "pgMarksFontColor \"Rect1\" \"255,255,255\" \"Tahoma|$00503020|9||204\"\n"
     "pgMarksFrame \"Rect1\" \"190,200,215\" \"1\"\n"
     "pgView3DElevation \"Rect1\" \"300\"\n"
     "pgView3DDepth \"Rect1\" \"10\"\n",
     560, 360, ""},
    {{"A chart for print", "Диаграмма для печати"},
     {"Flat, on white, in greys that stay apart on a black-and-white printer, names and values in the marks; saved as a large bitmap (sales-print.bmp) for the printer.",
      "Плоская, на белом, в оттенках серого, различимых на чёрно-белом принтере, в подписях имена и значения; сохраняется большим рисунком (sales-print.bmp) для печати."},
     "pgChartCreate \"Rect1\"\n"
     "pgAddSeriesChart \"Rect1\" \"40\" \"Север\" \"40,40,40\"\n"
     "pgAddSeriesChart \"Rect1\" \"25\" \"Юг\" \"110,110,110\"\n"
     "pgAddSeriesChart \"Rect1\" \"20\" \"Запад\" \"170,170,170\"\n"
     "pgAddSeriesChart \"Rect1\" \"15\" \"Восток\" \"225,225,225\"\n"
     "pgView3DPicture \"Rect1\" \"False\"\n"
     "pgSetTitleChart \"Rect1\" \"Продажи по регионам, тыс. руб.\" \"Arial|clBlack|20|fsBold |204\" \"Left\"\n"
     "pgSetLegendFont \"Rect1\" \"Arial|clBlack|14||204\"\n"
     "pgMarksStyle \"Rect1\" \"LabelValue\"\n"
     "pgMarksTransparent \"Rect1\" \"True\"\n"
     "pgMarksFontColor \"Rect1\" \"255,255,255\" \"Arial|clBlack|14||204\"\n"
     "pgMarksFrVisible \"Rect1\" \"False\"\n"
     "pgChartBitmap \"Rect1\" \"sales-print\"\n",
     840, 560, "sales-print.bmp"},
    {{"Many small slices", "Много мелких секторов"},
     {"An energy mix of uneven shares: the three smallest sources grouped into one “Other” slice, the labels stacked beside the pie with lines to their slices so that none covers another, the largest share pulled out.",
      "Структура выработки с очень разными долями: три самых малых источника объединены в сектор «Прочие», подписи выстроены у диаграммы с линиями к своим секторам и не закрывают друг друга, наибольшая доля выдвинута."},
     "pgChartCreate \"Rect1\"\n"
     "pgAddSeriesChart \"Rect1\" \"38\" \"Газ\" \"38,84,124\"\n"
     "pgAddSeriesChart \"Rect1\" \"21\" \"Уголь\" \"90,90,90\"\n"
     "pgAddSeriesChart \"Rect1\" \"14\" \"Атом\" \"240,138,56\"\n"
     "pgAddSeriesChart \"Rect1\" \"10\" \"Вода\" \"94,140,186\"\n"
     "pgAddSeriesChart \"Rect1\" \"6\" \"Ветер\" \"140,200,230\"\n"
     "pgAddSeriesChart \"Rect1\" \"4\" \"Солнце\" \"250,205,70\"\n"
     "pgAddSeriesChart \"Rect1\" \"2.5\" \"Биотопливо\" \"110,170,90\"\n"
     "pgAddSeriesChart \"Rect1\" \"1.5\" \"Торф\" \"150,110,80\"\n"
     "pgAddSeriesChart \"Rect1\" \"1\" \"Мазут\" \"60,60,60\"\n"
     "pgAddSeriesChart \"Rect1\" \"0.8\" \"Геотермальные\" \"200,90,70\"\n"
     "pgAddSeriesChart \"Rect1\" \"0.4\" \"Приливы\" \"60,170,170\"\n"
     "pgAddSeriesChart \"Rect1\" \"0.8\" \"Прочее\" \"190,190,190\"\n"
     "pgSetTitleChart \"Rect1\" \"Выработка электроэнергии по источникам, %\" \"Tahoma|$00503020|14|fsBold |204\" \"Left\"\n"
     "pgChartColor \"Rect1\" \"255,255,255\"\n"
     "pgLegendVisible \"Rect1\" \"False\"\n"
     "pgOtherSlice \"Rect1\" \"BelowPercent\" \"1\" \"Прочие\"\n"
     "pgMarksStyle \"Rect1\" \"LabelPercent\"\n"
     "pgMarksLayout \"Rect1\" \"NoOverlap\"\n"
     "pgMarksFontColor \"Rect1\" \"255,255,255\" \"Tahoma|$00503020|9||204\"\n"
     "pgMarksFrame \"Rect1\" \"190,200,215\" \"1\"\n"
     "pgExplodeBiggest \"Rect1\" \"12\"\n"
     "pgView3DElevation \"Rect1\" \"300\"\n"
     "pgView3DDepth \"Rect1\" \"10\"\n",
     620, 400, ""},
}};

}  // namespace

void DrawGallery(Reference& ref, ShotTaker& shots) {
  for (std::size_t k = 0; k < kGallery.size(); ++k) {
    const GalleryNote& g = kGallery[k];
    ref.gallery.push_back({g.title, g.about,
                           shots.Chart("gallery-" + std::to_string(k + 1), std::string(g.title.en), std::string(g.body),
                                       g.width, g.height)});
    if (!g.written.empty()) std::filesystem::remove(shots.Path("img/" + std::string(g.written)));
  }
}

std::string GalleryHtml(const Reference& ref) {
  std::string out = PageStart(ref, {"gallery", "галерея"}, "gallery.html") + "</header>\n<main>\n";
  out += Both({"Finished charts to start from: each picture with the whole script that drew it. Copy the script, or "
               "run the shipped file, and change the records.",
               "Готовые диаграммы, с которых можно начать: каждый рисунок — с полным сценарием, который его нарисовал. "
               "Скопируйте сценарий или запустите файл из поставки и замените записи."},
              "p", "intro");
  for (const auto& g : ref.gallery) {
    out += "\n<section class=\"gallery-chart\">\n<h2>" + Both(g.title, "span") + "</h2>\n" + Both(g.about, "p") + "\n";
    out += ShotFigure(g.shot, {}, "gallery: " + std::string(g.title.en), true) + "</section>\n";
  }
  return out + PageEnd();
}

}  // namespace pg::host
