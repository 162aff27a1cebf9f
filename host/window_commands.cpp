#include "window_commands.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "engine/export/picture_export.h"
#include "framework/text/codepage.h"
#include "charts/marks_report.h"
#include "framework/text/int_parse.h"
#include "platform/bitmap.h"
#include "platform/picture_file_io.h"
#include "platform/window.h"
#include "script_line.h"

namespace pg::host {

namespace {

constexpr int kTickMilliseconds = 150;
constexpr unsigned kRefitMessage = 0x04FA;

Rectangle& NeedRectangle(ModuleSession& s, const std::string& name) {
  Rectangle* r = s.FindRectangle(name);
  if (!r) throw ScriptError("no rectangle " + name);
  return *r;
}

std::string RectText(const platform::TRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.Width()) + "x" +
         std::to_string(r.Height());
}

std::string Hex6(std::uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(v & 0xFFFFFF));
  return buf;
}

std::unique_ptr<platform::Bitmap> Picture(Rectangle& r) {
  platform::DeliverPendingPaints();
  auto picture = platform::CaptureWindow(r.window);
  if (!picture) throw ScriptError("rectangle " + r.name + " has no window");
  return picture;
}

// Raster formats: what the rectangle shows. Vector formats: the chart inside
// it drawn anew by the module's export action, as a chart alone.
void SavePicture(ModuleSession& session, Rectangle& r, const std::string& file, const WroteFn& wrote) {
  const auto format = platform::ExportFormatOf(file);
  if (format == platform::ExportFormat::kUnknown) throw ScriptError(engine::UnknownFormatMessage(file));
  if (platform::IsVectorFormat(format)) {
    if (!platform::GetTopChildWindow(r.window)) throw ScriptError("rectangle " + r.name + " has no chart to save");
    const ReceivedRow* action = session.FindAction("pgChartExport");
    if (!action) throw ScriptError("the module has no pgChartExport");
    // The module saves as every save goes (links followed, the mode kept, a
    // read-only file refused, nothing partial left) and swallows a failure:
    // its note of the written file is what says the save happened.
    session.TakeNotes();
    session.Exec(action->id, {r.name, file}, 2);
    if (session.TakeNotes().find("wrote ") == std::string::npos) throw ScriptError("cannot write " + file);
    const auto box = platform::GetWindowRectInParent(platform::GetTopChildWindow(r.window));
    wrote(file, box.Width(), box.bottom - box.top, std::string(platform::ExportFormatName(format)));
    return;
  }
  auto picture = Picture(r);
  const auto bytes = engine::EncodeRasterPicture(format, picture->Width(), picture->Height(), 32,
                                                 [&](int x, int y) { return picture->Pixel(x, y); },
                                                 session.JpegQuality());
  if (bytes.empty() || !platform::WriteFileReplacing(file, bytes)) throw ScriptError("cannot write " + file);
  wrote(file, picture->Width(), picture->Height(), std::string(platform::ExportFormatName(format)));
}

}  // namespace

bool RunWindowCommand(ModuleSession& session, const std::vector<std::string>& w, const PrintFn& print,
                      const WroteFn& wrote) {
  const std::string& cmd = w[0];
  if (cmd == "resize") {
    NeedWords(w, 4, "resize NAME W H");
    Rectangle& r = NeedRectangle(session, w[1]);
    const int width = ReadInt(w[2], "width"), height = ReadInt(w[3], "height");
    if (width <= 0 || height <= 0) throw ScriptError("a rectangle needs a positive size");
    platform::SetWindowPos(r.window, platform::kHwndTop, 0, 0, width, height,
                           platform::kSwpNoMove | platform::kSwpNoZOrder | platform::kSwpNoActivate);
  } else if (cmd == "refit") {
    NeedWords(w, 3, "refit NAME LPARAM");
    Rectangle& r = NeedRectangle(session, w[1]);
    const int lParam = ReadInt(w[2], "lParam");
    const auto chart = platform::GetTopChildWindow(r.window);
    if (chart) platform::SendWindowMessage(chart, kRefitMessage, 0, lParam);
  } else if (cmd == "hide" || cmd == "show") {
    NeedWords(w, 2, "hide NAME | show NAME");
    platform::ShowWindow(NeedRectangle(session, w[1]).window, cmd == "show");
  } else if (cmd == "tick") {
    NeedWords(w, 2, "tick N");
    const int n = ReadInt(w[1], "tick count");
    if (n < 0) throw ScriptError("tick count must not be negative");
    for (int i = 0; i < n; ++i) platform::RunMessagePeriod(kTickMilliseconds);
  } else if (cmd == "paint") {
    NeedWords(w, 1, "paint");
    platform::DeliverPendingPaints();
  } else if (cmd == "save") {
    NeedWords(w, 3, "save NAME FILE");
    SavePicture(session, NeedRectangle(session, w[1]), w[2], wrote);
  } else if (cmd == "geometry") {
    NeedWords(w, 2, "geometry NAME");
    Rectangle& r = NeedRectangle(session, w[1]);
    std::string line = r.name + ": window " + RectText(platform::GetClientRect(r.window));
    const auto chart = platform::GetTopChildWindow(r.window);
    if (chart)
      line += ", chart window " + RectText(platform::GetWindowRectInParent(chart)) +
              (platform::IsWindowVisible(chart) ? " shown" : " hidden");
    else
      line += ", no chart window";
    print(line);
  } else if (cmd == "marks") {
    NeedWords(w, 2, "marks NAME");
    Rectangle& r = NeedRectangle(session, w[1]);
    platform::DeliverPendingPaints();
    const auto chart = platform::GetTopChildWindow(r.window);
    if (!chart) throw ScriptError("rectangle " + r.name + " has no chart window");
    std::string text(4096, '\0');
    charts::TMarksReport report;
    for (int round = 0; round < 2; ++round) {
      report.text = text.data();
      report.capacity = static_cast<std::uint32_t>(text.size());
      if (!platform::SendWindowMessage(chart, charts::kMarksReportMessage, 0, reinterpret_cast<std::intptr_t>(&report)))
        throw ScriptError("rectangle " + r.name + " reports no marks");
      if (report.length < text.size()) break;
      text.assign(report.length + 1, '\0');
    }
    text.resize(std::min<std::size_t>(report.length, text.size() - 1));
    std::size_t start = 0;
    while (start < text.size()) {
      const std::size_t end = text.find('\n', start);
      print(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
      if (end == std::string::npos) break;
      start = end + 1;
    }
  } else if (cmd == "pixel") {
    NeedWords(w, 4, "pixel NAME X Y");
    auto picture = Picture(NeedRectangle(session, w[1]));
    const int x = ReadInt(w[2], "x"), y = ReadInt(w[3], "y");
    print("pixel " + w[1] + " " + w[2] + "," + w[3] + ": " + Hex6(picture->Pixel(x, y)));
  } else if (cmd == "compare") {
    NeedWords(w, 3, "compare NAME1 NAME2");
    auto a = Picture(NeedRectangle(session, w[1]));
    auto b = Picture(NeedRectangle(session, w[2]));
    bool same = a->Width() == b->Width() && a->Height() == b->Height();
    for (int y = 0; same && y < a->Height(); ++y)
      for (int x = 0; same && x < a->Width(); ++x) same = a->Pixel(x, y) == b->Pixel(x, y);
    // Only whether they differ: how many pixels do depends on the platform's text.
    print("compare " + w[1] + " " + w[2] + ": " + (same ? "same" : "differ"));
  } else {
    return false;
  }
  return true;
}

}  // namespace pg::host
