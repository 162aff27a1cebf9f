#include "host_usage.h"

#include <string>

namespace pg::host {

namespace {

constexpr const char* kUsage =
    "usage: pirogram-host [--module PATH] [--results] [--quiet] [--strict] SCRIPT\n"
    "       pirogram-host [--module PATH] [--results] [--quiet] [--strict] -\n"
    "       pirogram-host [--module PATH] --version\n"
    "       pirogram-host [--module PATH] [--examples DIR] --reference DIR\n"
    "       pirogram-host --help\n";

constexpr const char* kDetails =
      "\n"
      "Loads the Pirogram module as the authoring host does and runs an action script\n"
      "against it; \"-\" reads the script from standard input. Pictures the script\n"
      "saves land in the current folder.\n"
      "\n"
      "Options:\n"
      "  --module PATH      the module to load (default: Pirogram.so, or Pirogram.nbp\n"
      "                     on Windows, beside the real program, links followed)\n"
      "  --results          print ACTION -> true/false after each action: the answer\n"
      "                     the host gets, which is false for every action but a\n"
      "                     create or delete that happened, also when it worked\n"
      "  --quiet, -q        say nothing of ignored parameters and written files\n"
      "  --strict           stop at the first parameter an action ignores (status 1)\n"
      "  --version          print the host's version and the module's\n"
      "  --reference DIR    draw the illustrated action reference into DIR, with the\n"
      "                     example pictures from --examples DIR (default: examples)\n"
      "  --help             print this text\n"
      "\n"
      "A script is text, one command a line: UTF-8 (a byte order mark is skipped)\n"
      "or, when it is not UTF-8, code page 1251 (the host then says so on standard\n"
      "error). '#' starts a comment; a text with blanks goes in double quotes (\"\"\n"
      "in quotes is one quote). A relative picture path is looked for in the\n"
      "current folder, then in the script's folder.\n"
      "\n"
      "Unless --quiet is given, standard error names each file the script writes\n"
      "(wrote first.png (400 \u00D7 300, PNG)) and each action parameter that took\n"
      "no effect, with the module's own reason:\n"
      "  line 4: pgAddSeriesChart: parameter 2 \"12,5\" is not a number (decimal\n"
      "  separator \".\"); nothing changed\n"
      "\n"
      "Script commands:\n"
      "  ACTION \"p1\" \"p2\" ...     run one of the module's actions (missing\n"
      "                          parameters are null); catalogue lists them\n"
      "  catalogue               print the catalogue rows as the module registered\n"
      "                          them\n"
      "  info                    print the module's name, author and description\n"
      "  rect NAME W H           a rectangle of the page with a window of W x H pixels\n"
      "  resize NAME W H         resize a rectangle's window\n"
      "  refit NAME LPARAM       send the refit message to the chart window (4 refits)\n"
      "  hide NAME / show NAME   hide / show a rectangle's window\n"
      "  answer7 NAME \"TEXT\"     answer TEXT when the module asks for the window\n"
      "  save NAME FILE          by FILE's extension: .png .jpg .jpeg .bmp write what\n"
      "                          the rectangle shows, .emf .svg .pdf the chart alone\n"
      "  paint                   deliver the pending paint messages\n"
      "  tick N                  run N periods of 150 ms of the message loop\n"
      "  geometry NAME           print the rectangle's and the chart window's geometry\n"
      "  marks NAME              print the marks of the last paint: box and line points, or dropped\n"
      "  pixel NAME X Y          print the colour (RRGGBB) shown at X, Y\n"
      "  compare NAME1 NAME2     print whether two rectangles show the same picture\n"
      "  print VAR               print a host variable, e.g. [LastError]\n"
      "  set VAR \"value\"         set a host variable\n"
      "  memory LABEL            print the memory the process holds\n"
      "  message CODE            send the module a message (2: the host shuts down)\n"
      "  option decimal-separator C   the decimal separator the module sees\n"
      "  option jpeg-quality N   the quality (1-100, default 90) save writes JPEG at\n"
      "  pick \"NAME\" / pick cancel   the answer to the next chooser of an editor\n"
      "  edit ACTION \"p1\" ...    open the action's editor and print what it gives back\n"
      "  dialog type ROW \"TEXT\" / dialog keys ROW \"TEXT\" (typed key by key: what code\n"
      "  page 1251 cannot hold is refused) / dialog choose ROW \"WORD\" / dialog chooser ROW /\n"
      "  dialog color ROW / dialog font ROW / dialog show / dialog snapshot FILE /\n"
      "  dialog tooltip chooser|color|font ROW FILE (a row button's tooltip as a picture) /\n"
      "  dialog ok / dialog cancel / dialog close\n"
      "                          what the user does in the next editor dialog\n"
      "  colordialog \"R,G,B\" / colordialog cancel   the next colour dialog's answer\n"
      "  fontdialog \"FACE\" SIZE \"STYLES\" \"COLOUR\" CHARSET / fontdialog cancel\n"
      "                          the next font dialog's answer\n"
      "\n"
      "Exit status: 0 when the script ran; 2 at a malformed line (line N: ... on\n"
      "standard error), an unknown option, a script that cannot be read, or a\n"
      "module that cannot be loaded; 1 when host strings leaked or were freed\n"
      "twice, or at the first ignored parameter under --strict.\n";

}  // namespace

const char* UsageText() { return kUsage; }

const char* HelpText() {
  static const std::string text = std::string(kUsage) + kDetails;
  return text.c_str();
}

}  // namespace pg::host
