// Every action's editor, in id order.
#include <array>

#include "dialogs/editor_table.h"
#include "framework/text/codepage.h"

namespace pg::dialogs {
namespace {

using K = RowKind;
using D = DialogClass;

constexpr std::array<std::string_view, 3> kAlignment = {"Left", "Center", "Right"};
constexpr std::array<std::string_view, 9> kGradient = {"TopBottom",   "BottomTop",      "LeftRight",
                                                       "RightLeft",   "FromCenter",     "FromTopLeft",
                                                       "FromBottomLeft", "FromTopRight", "FromBottomRight"};
constexpr std::array<std::string_view, 3> kPlacement = {"Stretch", "Tile", "Center"};
constexpr std::array<std::string_view, 9> kMarksStyle = {"Percent", "Value",        "Label",
                                                         "LabelPercent", "LabelValue", "Legend",
                                                         "PercentTotal", "LabelPercentTotal", "XValue"};
constexpr std::array<std::string_view, 2> kMarksLayout = {"Standard", "NoOverlap"};
constexpr std::array<std::string_view, 3> kOtherStyle = {"None", "BelowPercent", "BelowValue"};
constexpr std::array<std::string_view, 6> kFrameStyle = {"Solid", "Dash", "Dot", "DashDotDot", "DashDot", "Clear"};

constexpr RowSpec Rect() { return {"Rectangle диаграммы:"_cp, K::kRectangle, {}}; }
constexpr RowSpec RectShow() { return {"Rectangle для отображения диаграммы:"_cp, K::kRectangle, {}}; }
constexpr RowSpec Var(std::string_view caption) { return {caption, K::kVariable, {}}; }
constexpr RowSpec Row(std::string_view caption, RowKind kind) { return {caption, kind, {}}; }
constexpr RowSpec List(std::string_view caption, std::span<const std::string_view> words) {
  return {caption, K::kList, words};
}

constexpr auto kTrueFalse = "True/False:"_cp;
constexpr auto kInt30 = "Целое число (например 30 или -30):"_cp;
constexpr auto kFontParams = "Параметры шрифта:"_cp;
constexpr auto kAlignCaption = "Расположение текста:"_cp;

constexpr EditorSpec Two(std::int32_t id, RowSpec row2, std::string_view description, RowSpec row1 = Rect()) {
  return {id, D::TEditForm1, description, {row1, row2}, 2};
}

// The pie layout actions close the list (pgMarksLayout first).
constexpr std::int32_t kMarksLayoutId = kEditorCount - 5;
constexpr auto kExplodePercent = "Выдвижение (процент радиуса, например 20):"_cp;

constexpr std::array<EditorSpec, kEditorCount> kEditors = {{
    {1, D::TForm1, "Создать объект Chart в Rectangle для \nотображения диаграммы."_cp, {RectShow()}, 1},
    {2, D::TForm1, "Удалить объект Chart в Rectangle."_cp, {Rect()}, 1},
    {3, D::TForm4,
     "Установить текст верхнего колонтитула диаграммы,\nвыбрать параметры текста и его расположение."_cp,
     {Rect(), Var("Текст заголовка диаграммы:"_cp), Row(kFontParams, K::kVariableFont),
      List(kAlignCaption, kAlignment)},
     4},
    {4, D::TForm4,
     "Установить текст нижнего колонтитула диаграммы,\nвыбрать параметры текста и его расположение."_cp,
     {Rect(), Var("Нижний текст диаграммы:"_cp), Row(kFontParams, K::kVariableFont), List(kAlignCaption, kAlignment)},
     4},
    {5, D::TForm4,
     "Добавить запись в диаграмму. (Если цвет не указан -\nто будет установлен случайно выбранный цвет)."_cp,
     {Rect(), Var("Численное значение в диаграмме:"_cp), Var("Описание значения:"_cp),
      Row("Цвет сектора в диаграмме (необязательное значение):"_cp, K::kVariableColour)},
     4},
    Two(6, Var("Номер удаляемой записи в очереди записей:"_cp),
        "Удалить запись из диаграммы по номеру записи\n(номер записи - номер очерёдности в которой он был\nзаписан в диаграмму)"_cp),
    {7, D::TForm1, "Удалить все записи диаграммы."_cp, {RectShow()}, 1},
    Two(8, Var(kTrueFalse), "Скрыть/Показать панель с диаграммой."_cp),
    Two(9, Var(kTrueFalse), "Установить монохромный или полихромный\nцвет диаграммы."_cp),
    Two(10, Row("Цвет фона диаграммы:"_cp, K::kColourOnly), "Установить однотонный цвет фона диаграммы."_cp),
    {11, D::TForm4, "Установить градиентный цвет фона диаграммы."_cp,
     {Rect(), Row("Первый цвет градиента:"_cp, K::kVariableColour), Row("Второй цвет градиента:"_cp, K::kVariableColour),
      List("Стиль градиента:"_cp, kGradient)},
     4},
    {12, D::TForm4,
     "Выбрать и установить фоном (на фоне) изображение.\n(*jpg, *jpeg, *bmp, *ico, *emf, *wmf)"_cp,
     {Rect(), Var("Показать/Скрыть рисунок фона (True/False):"_cp), Var("Путь и имя файла изображения:"_cp),
      List("Расположение рисунка:"_cp, kPlacement)},
     4},
    Two(13, Var(kTrueFalse), "Выбрать 3D или плоское изображение диаграммы."_cp),
    Two(14, Var("Целое число (например 30):"_cp), "Изменить перспективу диаграммы."_cp),
    Two(15, Var(kInt30), "Изменить наклоны диаграммы (вправо/влево)."_cp),
    Two(16, Var(kInt30), "Изменить наклоны диаграммы (на себя/от себя)."_cp),
    Two(17, Var(kInt30), "Смещение диаграммы по горизонтали."_cp),
    Two(18, Var("Целое число (проценты, например 30):"_cp), "Процентное увеличение/уменьшение диаграммы."_cp),
    Two(19, Var(kInt30), "Смещение диаграммы по вертикали."_cp),
    Two(20, Var("Целое число (процентное отношение: например 100):"_cp), "Установить высоту (толщину) диаграммы."_cp),
    {21, D::TForm5, "Установить значения полей диаграммы."_cp,
     {Rect(), Var("Значение левого поля (целое число: например 20):"_cp),
      Var("Значение правого поля (целое число: например 20):"_cp),
      Var("Значение верхнего поля (целое число: например 20):"_cp),
      Var("Значение нижнего поля (целое число: например 20):"_cp)},
     5},
    Two(22, Var("Целое число (например 20):"_cp), "Размер диаграммы."_cp),
    Two(23, Var(kTrueFalse), "Скрыть/показать список обозначений."_cp),
    Two(24, Row("Параметры шрифта списка обозначений:"_cp, K::kFontOnly),
        "Установить параметры шрифта списка обозначений."_cp),
    Two(25, Row("Выбрать цвет панели списка обозначений:"_cp, K::kColourOnly),
        "Установить цвет панели списка обозначений"_cp),
    Two(26, Var("Целое число (например 100):"_cp), "Изменить размер цветовых маркеров\nна панели списка обозначений."_cp),
    Two(27, Var(kTrueFalse), "Сменить местами надписи на панели обозначений."_cp),
    Two(28, Var(kTrueFalse), "Показывать панель списка обозначений на переднем плане."_cp),
    {29, D::TForm3, "Установить цвет и удалённость \"тени\" от панели списка\nобозначений"_cp,
     {Rect(), Row("Выбрать цвет \"тени\":"_cp, K::kVariableColour),
      Var("Удалённость \"тени\" (целое число: например 10):"_cp)},
     3},
    Two(30, Var(kTrueFalse), "Скрыть/показать маркеры диаграммы."_cp),
    Two(31, List("Выбрать тип отображаемой информации:"_cp, kMarksStyle),
        "Тип информации (в процентах, в цифрах, названиями,\nназвания с процентами, названия с цифрами, процент\nобщ. суммы и т.д.)"_cp),
    Two(32, Var(kTrueFalse), "Установить прозрачность фона текста маркеров\nдиаграммы."_cp),
    {33, D::TForm3, "Установить цвет фона и параметры шрифта \nмаркеров диаграммы"_cp,
     {Rect(), Row("Выбрать цвет фона маркеров:"_cp, K::kVariableColour),
      Row("Выбрать параметры шрифта маркеров:"_cp, K::kVariableFont)},
     3},
    {34, D::TForm3, "Установить цвет и толщину рамок маркеров \nдиаграммы."_cp,
     {Rect(), Row("Выбрать цвет рамок маркеров:"_cp, K::kVariableColour),
      Var("Выбрать толщину рамок маркеров (пикс.):"_cp)},
     3},
    Two(35, Var(kTrueFalse), "Скрыть/показать рамки маркеров диаграммы."_cp),
    Two(36, List("Выбрать стиль рамок маркеров:"_cp, kFrameStyle), "Установить стиль рамок маркеров."_cp),
    {37, D::TForm1, "Выбрать цвет и сохранить его в переменной."_cp,
     {Var("Переменная для сохранения полученного цвета:"_cp)}, 1},
    {38, D::TForm1, "Выбрать параметры текста и сохранить их в переменной."_cp,
     {Var("Переменная для сохранения полученного результата:"_cp)}, 1},
    Two(39, Var("Путь и имя для сохранения в файл:"_cp), "Сохранить диаграмму в файл изображения (*bmp)."_cp),
    Two(40, Var("Имя переменной для сохранения в формате RGB:"_cp),
        "Преобразовать цвет из формата TColor в формат RGB."_cp, Var("Цвет в формате TColor:"_cp)),
    Two(41, Var("Имя переменной для сохранения в формате TColor:"_cp),
        "Преобразовать цвет из формата RGB в формат TColor."_cp, Var("Цвет в формате RGB:"_cp)),
    {42, D::TForm4,
     "Выбрать максимальный угол поворота (наклона),\nустановить шаг и вкл\\откл движение диаграммы."_cp,
     {Rect(), Var("Движение (True/False):"_cp), Var("Максимальный угол поворота:"_cp),
      Row("Угол шага поворота:"_cp, K::kVariableNoTooltip)},
     4, true},
    // The catalogue's hint in one line is wider than the panel, which does not wrap.
    Two(43, Var("Путь и имя для сохранения в файл:"_cp),
        "Сохранить диаграмму в файл: рисунок\n(*.emf, *.svg, *.pdf, *.png, *.jpg, *.bmp)."_cp),
    Two(kMarksLayoutId, List("Размещение маркеров:"_cp, kMarksLayout),
        "Выбрать размещение маркеров диаграммы\n(Standard - стандартное, NoOverlap - без наложения)."_cp),
    {kMarksLayoutId + 1, D::TForm4,
     "Объединить мелкие секторы в один сектор \"Прочие\"\n(BelowPercent - меньше процента от суммы,\nBelowValue - меньше значения)."_cp,
     {Rect(), List("Способ объединения:"_cp, kOtherStyle), Var("Порог (процент или значение, например 5):"_cp),
      Var("Подпись сектора (например Прочие):"_cp)},
     4},
    {kMarksLayoutId + 2, D::TForm3, "Выдвинуть сектор диаграммы (0 - вернуть на место)."_cp,
     {Rect(), Var("Номер записи (от 0):"_cp), Var(kExplodePercent)},
     3},
    Two(kMarksLayoutId + 3, Var(kExplodePercent), "Выдвинуть наибольший сектор диаграммы."_cp),
    Two(kMarksLayoutId + 4, Var(kTrueFalse), "Заштриховать секторы диаграммы узорами\n(для чёрно-белой печати)."_cp),
    Two(kMarksLayoutId + 5, Var(kTrueFalse), "Рисовать плоскую диаграмму кругом,\nа не эллипсом."_cp),
}};

}  // namespace

std::span<const EditorSpec> Editors() { return kEditors; }

}  // namespace pg::dialogs
