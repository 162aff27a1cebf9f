// The module's two action entry points against a live chart, driven the way
// the reference host drives them. An input is a little script, one command a
// line, fields separated by tabs ("~" alone is a null slot):
//   x ID P1 P2 ...      nbExecAction with these slots
//   e ID P1 P2 ...      nbEditAction on these slots (the editor answered by the dialog lines queued before)
//   d t|c ROW TEXT      dialog line: type into edit ROW / choose in list ROW
//   d p NAME | d s | d z   dialog line: press a button, show, close by the frame
//   c R,G,B | c ~       answer of the next colour dialog
//   f FACE SIZE STYLES COLOUR CHARSET | f ~   answer of the next font dialog
//   k TEXT | k ~        answer of the next host chooser
//   a TEXT              what the host answers for the rectangle's window handle
//   t N | p | r W H | h | s | m CODE   ticks, paint, resize, hide, show, message
// Each input loads a session, adds rectangle Rect1 with a chart on it, runs
// the lines, shuts the module down and requires the host-string ledger to
// balance: every block freed once, none left.
#include <dlfcn.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/params/colour_format.h"
#include "framework/text/int_parse.h"
#include "module_session.h"
#include "platform/dialog.h"
#include "platform/window.h"

namespace {

using pg::host::ModuleSession;
namespace abi = pg::abi;
namespace platform = pg::platform;

// Room for the longest parameter list and then some: the module must read only its own.
constexpr std::size_t kMinSlots = 8;
constexpr std::size_t kMaxSlots = 16;
constexpr std::size_t kMaxLines = 64;
constexpr int kTickMilliseconds = 150;
// Small windows: the drawing is exercised all the same, at a fraction of the pixels.
constexpr int kWidth = 96, kHeight = 72;

const char* ModulePath() {
  const char* path = std::getenv("PG_FUZZ_MODULE");
  return path ? path : PG_MODULE_PATH;
}

abi::ExecActionFn g_exec = nullptr;

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (true) {
    const auto tab = line.find('\t', start);
    out.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return out;
    start = tab + 1;
  }
}

int Number(const std::string& text, int low, int high, int fallback) {
  std::int32_t v = fallback;
  pg::text::TryStrToInt(text, v);
  return std::clamp(v, low, high);
}

