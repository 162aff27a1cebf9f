// The kinds of parameter value the reference names, with what a malformed one does.
#include <array>

#include "reference_notes.h"

namespace pg::host {
namespace {

constexpr std::array<ValueKind, 16> kKinds = {{
    {'N', {"rectangle name", "имя прямоугольника"},
     {"The host has no window for it: false; an earlier chart of that name is gone all the same.",
      "У хоста нет окна с таким именем: результат false; прежняя диаграмма с этим именем всё равно удалена."}},
    {'X', {"rectangle name", "имя прямоугольника"},
     {"No chart there: nothing happens, the result is false.", "Диаграммы там нет: ничего не происходит, результат false."}},
    {'R', {"rectangle name", "имя прямоугольника"},
     {"No chart there: [LastError] names the rectangle and nothing changes.",
      "Диаграммы там нет: [LastError] называет прямоугольник, ничего не меняется."}},
    {'T', {"text", "текст"}, {"Taken as it is; empty is allowed.", "Берётся как есть; пустой текст допустим."}},
    {'I', {"integer", "целое число"},
     {"Not a whole 32-bit number (a trailing blank included): the action stops here.",
      "Не целое 32-битное число (в том числе с пробелом в конце): действие на этом останавливается."}},
    {'D', {"decimal number: 12.5 in the reference host, the user's separator in the authoring host (12,5 on a Russian Windows)",
           "десятичное число: 12.5 в справочном хосте, в программе-хосте — с разделителем из настроек пользователя (12,5 в русской Windows)"},
     {"Not a number, or the other separator (12,5 where “.” is read): no record is added.",
      "Не число или другой разделитель (12,5 там, где читается «.»): запись не добавляется."}},
    {'B', {"Boolean word: True, true, False, false", "логическое слово: True, true, False, false"},
     {"Any other text (TRUE, 1, empty): nothing changes.", "Любой другой текст (TRUE, 1, пустой): ничего не меняется."}},
    {'C', {"colour triple R,G,B (0–255 each)", "цвет тремя числами R,G,B (каждое 0–255)"},
     {"Fewer than three integers: the action stops here. Each number keeps its low 8 bits (256 is 0, −1 is 255).",
      "Меньше трёх целых чисел: действие останавливается. От каждого числа берутся младшие 8 бит (256 — это 0, −1 — 255)."}},
    {'c', {"colour triple R,G,B, or empty", "цвет R,G,B или пусто"},
     {"Empty: a palette colour; fewer than three integers: no record is added.",
      "Пусто: цвет из палитры; меньше трёх целых чисел: запись не добавляется."}},
    {'F', {"font description Face|Colour|Size|Styles|Charset", "описание шрифта Гарнитура|Цвет|Размер|Стили|Набор"},
     {"Read field by field: a bad field stops it, the fields before it stay.",
      "Читается по полям: на ошибочном поле чтение останавливается, предыдущие поля остаются."}},
    {'W', {"word from the list", "слово из списка"},
     {"Any other text, or no word chosen in the editor (empty): the setting stays as it was.",
      "Любой другой текст или слово не выбрано в редакторе (пусто): настройка остаётся прежней."}},
    {'P', {"picture file (.bmp .ico .emf .wmf .jpg .jpeg)", "файл рисунка (.bmp .ico .emf .wmf .jpg .jpeg)"},
     {"Not loadable: the old picture and its settings stay.",
      "Файл не читается: прежний рисунок и его настройки остаются."}},
    {'S', {"file path without extension (.bmp is added)", "путь к файлу без расширения (добавляется .bmp)"},
     {"Not writable: nothing is saved, nothing is reported.", "Записать нельзя: ничего не сохраняется и не сообщается."}},
    {'O', {"output variable name", "имя переменной для результата"}, {"Used as it is.", "Используется как есть."}},
    {'K', {"colour text: a colour name or an integer", "цвет текстом: имя цвета или целое число"},
     {"Neither: the variable is not written.", "Ни то ни другое: переменная не записывается."}},
    {'Q', {"colour triple R,G,B", "цвет тремя числами R,G,B"},
     {"Fewer than three integers: the variable is not written.",
      "Меньше трёх целых чисел: переменная не записывается."}},
}};

}  // namespace

const ValueKind* ValueKindOf(char letter) {
  for (const auto& k : kKinds)
    if (k.letter == letter) return &k;
  return nullptr;
}

}  // namespace pg::host
