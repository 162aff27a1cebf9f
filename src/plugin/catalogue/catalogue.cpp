#include "plugin/catalogue/catalogue.h"

#include "framework/text/codepage.h"
#include "plugin/module_state.h"

namespace pg::plugin {

namespace {

// Rows in the order the host lists them; each action sits under the header before it.
constexpr CatalogueRow kRows[] = {
    {0, "Диаграмма (мин. настройки)"_cp.data(), ""_cp.data(), 0, {1}, 1},
    {1, "pgChartCreate", "Создать объект Chart в Restangle для отображения диаграммы."_cp.data(), 1, {1}, 1},
    {2, "pgChartDelete", "Удалить объект Chart в Rectangle."_cp.data(), 1, {1}, 1},
    {3, "pgSetTitleChart", "Текст заголовка диаграммы (верхний колонтитул)."_cp.data(), 4, {1, 1, 1, 1}, 4},
    {4, "pgSetFootChart", "Текст нижнего колонтитула панели диаграммы."_cp.data(), 4, {1, 1, 1, 1}, 4},
    {5, "pgAddSeriesChart", "Добавить запись в диаграмму."_cp.data(), 4, {1, 1, 1, 1}, 4},
    {6, "pgDeleteSeries", "Удалить запись из диаграммы по номеру очерёдности записи."_cp.data(), 2, {1, 1}, 2},
    {7, "pgClearSeries", "Удалить все записи диаграммы"_cp.data(), 1, {1}, 1},
    {0, "Дополнительные настройки"_cp.data(), ""_cp.data(), 0, {1}, 1},
    {0, "Фоновая панель"_cp.data(), ""_cp.data(), 0, {1}, 1},
    {8, "pgChartVisible", "Скрыть/Показать панель с диаграммой."_cp.data(), 2, {1, 1}, 2},
    {9, "pgChartMonochrome", "Установить монохромный или полихромный цвет диаграммы."_cp.data(), 2, {1, 1}, 2},
    {10, "pgChartColor", "Установить цвет фона диаграммы."_cp.data(), 2, {1, 1}, 2},
    {11, "pgChartGradient", "Установить градиентный цвет фона диаграммы."_cp.data(), 4, {1, 1, 1, 1}, 4},
    {12, "pgChartPicture", "Выбрать и установить фоновый рисунок."_cp.data(), 4, {1, 1, 1, 1}, 4},
    {0, "Диаграмма"_cp.data(), ""_cp.data(), 0, {1}, 1},
    {13, "pgView3DPicture", "Выбрать 3D или плоское изображение диаграммы."_cp.data(), 2, {1, 1}, 2},
    {14, "pgView3DPerspective", "Изменить перспективу диаграммы (целое число: например 30)."_cp.data(), 2, {1, 1}, 2},
    {15, "pgView3DRotation", "Изменить наклоны диаграммы вправо/влево (целое число: например 30 или -30)."_cp.data(), 2, {1, 1}, 2},
    {16, "pgView3DElevation", "Изменить наклоны диаграммы на себя/от себя (целое число: например 30 или -30)."_cp.data(), 2, {1, 1}, 2},
    {17, "pgView3DHoriz", "Смещение диаграммы по горизонтали (целое число: например 30 или -30)."_cp.data(), 2, {1, 1}, 2},
    {18, "pgView3DZoom", "Процентное увеличение/уменьшение диаграммы (например 150 )."_cp.data(), 2, {1, 1}, 2},
    {19, "pgView3DVert", "Смещение диаграммы по вертикали (целое число: например 30 или -30)."_cp.data(), 2, {1, 1}, 2},
    {20, "pgView3DDepth", "Установить высоту(толщину) диаграммы (процентное отношение: например 100 )."_cp.data(), 2, {1, 1}, 2},
    {21, "pgChartMargin", "Значения полей диаграммы."_cp.data(), 5, {1, 1, 1, 1, 1}, 5},
    {22, "pgChartBorderWidth", "Размер диаграммы (целое число: например 20)."_cp.data(), 2, {1, 1}, 2},
    {0, "Список обозначений"_cp.data(), ""_cp.data(), 0, {1}, 1},
    {23, "pgLegendVisible", "Скрыть/показать список обозначений."_cp.data(), 2, {1, 1}, 2},
    {24, "pgSetLegendFont", "Установить параметры шрифта списка обозначений."_cp.data(), 2, {1, 1}, 2},
    {25, "pgLegendColor", "Установить цвет панели списка обозначений."_cp.data(), 2, {1, 1}, 2},
    {26, "pgLegendColorWidth", "Изменить размер цветовых маркеров на панели списка обозначений."_cp.data(), 2, {1, 1}, 2},
    {27, "pgLegendInverted", "Сменить местами надписи на панели обозначений."_cp.data(), 2, {1, 1}, 2},
    {28, "pgLegendResize", "Показывать панель списка обозначений на переднем плане."_cp.data(), 2, {1, 1}, 2},
    {29, "pgLegendShadow", "Установить цвет и Удалённость \"тени\" от панели списка обозначений."_cp.data(), 3, {1, 1, 1}, 3},
    {0, "Маркеры диаграммы"_cp.data(), ""_cp.data(), 0, {1}, 1},
    {30, "pgMarksVisible", "Скрыть/Показать маркеры диаграммы."_cp.data(), 2, {1, 1}, 2},
    {31, "pgMarksStyle", "Выбрать тип отображаемой информации в маркерах диаграммы."_cp.data(), 2, {1, 1}, 2},
    {32, "pgMarksTransparent", "Установить прозрачность фона текста маркеров диаграммы."_cp.data(), 2, {1, 1}, 2},
    {33, "pgMarksFontColor", "Установить цвет фона и параметры шрифта маркеров диаграммы."_cp.data(), 3, {1, 1, 1}, 3},
    {34, "pgMarksFrame", "Установить цвет и толщину рамок маркеров диаграммы."_cp.data(), 3, {1, 1, 1}, 3},
    {35, "pgMarksFrVisible", "Скрыть/показать рамки маркеров диаграммы."_cp.data(), 2, {1, 1}, 2},
    {36, "pgMarksFrStyle", "Выбрать и установить стиль рамок маркеров диаграммы."_cp.data(), 2, {1, 1}, 2},
    {0, "Диалоговые окна"_cp.data(), ""_cp.data(), 0, {1}, 1},
    {37, "pgColorBox", "Отобразить диалог выбора цвета и сохранить его в переменной."_cp.data(), 1, {6}, 1},
    {38, "pgFontDialog", "Отобразить диалог выбора параметров текста сохранить их в переменной."_cp.data(), 1, {6}, 1},
    {0, "Дополнительные функции"_cp.data(), ""_cp.data(), 0, {1}, 1},
    {39, "pgChartBitmap", "Сохранить диаграмму в файл изображения (*bmp)."_cp.data(), 2, {1, 1}, 2},
    {40, "pgColorToRGB", "Преобразовать цвет из формата TColor в формат RGB"_cp.data(), 2, {1, 6}, 2},
    {41, "pgRGBToColor", "Преобразовать цвет из формата RGB в формат TColor"_cp.data(), 2, {1, 6}, 2},
    {42, "pgChartRoll", "Вкл\\откл движения поворота диаграммы."_cp.data(), 4, {1, 1, 1, 1}, 4},
    {43, "pgChartExport", "Сохранить диаграмму в файл: рисунок (*.emf, *.svg, *.pdf, *.png, *.jpg, *.bmp)."_cp.data(), 2,
     {1, 1}, 2},
    {kMarksLayoutId, "pgMarksLayout", "Выбрать размещение маркеров диаграммы: стандартное или без наложения."_cp.data(), 2, {1, 1}, 2},
    {kOtherSliceId, "pgOtherSlice", "Объединить мелкие секторы диаграммы в один сектор \"Прочие\"."_cp.data(), 4, {1, 1, 1, 1}, 4},
    {kExplodeSliceId, "pgExplodeSlice", "Выдвинуть сектор диаграммы по номеру записи (от 0), в процентах радиуса."_cp.data(), 3, {1, 1, 1}, 3},
    {kExplodeBiggestId, "pgExplodeBiggest", "Выдвинуть наибольший сектор диаграммы (в процентах радиуса)."_cp.data(), 2, {1, 1}, 2},
    {kSlicePatternsId, "pgSlicePatterns", "Заштриховать секторы диаграммы узорами (для чёрно-белой печати)."_cp.data(), 2, {1, 1}, 2},
    {kPieCircledId, "pgPieCircled", "Рисовать плоскую диаграмму кругом, а не эллипсом."_cp.data(), 2, {1, 1}, 2},
};

// Every action and the 8 group headers.
static_assert(std::size(kRows) == kLastActionId + 8);

}  // namespace

std::span<const CatalogueRow> Catalogue() { return kRows; }

const CatalogueRow* FindAction(std::int32_t id) {
  if (id < 1) return nullptr;
  for (const auto& row : kRows)
    if (row.id == id) return &row;
  return nullptr;
}

void RegisterCatalogue() {
  const auto fn = State().addAction;
  if (!fn) return;
  for (const auto& row : kRows)
    fn(row.id, row.name, row.hint, row.count, row.kindCount - 1, row.kinds.data());
}

}  // namespace pg::plugin
