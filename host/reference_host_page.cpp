// The reference host's page: how to run a script, its options and its own
// commands beside the module's actions. Every option and command of --help has
// a row here (the reference test holds the two together).
#include <array>

#include "reference_html.h"
#include "reference_pages.h"

namespace pg::host {
namespace {

struct HostRow {
  std::string_view syntax;
  Text what;
};

constexpr std::array<HostRow, 9> kOptions = {{
    {"pirogram-host SCRIPT", {"Runs the script; - reads it from standard input.", "Выполняет сценарий; - читает его со стандартного ввода."}},
    {"--module PATH", {"The module to load; by default Pirogram.so (Pirogram.nbp on Windows) beside the real program, links followed.", "Загружаемый модуль; по умолчанию Pirogram.so (в Windows Pirogram.nbp) рядом с самой программой, ссылки раскрываются."}},
    {"--results", {"Prints ACTION -> true/false after each action: the value the module returns to the host.", "После каждого действия печатает ACTION -> true/false — то, что модуль возвращает хосту."}},
    {"--quiet, -q", {"Says nothing of ignored parameters and of the files the script writes.", "Не сообщает ни о пропущенных параметрах, ни о записанных файлах."}},
    {"--strict", {"Stops at the first parameter an action ignores, with status 1.", "Останавливается на первом параметре, который действие пропустило, с кодом 1."}},
    {"--version", {"Prints the host's version and the loaded module's.", "Печатает версию хоста и загруженного модуля."}},
    {"--reference DIR", {"Draws this reference into DIR, the shipped scripts into DIR/examples/reference.", "Рисует этот справочник в DIR, а поставляемые сценарии — в DIR/examples/reference."}},
    {"--examples DIR", {"Where --reference takes the example pictures from (default: examples).", "Откуда --reference берёт рисунки примеров (по умолчанию examples)."}},
    {"--help", {"Prints the usage and every command.", "Печатает порядок вызова и все команды."}},
}};

constexpr std::array<HostRow, 30> kCommands = {{
    {"ACTION \"p1\" \"p2\" …", {"Runs one of the module's actions; missing parameters are null.", "Выполняет действие модуля; недостающие параметры — пустые указатели."}},
    {"catalogue", {"Prints the catalogue rows as the module registered them.", "Печатает строки каталога так, как их зарегистрировал модуль."}},
    {"info", {"Prints the module's name, author and description.", "Печатает имя, автора и описание модуля."}},
    {"rect NAME W H", {"A rectangle of the page with its own window of W × H pixels, for the chart to live in; again: resizes it.", "Прямоугольник страницы со своим окном W × H точек, в котором живёт диаграмма; повторно — меняет размер."}},
    {"resize NAME W H", {"Resizes the rectangle's window (the chart keeps its size until refitted).", "Меняет размер окна прямоугольника (диаграмма сохраняет размер до подгонки)."}},
    {"refit NAME LPARAM", {"Sends the refit message to the chart window inside the rectangle (4 refits it).", "Посылает окну диаграммы сообщение подгонки (4 — подогнать)."}},
    {"hide NAME / show NAME", {"Hides or shows the rectangle's window.", "Скрывает или показывает окно прямоугольника."}},
    {"answer7 NAME \"TEXT\"", {"Answers TEXT when the module asks for the rectangle's window (e.g. \"0\").", "Отвечает TEXT, когда модуль спрашивает окно прямоугольника (например \"0\")."}},
    {"save NAME FILE", {"Paints, then writes what the rectangle shows by the file's extension: .bmp, .png, .jpg or .jpeg; .emf, .svg and .pdf write the chart alone as vectors (through pgChartExport); any other extension is refused and nothing is written. A relative name goes into the current folder. Every picture of this reference ends with one.", "Перерисовывает и записывает то, что видно в прямоугольнике, в формате по расширению: .bmp, .png, .jpg или .jpeg; .emf, .svg и .pdf записывают одну диаграмму в векторах (через pgChartExport); другое расширение отвергается, и ничего не пишется. Относительное имя — в текущую папку. Им кончается каждый рисунок справочника."}},
    {"marks NAME", {"Prints the marks of the last paint of the chart in the rectangle, one line each: mark INDEX LEFT TOP RIGHT BOTTOM and the leader line's points from the slice to the box, or mark INDEX dropped.", "Печатает метки последней перерисовки диаграммы в прямоугольнике, по строке на метку: mark НОМЕР ЛЕВО ВЕРХ ПРАВО НИЗ и точки выноски от сектора к рамке, или mark НОМЕР dropped."}},
    {"paint", {"Delivers the pending paint messages.", "Доставляет ожидающие сообщения перерисовки."}},
    {"tick N", {"Runs N periods of 150 ms of the message loop: the timers that fall due (pgChartRoll), then the paints.", "Прокручивает N периодов цикла сообщений по 150 мс: таймеры (pgChartRoll), затем перерисовку."}},
    {"geometry NAME", {"Prints the rectangle's size and the chart window's place, size and visibility.", "Печатает размер прямоугольника и место, размер и видимость окна диаграммы."}},
    {"pixel NAME X Y", {"Prints the colour (RRGGBB) shown at X, Y.", "Печатает цвет (RRGGBB) в точке X, Y."}},
    {"compare NAME1 NAME2", {"Prints same or differ for what two rectangles show: two charts side by side in one script.", "Печатает same или differ для двух прямоугольников: две диаграммы рядом в одном сценарии."}},
    {"print VAR", {"Prints a host variable, e.g. [LastError] or the variable pgColorToRGB wrote.", "Печатает переменную хоста, например [LastError] или то, что записал pgColorToRGB."}},
    {"set VAR \"value\"", {"Sets a host variable.", "Задаёт переменную хоста."}},
    {"memory LABEL", {"Prints what the process holds (resident and heap memory).", "Печатает, сколько памяти занимает процесс."}},
    {"message CODE", {"Sends the module a host message; 2 is the host's shutdown.", "Посылает модулю сообщение хоста; 2 — завершение работы хоста."}},
    {"option decimal-separator C", {"The decimal separator the module sees. The reference host starts with “.” whatever the system's locale, so that a script draws the same everywhere: 12.5 is a number and 12,5 adds no record, without a word.", "Десятичный разделитель, который видит модуль. Справочный хост начинает с «.» при любых настройках системы, чтобы сценарий рисовал везде одинаково: 12.5 — число, а 12,5 запись не добавляет, и об этом ничего не сообщается."}},
    {"option group-separator C", {"The group (thousands) separator the module sees.", "Разделитель групп разрядов, который видит модуль."}},
    {"option jpeg-quality N", {"The quality (1–100, 90 unless set) save writes JPEG files at.", "Качество (1–100, по умолчанию 90), с которым save пишет JPEG."}},
    {"pick \"NAME\" / pick cancel", {"The host's answer to the next chooser of an editor.", "Ответ хоста на следующий выбор объекта в редакторе."}},
    {"edit ACTION \"p1\" …", {"Opens the action's editor on these parameters, runs the queued dialog lines and prints what it gives back.", "Открывает редактор действия с этими параметрами, выполняет заданные строки dialog и печатает результат."}},
    {"dialog type ROW \"TEXT\" / dialog choose ROW \"WORD\" / dialog chooser ROW / dialog color ROW / dialog font ROW",
     {"Queued for the next editor: type into a row, pick a list word, press a row's chooser, colour or font button.", "Для следующего редактора: ввести текст в строку, выбрать слово списка, нажать кнопку выбора, цвета или шрифта."}},
    {"dialog keys ROW \"TEXT\"", {"Queued for the next editor: types TEXT into a row key by key, as a keyboard does; a character code page 1251 cannot hold is refused with a beep.", "Для следующего редактора: набирает TEXT в строке по клавишам, как клавиатура; символ, которого нет в кодовой странице 1251, отвергается со звуковым сигналом."}},
    {"dialog show / dialog snapshot FILE / dialog ok / dialog cancel / dialog close",
     {"Queued: print the dialog, save its picture (the editor pictures here), and how it ends.", "Для следующего редактора: напечатать окно, сохранить его рисунок (так сняты окна редакторов здесь) и как оно закрывается."}},
    {"dialog tooltip chooser|color|font ROW FILE",
     {"Queued: save the picture of a row button's tooltip as it pops up.", "Для следующего редактора: сохранить рисунок всплывающей подсказки кнопки строки."}},
    {"colordialog \"R,G,B\" / colordialog cancel", {"The answer of the next colour dialog (pgColorBox, a colour button).", "Ответ следующего диалога цвета (pgColorBox, кнопка цвета)."}},
    {"fontdialog \"FACE\" SIZE \"STYLES\" \"COLOUR\" CHARSET / fontdialog cancel", {"The answer of the next font dialog (pgFontDialog, a font button); STYLES are bold, italic, underline, strikeout.", "Ответ следующего диалога шрифта (pgFontDialog, кнопка шрифта); STYLES — bold, italic, underline, strikeout."}},
}};

std::string Rows(const HostRow* rows, std::size_t count) {
  std::string out = "<table class=\"formats host\">\n";
  for (std::size_t k = 0; k < count; ++k)
    out += "<tr><td><code>" + EscapeHtml(rows[k].syntax) + "</code></td><td>" + Both(rows[k].what, "div") + "</td></tr>\n";
  return out + "</table>\n";
}

}  // namespace

std::string HostHtml(const Reference& ref) {
  std::string out = PageStart(ref, {"the reference host", "справочный хост"}, "host.html") + "</header>\n<main>\n";
  out += Both({"pirogram-host loads the module as the authoring host does and runs a script from a shell: one command "
               "a line, the module's actions with their parameters in the editor's row order, and the host's own "
               "commands below, which stand for what the author's page and the user do. # starts a comment; a text "
               "with blanks goes in double quotes (\"\" inside is one quote). Scripts are UTF-8 (a byte order mark is "
               "skipped) or code page 1251. Pictures land in the current folder; a relative picture path is looked for "
               "there first, then in the script's own folder.",
               "pirogram-host загружает модуль так же, как программа-хост, и выполняет сценарий из командной строки: "
               "одна команда на строку — действия модуля с параметрами в порядке строк редактора и собственные "
               "команды хоста (ниже), которые заменяют страницу публикации и пользователя. # начинает комментарий; "
               "текст с пробелами пишется в двойных кавычках (\"\" внутри — одна кавычка). Сценарии — в UTF-8 (метка "
               "порядка байтов пропускается) или в кодировке 1251. Рисунки ложатся в текущую папку; относительный путь "
               "к рисунку ищется сначала там, затем в папке сценария."},
              "p", "intro");
  out += "\n<h2 id=\"numbers\">" + Both({"Numbers", "Числа"}, "span") + "</h2>\n";
  out += Both({"The reference host reads decimal numbers with “.” whatever the system's locale (option "
               "decimal-separator sets another). In the authoring host the module takes the user's locale: on a Russian "
               "Windows 12,5. A value with the other separator adds no record, without a word.",
               "Справочный хост читает десятичные числа с «.» при любых настройках системы (другой разделитель задаёт "
               "option decimal-separator). В программе-хосте модуль берёт разделитель из настроек пользователя: в "
               "русской Windows 12,5. Значение с другим разделителем запись не добавляет, и об этом ничего не "
               "сообщается."},
              "p");
  out += "\n<h2 id=\"options\">" + Both({"Options", "Параметры запуска"}, "span") + "</h2>\n" + Rows(kOptions.data(), kOptions.size());
  out += "<h2 id=\"commands\">" + Both({"Commands", "Команды"}, "span") + "</h2>\n" + Rows(kCommands.data(), kCommands.size());
  out += Both({"A malformed line stops the run with “line N: …” on standard error and exit status 2; a script that "
               "leaked host strings ends with status 1.",
               "Ошибочная строка останавливает выполнение с сообщением «line N: …» в стандартный поток ошибок и кодом "
               "выхода 2; сценарий, после которого остались неосвобождённые строки хоста, завершается с кодом 1."},
              "p");
  out += "\n<h2 id=\"shipped\">" + Both({"The shipped scripts", "Сценарии из поставки"}, "span") + "</h2>\n";
  out += Both({"Every picture of this reference was drawn by the script shown under it, shipped as "
               "examples/reference/NAME.pgs. Run one from any folder: pirogram-host examples/reference/pgChartColor-3.pgs "
               "writes pgChartColor-3.png there.",
               "Каждый рисунок этого справочника нарисован сценарием, показанным под ним; он лежит в поставке как "
               "examples/reference/ИМЯ.pgs. Запускайте из любой папки: pirogram-host "
               "examples/reference/pgChartColor-3.pgs запишет туда pgChartColor-3.png."},
              "p");
  return out + "\n" + PageEnd();
}

}  // namespace pg::host