// The files an action names stay in the working folder: pictures are read
// by their bare name, the bitmap action always writes the same file, and an
// export writes one file a format (whatever the extension says, so unknown and
// odd ones reach the module) or names the folder itself, which must fail.
std::string BareName(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExportName(const std::string& path) {
  const auto bare = BareName(path);
  if (bare == "." || bare == "..") return bare;
  const auto dot = bare.find_last_of('.');
  return "fuzz-export" + (dot == std::string::npos ? std::string() : bare.substr(dot, 9));
}

void KeepFilesHere(std::int32_t id, std::vector<std::optional<std::string>>& slots) {
  constexpr std::int32_t kChartPicture = 12, kChartBitmap = 39, kChartExport = 43;
  if (id == kChartPicture && slots.size() > 2 && slots[2]) slots[2] = BareName(*slots[2]);
  if (id == kChartBitmap && slots.size() > 1 && slots[1]) slots[1] = "fuzz-chart";
  if (id == kChartExport && slots.size() > 1 && slots[1]) slots[1] = ExportName(*slots[1]);
}

class Block {
 public:
  explicit Block(const std::vector<std::optional<std::string>>& slots)
      : slots_(std::max(kMinSlots, slots.size() + 1), nullptr) {
    for (std::size_t i = 0; i < slots.size(); ++i)
      if (slots[i]) slots_[i] = ModuleSession::NewHostString(*slots[i]);
  }
  ~Block() {
    for (auto& s : slots_) ModuleSession::FreeHostString(s);
  }
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;
  abi::ParamBlock data() { return slots_.data(); }

 private:
  std::vector<abi::ParamSlot> slots_;
};

struct Run {
  ModuleSession& session;
  pg::host::Rectangle& rect;
  platform::ScriptedUser& user;

  void Action(const std::vector<std::string>& f, bool edit) {
    if (f.size() < 2) return;
    std::int32_t id = 0;
    pg::text::TryStrToInt(f[1], id);
    std::vector<std::optional<std::string>> slots;
    for (std::size_t i = 2; i < f.size() && slots.size() < kMaxSlots; ++i)
      slots.push_back(f[i] == "~" ? std::nullopt : std::optional<std::string>(f[i]));
    KeepFilesHere(id, slots);
    Block block(slots);
    if (edit)
      session.Edit(id, block.data());
    else
      g_exec(id, block.data());
  }

  void DialogLine(const std::vector<std::string>& f) {
    using Kind = platform::ScriptStep::Kind;
    if (f.size() < 2 || f[1].empty()) return;
    const std::string at = f.size() > 2 ? f[2] : "";
    const std::string text = f.size() > 3 ? f[3] : "";
    switch (f[1][0]) {
      case 't': user.steps.push_back({Kind::kType, "edit" + at, text}); break;
      case 'k': user.steps.push_back({Kind::kKeys, "edit" + at, text}); break;  // any bytes, UTF-8 or not
      case 'c': user.steps.push_back({Kind::kChoose, "list" + at, text}); break;
      case 'p': user.steps.push_back({Kind::kPress, at, {}}); break;
      case 's': user.steps.push_back({Kind::kShow, {}, {}}); break;
      case 'z': user.steps.push_back({Kind::kClose, {}, {}}); break;
      default: break;
    }
  }

  void ColourAnswer(const std::vector<std::string>& f) {
    if (f.size() < 2 || f[1] == "~") {
      user.colourAnswers.push_back(std::nullopt);
      return;
    }
    try {
      user.colourAnswers.push_back(pg::params::ReadColourTriple(f[1]));
    } catch (const std::exception&) {
      user.colourAnswers.push_back(std::nullopt);
    }
  }

  void FontAnswer(const std::vector<std::string>& f) {
    if (f.size() < 6) {
      user.fontAnswers.push_back(std::nullopt);
      return;
    }
    platform::FontChoice choice;
    choice.font.face = f[1];
    choice.points = Number(f[2], -2000, 2000, 10);
    choice.font.height = -(choice.points * 96 + 36) / 72;
    choice.font.weight = f[3].find('b') != std::string::npos ? 700 : 400;
    choice.font.italic = f[3].find('i') != std::string::npos;
    choice.font.underline = f[3].find('u') != std::string::npos;
    choice.font.strikeOut = f[3].find('s') != std::string::npos;
    try {
      choice.color = pg::params::ReadColourText(f[4]);
    } catch (const std::exception&) {
    }
    choice.font.charset = Number(f[5], 0, 255, 0);
    user.fontAnswers.push_back(choice);
  }

  void Line(const std::vector<std::string>& f) {
    const std::string& op = f[0];
    if (op == "x" || op == "e") {
      Action(f, op == "e");
    } else if (op == "d") {
      DialogLine(f);
    } else if (op == "c") {
      ColourAnswer(f);
    } else if (op == "f") {
      FontAnswer(f);
    } else if (op == "k") {
      session.Picks().push_back(f.size() < 2 || f[1] == "~" ? std::nullopt : std::optional<std::string>(f[1]));
    } else if (op == "a") {
      rect.answer7 = f.size() < 2 ? std::string() : f[1];
    } else if (op == "t") {
      const int n = f.size() < 2 ? 1 : Number(f[1], 0, 40, 1);
      for (int i = 0; i < n; ++i) platform::RunMessagePeriod(kTickMilliseconds);
    } else if (op == "p") {
      platform::DeliverPendingPaints();
    } else if (op == "r" && f.size() >= 3) {
      platform::SetWindowPos(rect.window, platform::kHwndTop, 0, 0, Number(f[1], 1, 4 * kWidth, kWidth), Number(f[2], 1, 4 * kHeight, kHeight),
                             platform::kSwpNoMove | platform::kSwpNoZOrder | platform::kSwpNoActivate);
    } else if (op == "h" || op == "s") {
      platform::ShowWindow(rect.window, op == "s");
    } else if (op == "m" && f.size() >= 2) {
      std::int32_t code = 0;
      pg::text::TryStrToInt(f[1], code);
      session.Message(code);
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Held for the whole run: sessions come and go, the module and its coverage stay mapped.
  void* module = dlopen(ModulePath(), RTLD_NOW | RTLD_LOCAL);
  if (!module) std::abort();
  g_exec = reinterpret_cast<abi::ExecActionFn>(dlsym(module, "nbExecAction"));
  if (!g_exec) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static platform::ScriptedUser user;
  user = platform::ScriptedUser{};
  user.report = [](const std::string&) {};
  platform::SetScriptedUser(&user);

  auto session = std::make_unique<ModuleSession>(ModulePath());
  auto& rect = session->AddRectangle("Rect1", kWidth, kHeight);
  Run run{*session, rect, user};
  run.Line({"x", "1", "Rect1"});

  const std::string_view script(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0, lines = 0;
  while (start <= script.size() && lines++ < kMaxLines) {
    const auto end = std::min(script.find('\n', start), script.size());
    run.Line(Fields(script.substr(start, end - start)));
    start = end + 1;
  }
  platform::DeliverPendingPaints();
  session->Message(2);
  session->Close();
  const auto& ledger = session->Ledger();
  if (ledger.Live() != 0 || ledger.BadFrees() != 0) std::abort();
  platform::SetScriptedUser(nullptr);
  return 0;
}
